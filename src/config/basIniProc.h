#pragma once

#include <array>
#include <cstdint>
#include <string>

// Poker.ini: the program folder, the default file, one-value reads and writes,
// and the numbers the game keeps between runs.
namespace basIniProc {

// The most coins the balance holds; the running totals and the hand counts start
// again past it.
inline constexpr std::int32_t kCoinLimit = 99'999'999;

inline std::string strAppPath;

inline std::int32_t lngCoin = 0;
inline std::int32_t lngTotalGet = 0;
inline std::int32_t lngTotalPut = 0;
inline std::array<std::int32_t, 9> lngPlayData{};
inline std::int32_t lngMaxDoubleCnt = 0;
inline std::int32_t lngMaxDoubleWin = 0;
inline std::int16_t intGameSpeed = 200;
inline std::int32_t lngBackColor = 32768;

void InitIniFile();
std::string GetIni(const std::string& section, const std::string& key);
void WriteIni(const std::string& section, const std::string& key, const std::string& value);
void LoadCoinData();
// One replacement of the file for all 14 values; false when the file was left as
// it was, so the game can tell the player that the coins were not saved.
bool SaveCoinData();
void LoadGameSpeed();
void LoadBackColor();
// [SETTING] "MUTE", written only once the player has pressed M: "1" silent, "0"
// not. A file without it, as every file from before M, plays with sound.
bool LoadSoundMuted();
void SaveSoundMuted(bool muted);
// The coach is off unless the player turned it on: a missing key reads as off, and
// the key is written only when the player turns it on or off, so the file the game
// creates stays as it has always been.
bool LoadCoach();
bool SaveCoach(bool on);
void SplitColor(std::int32_t color, std::int16_t& red, std::int16_t& green, std::int16_t& blue);

} // namespace basIniProc
