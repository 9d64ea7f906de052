#pragma once

#include <string>

namespace basIniProc {

// The content of a new Poker.ini, byte for byte as the game has always written
// it: CR LF line ends, no blank lines, no comments.
std::string DefaultIniText();

} // namespace basIniProc
