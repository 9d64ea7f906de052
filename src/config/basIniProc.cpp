#include "config/basIniProc.h"

#include "config/DefaultIni.h"
#include "config/IniNumber.h"
#include "config/Profile.h"
#include "config/SafeFile.h"
#include "platform/ProgramFolder.h"

#include <filesystem>

namespace basIniProc {
namespace {

std::string IniPath() {
    return strAppPath + "Poker.ini";
}

// Exactly one separator at the end, also for a folder given as "dir//"; the
// root stays "/".
std::string WithOneSlash(std::string folder) {
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder + "/";
}

// Anything of that name, even a file or a dangling link, is left alone.
void CreateFolderIfNothingNamed(const std::string& name) {
    const std::filesystem::path path = strAppPath + name;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        std::filesystem::create_directory(path, error);
    }
}

// The 14 counters of [COIN] and [PLAYDATA], in file order.
struct Counter {
    const char* section;
    const char* key;
    std::int32_t& value;
};

std::array<Counter, 14> Counters() {
    return {{
        {"COIN", "TOTAL", lngCoin},
        {"COIN", "TOTAL_GET", lngTotalGet},
        {"COIN", "TOTAL_PUT", lngTotalPut},
        {"PLAYDATA", "0", lngPlayData[0]},
        {"PLAYDATA", "1", lngPlayData[1]},
        {"PLAYDATA", "2", lngPlayData[2]},
        {"PLAYDATA", "3", lngPlayData[3]},
        {"PLAYDATA", "4", lngPlayData[4]},
        {"PLAYDATA", "5", lngPlayData[5]},
        {"PLAYDATA", "6", lngPlayData[6]},
        {"PLAYDATA", "7", lngPlayData[7]},
        {"PLAYDATA", "8", lngPlayData[8]},
        {"PLAYDATA", "MAX_DOUBLE_CNT", lngMaxDoubleCnt},
        {"PLAYDATA", "MAX_DOUBLE_WIN", lngMaxDoubleWin},
    }};
}

} // namespace

void InitIniFile() {
    strAppPath = WithOneSlash(platform::ProgramFolder());
    CreateFolderIfNothingNamed("sound");
    CreateFolderIfNothingNamed("card");
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(IniPath(), error))) {
        profile::CreateWholeFile(IniPath(), DefaultIniText());
    }
}

std::string GetIni(const std::string& section, const std::string& key) {
    return profile::ReadString(IniPath(), section, key);
}

void WriteIni(const std::string& section, const std::string& key, const std::string& value) {
    profile::WriteString(IniPath(), section, key, value);
}

void LoadCoinData() {
    for (const Counter& counter : Counters()) {
        counter.value = ToInt32(GetIni(counter.section, counter.key));
    }
}

void SaveCoinData() {
    for (const Counter& counter : Counters()) {
        WriteIni(counter.section, counter.key, std::to_string(counter.value));
    }
}

void LoadGameSpeed() {
    intGameSpeed = ToInt16(ToInt32(GetIni("SETTING", "GAME")));
    if (intGameSpeed == 0) {
        intGameSpeed = 200;
    }
}

// No stand-in for 0: a file without the key has always given a black table.
void LoadBackColor() {
    lngBackColor = ToInt32(GetIni("SETTING", "BACKCOLOR"));
}

void SplitColor(std::int32_t color, std::int16_t& red, std::int16_t& green, std::int16_t& blue) {
    red = static_cast<std::int16_t>(color & 255);
    green = static_cast<std::int16_t>((color / 256) & 255);
    blue = static_cast<std::int16_t>((color / 65536) & 255);
}

} // namespace basIniProc
