#pragma once

#include <cstdint>
#include <string>

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

inline std::int32_t lngGraphMax = 100;
inline std::int32_t lngGraphMin = -100;
inline std::int32_t lngLogCount = 0;
inline double dblGraphScaleY = 0.0;
inline double dblGraphStepX = 60.0;

// Writes the record of the game that has just ended, keeping the newest 100.
void AppendLog(const LogRecord& record);

void CalcGraphScale(std::int32_t H, std::int32_t W);

} // namespace basLog
