#include "config/basIniProc.h"

#include "config/DefaultIni.h"
#include "config/IniNumber.h"
#include "config/Profile.h"
#include "config/SafeFile.h"
#include "config/ShippedAssets.h"
#include "platform/ProgramFolder.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace basIniProc {
namespace {

std::string IniPath() {
    return strAppPath + "Poker.ini";
}

// The values of Poker.ini as last read or written: read once per start and once
// per save, so a large file costs one read, not one per value. InitIniFile forgets
// them, so the settings dialog, which calls it on every opening, sees the file as
// it stands.
std::optional<profile::ValueIndex> iniValues;

// A file that is there but cannot be read (a pipe, a device, a folder, one far
// too large) is played with the defaults, and no save ever replaces it.
const profile::ValueIndex& IniValues() {
    if (!iniValues) {
        iniValues.emplace(profile::ReadProfile(IniPath()).value_or(DefaultIniText()));
    }
    return *iniValues;
}

// After a failed write the next read goes back to the file, whatever it holds.
bool Write(const std::vector<profile::Entry>& entries) {
    const auto written = profile::WriteValues(IniPath(), entries);
    if (written) {
        iniValues.emplace(*written);
    } else {
        iniValues.reset();
    }
    return written.has_value();
}

// Anything of that name, even a file or a dangling link, is left alone.
void CreateFolderIfNothingNamed(const std::string& name) {
    const std::filesystem::path path = strAppPath + name;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
        std::filesystem::create_directory(path, error);
    }
}

// The 14 counters of [COIN] and [PLAYDATA], in file order. The balance, the
// running totals and the hand counts never pass kCoinLimit in play, so one read
// beyond it (hand-edited) is held to it and cannot wrap on the next bet; a win
// doubled up may pass it, so the two records are read as they stand.
struct Counter {
    const char* section;
    const char* key;
    std::int32_t& value;
    bool capped = true;
};

constexpr bool kUncapped = false;

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
        {"PLAYDATA", "MAX_DOUBLE_CNT", lngMaxDoubleCnt, kUncapped},
        {"PLAYDATA", "MAX_DOUBLE_WIN", lngMaxDoubleWin, kUncapped},
    }};
}

} // namespace

void InitIniFile() {
    strAppPath = platform::ProgramFolder();
    CreateFolderIfNothingNamed("sound");
    CreateFolderIfNothingNamed("card");
    LinkShippedAssets(strAppPath, platform::ShippedDataFolder());
    profile::RemoveStaleTemporaries(IniPath());
    profile::CreateWholeFile(IniPath(), DefaultIniText());
    iniValues.reset();
}

std::string GetIni(const std::string& section, const std::string& key) {
    return profile::ValueOf(IniValues(), section, key);
}

void WriteIni(const std::string& section, const std::string& key, const std::string& value) {
    Write({{section, key, value}});
}

void LoadCoinData() {
    for (const Counter& counter : Counters()) {
        const std::int32_t value = ToInt32(GetIni(counter.section, counter.key));
        counter.value = counter.capped ? std::clamp(value, -kCoinLimit, kCoinLimit) : value;
    }
}

bool SaveCoinData() {
    std::vector<profile::Entry> entries;
    for (const Counter& counter : Counters()) {
        entries.push_back({counter.section, counter.key, std::to_string(counter.value)});
    }
    return Write(entries);
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

bool LoadSoundMuted() {
    return GetIni("SETTING", "MUTE") == "1";
}

void SaveSoundMuted(bool muted) {
    WriteIni("SETTING", "MUTE", muted ? "1" : "0");
}

bool LoadCoach() {
    return GetIni("SETTING", "COACH") == "1";
}

bool SaveCoach(bool on) {
    return Write({{"SETTING", "COACH", on ? "1" : "0"}});
}

void SplitColor(std::int32_t color, std::int16_t& red, std::int16_t& green, std::int16_t& blue) {
    red = static_cast<std::int16_t>(color & 255);
    green = static_cast<std::int16_t>((color / 256) & 255);
    blue = static_cast<std::int16_t>((color / 65536) & 255);
}

} // namespace basIniProc
