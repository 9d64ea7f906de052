#pragma once

#include <cstdint>
#include <string_view>

// Numbers in Poker.ini are plain decimal text, but the file is the player's to
// edit. Whatever it holds gives a defined number, never an error:
//  - blanks before the number are skipped, then an optional sign and the
//    leading run of digits count; anything after them is ignored ("12abc" is
//    12, "1e3" is 1, " -7 " is -7);
//  - text with no leading digits, and the empty text, give 0;
//  - a number beyond the variable's range is clamped to its nearest end
//    ("99999999999" is 2147483647; a GAME of 40000 is 32767).
namespace basIniProc {

std::int32_t ToInt32(std::string_view text);
std::int16_t ToInt16(std::int32_t value);

} // namespace basIniProc
