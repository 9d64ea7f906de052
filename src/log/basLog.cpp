#include "log/basLog.h"

#include "config/basIniProc.h"

#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>

namespace basLog {
namespace {

namespace fs = std::filesystem;

constexpr std::size_t kKeptRecords = 100;
constexpr std::size_t kFieldCount = 6;
constexpr std::string_view kBlanks = " \t";

std::optional<std::int32_t> ParseField(std::string_view field) {
    const auto first = field.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    field = field.substr(first, field.find_last_not_of(kBlanks) - first + 1);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

std::optional<LogRecord> ParseRecord(std::string_view line) {
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    std::array<std::int32_t, kFieldCount> fields{};
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const auto comma = line.find(',');
        const bool last = i + 1 == kFieldCount;
        if ((comma == std::string_view::npos) != last) {
            return std::nullopt;
        }
        const auto value = ParseField(line.substr(0, comma));
        if (!value) {
            return std::nullopt;
        }
        fields[i] = *value;
        line.remove_prefix(last ? line.size() : comma + 1);
    }
    return LogRecord{fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

std::string FormatRecord(const LogRecord& r) {
    return std::to_string(r.gameNo) + ',' + std::to_string(r.coin) + ',' + std::to_string(r.wager) +
           ',' + std::to_string(r.paid) + ',' + std::to_string(r.totalGet) + ',' +
           std::to_string(r.totalPut) + "\r\n";
}

// A read-only log is the player's wish to stop logging; replacing it by a rename
// would pass over that, so the file must take writing where it stands.
bool WritableInPlace(const fs::path& log) {
    std::error_code error;
    if (!fs::exists(log, error)) {
        return !error;
    }
    return std::ofstream(log, std::ios::binary | std::ios::app).is_open();
}

// The new contents go to a file beside the log and take its place in one rename, so
// that a full disk or a crash halfway leaves the old history whole.
void ReplaceLog(const fs::path& log, const std::string& contents) {
    fs::path temporary = log;
    temporary += ".tmp";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) {
        return;
    }
    out << contents;
    out.close();
    std::error_code error;
    if (!out.fail()) {
        fs::rename(temporary, log, error);
        if (!error) {
            return;
        }
    }
    fs::remove(temporary, error);
}

std::optional<std::vector<LogRecord>> ReadRecords(const fs::path& log) {
    std::error_code error;
    if (!fs::exists(log, error)) {
        return error ? std::nullopt : std::make_optional<std::vector<LogRecord>>();
    }
    // Anything but a plain file (a folder, a pipe that would wait for a writer) is
    // no log the game can use.
    if (!fs::is_regular_file(log, error)) {
        return std::nullopt;
    }
    std::ifstream in(log, std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    std::vector<LogRecord> records;
    for (std::string line; std::getline(in, line);) {
        if (const auto record = ParseRecord(line)) {
            records.push_back(*record);
        }
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return records;
}

} // namespace

std::string LogFilePath() {
    return basIniProc::strAppPath + "vesk_poker.log";
}

std::optional<std::vector<LogRecord>> ReadLog() {
    try {
        return ReadRecords(LogFilePath());
    } catch (const std::exception&) {
        // Only a monstrous file gets here (out of memory); the game must not end for it.
        return std::nullopt;
    }
}

void AppendLog(const LogRecord& record) {
    const fs::path log = LogFilePath();
    const auto records = ReadLog();
    if (!records || !WritableInPlace(log)) {
        return;
    }
    const std::size_t kept = std::min(records->size(), kKeptRecords - 1);
    std::string contents;
    for (auto it = records->end() - static_cast<std::ptrdiff_t>(kept); it != records->end(); ++it) {
        contents += FormatRecord(*it);
    }
    contents += FormatRecord(record);
    ReplaceLog(log, contents);
}

void CalcGraphScale(std::int32_t H, std::int32_t W) {
    lngGraphMax = 100;
    lngGraphMin = -100;
    lngLogCount = 0;
    for (const LogRecord& record : ReadLog().value_or(std::vector<LogRecord>{})) {
        if (record.coin > lngGraphMax) {
            lngGraphMax = record.coin;
        } else if (record.coin < lngGraphMin) {
            lngGraphMin = record.coin;
        }
        ++lngLogCount;
    }
    // In doubles: the magnitude of the smallest 32-bit balance has no 32-bit value.
    const double top = std::fabs(static_cast<double>(lngGraphMax));
    const double bottom = std::fabs(static_cast<double>(lngGraphMin));
    dblGraphScaleY = (H / 2.0) / std::max(top, bottom);
    dblGraphStepX = lngLogCount != 0 ? (W / 4.0) * 3.0 / lngLogCount : 60.0;
}

std::vector<GraphPoint> GraphPath(const std::vector<LogRecord>& records, std::int32_t H) {
    std::vector<GraphPoint> path{{0.0, H / 2.0}};
    const auto y0 = RoundHalfEven<std::int32_t>(H / 2.0);
    // x is rounded after every step, so each step's rounding carries into the next.
    std::int16_t x = 0;
    for (const LogRecord& record : records) {
        x = RoundHalfEven<std::int16_t>(x + dblGraphStepX);
        const auto d =
            RoundHalfEven<std::int32_t>(-static_cast<double>(record.coin) * dblGraphScaleY);
        path.push_back({static_cast<double>(x), static_cast<double>(y0) + d});
    }
    return path;
}

} // namespace basLog
