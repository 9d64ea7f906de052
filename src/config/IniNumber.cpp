#include "config/IniNumber.h"

#include <algorithm>
#include <limits>

namespace basIniProc {
namespace {

template <typename T> T Clamp(std::int64_t value) {
    return static_cast<T>(std::clamp<std::int64_t>(value, std::numeric_limits<T>::min(),
                                                   std::numeric_limits<T>::max()));
}

} // namespace

std::int32_t ToInt32(std::string_view text) {
    std::size_t pos = text.find_first_not_of(" \t");
    if (pos == std::string_view::npos) {
        return 0;
    }
    const bool negative = text[pos] == '-';
    if (text[pos] == '-' || text[pos] == '+') {
        ++pos;
    }
    // Saturates early: past 11 digits the clamp's result is already decided.
    constexpr std::int64_t kBeyondRange = 100'000'000'000;
    std::int64_t magnitude = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        magnitude = std::min(kBeyondRange, magnitude * 10 + (text[pos] - '0'));
    }
    return Clamp<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int16_t ToInt16(std::int32_t value) {
    return Clamp<std::int16_t>(value);
}

} // namespace basIniProc
