#pragma once

#include <array>
#include <string>
#include <vector>

// The keys the settings dialog offers, and what each one means to the player.
namespace settings {

// FANFARE before BONUS, as the dialog has always listed them (the file has them
// the other way round).
inline constexpr std::array<const char*, 10> kSoundKeys{
    "CARD", "COININ", "COINOUT", "HOLD", "BOO", "WIN0", "WIN1", "WIN2", "FANFARE", "BONUS"};

// "URA", the 52 faces suit by suit ("C_01" ... "S_13"), then "JOKER".
std::vector<std::string> CardKeys();

// "説明：" and the description of the key; keys match in any letter case, and a key
// the dialog does not know has no description.
std::string GetDescription(const std::string& section, const std::string& key);

} // namespace settings
