#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The play log "vesk_poker.log" of the newest 100 games, and the scale of the coin
// graph drawn from it. Standard library only.
namespace basLog {

struct LogRecord {
    std::int32_t gameNo = 0;
    std::int32_t coin = 0;
    std::int32_t wager = 0;
    std::int32_t paid = 0;
    std::int32_t totalGet = 0;
    std::int32_t totalPut = 0;
};

// A point of the coin graph in the box's own units, 1/1440 inch from its top-left.
struct GraphPoint {
    double x = 0.0;
    double y = 0.0;
};

inline std::int32_t lngGraphMax = 100;
inline std::int32_t lngGraphMin = -100;
inline std::int32_t lngLogCount = 0;
inline double dblGraphScaleY = 0.0;
inline double dblGraphStepX = 60.0;

// Nearest whole number, halves to even. Out-of-range values stick at T's limits
// instead of wrapping: a very wide box must not fold its graph back to the left.
template <typename T> T RoundHalfEven(double value) {
    const double limited =
        std::clamp(std::nearbyint(value), static_cast<double>(std::numeric_limits<T>::min()),
                   static_cast<double>(std::numeric_limits<T>::max()));
    return static_cast<T>(limited);
}

std::string LogFilePath();

// The well-formed records of a log's text, oldest first; a line that does not hold
// six whole numbers is skipped. Lines end at CR LF, LF or a lone CR.
std::vector<LogRecord> ParseLog(std::string_view text);

// The records as the game writes them: one line each, ended by CR LF.
std::string FormatLog(const std::vector<LogRecord>& records);

// The records of the log file. A missing file is an empty history. Nothing
// (std::nullopt) when the file is there but cannot be read (no ordinary file, or
// one far larger than the game writes), so that nobody mistakes it for an empty one.
std::optional<std::vector<LogRecord>> ReadLog();

// Writes the record of the game that has just ended, keeping the newest 100, by the
// same safe replacement as Poker.ini. A log that cannot be read or replaced is left
// as it is, and the game goes on without it.
void AppendLog(const LogRecord& record);

// At start, after the counters are loaded: removes what a killed save of the log
// left behind, and brings the counters level with the log when the log is one
// game ahead. The log is replaced just before Poker.ini at the end of a game, so a
// kill between the two leaves a last record that follows from the counters by
// exactly that game's wager and payout. That game was played and paid in full, so
// its record is trusted and the counters are taken from it and saved (the hand it
// made is all that is lost: no record holds it). Any other difference (a
// Poker.ini deleted to start afresh, a log that could not be written) is left as
// it is, with Poker.ini trusted.
void RecoverLog();

void CalcGraphScale(std::int32_t H, std::int32_t W);

// The yellow line at the scale of the last CalcGraphScale: from the left end of the
// axis, (0, H / 2), one point per record.
std::vector<GraphPoint> GraphPath(const std::vector<LogRecord>& records, std::int32_t H);

} // namespace basLog
