#pragma once

#include <string>

namespace platform {

// The folder of the running program, ending in exactly one '/'. Poker.ini, the
// log and the asset folders all live here.
std::string ProgramFolder();

// Tests point the game at a temporary folder; an empty path restores the real one.
void SetProgramFolder(const std::string& folder);

// Poker.ini stores file names with a leading backslash ("\ura.bmp") so that files
// stay compatible; on opening, every backslash is a folder separator.
std::string ToFilePath(std::string path);

} // namespace platform
