#include "log/basLog.h"

#include "config/SafeFile.h"
#include "config/basIniProc.h"

#include <array>
#include <charconv>

namespace basLog {
namespace {

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

constexpr std::int32_t kMaxWager = 10;

// A running total after adding coins to it, restarting at 0 past the limit.
std::int64_t TotalAfter(std::int64_t total, std::int64_t coins) {
    const std::int64_t sum = total + coins;
    return sum > basIniProc::kCoinLimit ? 0 : sum;
}

// Whether the record is the game that follows the saved counters: its wager bet
// from them and its payout credited, as a payout does.
bool FollowsFromCounters(const LogRecord& r) {
    using namespace basIniProc;
    const std::int64_t balance =
        std::min<std::int64_t>(std::int64_t{lngCoin} - r.wager + r.paid, kCoinLimit);
    return r.wager > 0 && r.wager <= kMaxWager && r.paid >= 0 && r.coin == balance &&
           r.totalGet == TotalAfter(lngTotalGet, r.wager) &&
           r.totalPut == TotalAfter(lngTotalPut, r.paid);
}

} // namespace

std::string LogFilePath() {
    return basIniProc::strAppPath + "vesk_poker.log";
}

std::vector<LogRecord> ParseLog(std::string_view text) {
    std::vector<LogRecord> records;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
        if (const auto record = ParseRecord(text.substr(0, end))) {
            records.push_back(*record);
        }
        // The empty line between the CR and the LF of a CR LF is no record.
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return records;
}

std::string FormatLog(const std::vector<LogRecord>& records) {
    std::string text;
    for (const LogRecord& record : records) {
        text += FormatRecord(record);
    }
    return text;
}

std::optional<std::vector<LogRecord>> ReadLog() {
    const auto text = profile::ReadWholeFile(LogFilePath());
    if (!text) {
        return std::nullopt;
    }
    return ParseLog(*text);
}

// A log that cannot be read is not replaced: it may hold a history the game
// cannot see, and a read-only one is the player's wish to stop logging.
void AppendLog(const LogRecord& record) {
    auto records = ReadLog();
    if (!records) {
        return;
    }
    const std::size_t dropped = records->size() - std::min(records->size(), kKeptRecords - 1);
    records->erase(records->begin(), records->begin() + static_cast<std::ptrdiff_t>(dropped));
    records->push_back(record);
    profile::ReplaceWholeFile(LogFilePath(), FormatLog(*records));
}

void RecoverLog() {
    using namespace basIniProc;
    profile::RemoveStaleTemporaries(LogFilePath());
    const auto records = ReadLog();
    if (!records || records->empty() || !FollowsFromCounters(records->back())) {
        return;
    }
    lngCoin = records->back().coin;
    lngTotalGet = records->back().totalGet;
    lngTotalPut = records->back().totalPut;
    SaveCoinData();
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
