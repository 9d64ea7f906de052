#pragma once

#include "advisor/HoldValues.h"

#include <optional>
#include <string>

// One line of five cards written suit:rank in the game's codes, e.g. "1:0 2:12 9:99 3:5 4:10".
// On a bad line, the reason is left in `error`.
std::optional<advisor::Deal> ParseDealLine(const std::string& line, std::string& error);
