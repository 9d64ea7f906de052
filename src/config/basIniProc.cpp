#include "config/basIniProc.h"

#include "platform/ProgramFolder.h"

// Placeholder until the profile reader and writer land.
namespace basIniProc {

void InitIniFile() { strAppPath = platform::ProgramFolder(); }
std::string GetIni(const std::string&, const std::string&) { return ""; }
void WriteIni(const std::string&, const std::string&, const std::string&) {}
void LoadCoinData() { lngCoin = 50; }
void SaveCoinData() {}
void LoadGameSpeed() { intGameSpeed = 200; }
void LoadBackColor() { lngBackColor = 32768; }
void SplitColor(std::int32_t color, std::int16_t& red, std::int16_t& green, std::int16_t& blue) {
    red = static_cast<std::int16_t>(color & 255);
    green = static_cast<std::int16_t>((color / 256) & 255);
    blue = static_cast<std::int16_t>((color / 65536) & 255);
}

} // namespace basIniProc
