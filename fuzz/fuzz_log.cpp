// The log reader: any text gives records, and the records as the game writes them
// read back the same.
#include "log/basLog.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool Same(const basLog::LogRecord& a, const basLog::LogRecord& b) {
    return a.gameNo == b.gameNo && a.coin == b.coin && a.wager == b.wager && a.paid == b.paid &&
           a.totalGet == b.totalGet && a.totalPut == b.totalPut;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto records = basLog::ParseLog(text);
    const auto again = basLog::ParseLog(basLog::FormatLog(records));
    if (!std::equal(records.begin(), records.end(), again.begin(), again.end(), Same)) {
        std::abort();
    }
    return 0;
}
