#pragma once

#include <string>

namespace platform {

// The folder of the running program, ending in exactly one '/'. Poker.ini, the
// log and the asset folders all live here.
std::string ProgramFolder();

// Tests point the game at a temporary folder; an empty path restores the real one.
void SetProgramFolder(const std::string& folder);

// Poker.ini stores file names with a leading backslash ("\ura.bmp") so that files
// stay compatible; on opening, every backslash of a stored name is a folder
// separator. The program folder's own name, which a path starts with, is left as
// it is: there a backslash is an ordinary character of a Linux folder name.
std::string ToFilePath(std::string path);

} // namespace platform
