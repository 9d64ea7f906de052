#pragma once

#include <string>

namespace platform {

// The game folder, ending in exactly one '/': Poker.ini, the log and the asset
// folders all live here. It is the program's own folder where that can be
// written (the build tree, a portable folder); an installed game, or one in a
// folder its player cannot write, keeps each player's files in
// $XDG_DATA_HOME/vesk-poker (~/.local/share/vesk-poker), made on first use.
std::string ProgramFolder();

// Tests point the game at a temporary folder; an empty path restores the real one.
void SetProgramFolder(const std::string& folder);

// The choice above for a program in `programFolder`, creating the player's
// folder when that is the one chosen.
std::string GameFolderFor(const std::string& programFolder);

// The folder of the running program itself, ending in one '/'.
std::string ExecutableFolder();

// Where the shipped card/ and sound/ folders are: the installed data folder, or
// the program's own folder in a portable game. Empty while a test has pointed the
// game elsewhere, so no test sees the build's own assets.
std::string ShippedDataFolder();

// Poker.ini stores file names with a leading backslash ("\ura.bmp") so that files
// stay compatible; on opening, every backslash of a stored name is a folder
// separator. The program folder's own name, which a path starts with, is left as
// it is: there a backslash is an ordinary character of a Linux folder name.
std::string ToFilePath(std::string path);

} // namespace platform
