#pragma once

#include <optional>
#include <string>

// A card picture and the twelve files of its suit that sit beside it, numbered 1 to
// 13 like the game's own pictures (clb_1.bmp ... clb_13.bmp).
namespace settings {

// The file of number n in the set of `file`: the name up to and including its first
// "_", n without a leading zero, then the name from its first "." on. Nothing for
// a name without "." or "_".
std::optional<std::string> SiblingName(const std::string& file, int n);

// The suit a card key names: "C_", "H_", "D_" or "S_", searched for in that order,
// the last one found counting; "" for "URA" and "JOKER". The keys are the dialog's
// own list, all in capitals.
std::string SuitKey(const std::string& key);

} // namespace settings
