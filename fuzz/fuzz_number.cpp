// The number reader: any text gives a defined 32-bit number, and the number the
// game writes back reads as itself.
#include "config/IniNumber.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::int32_t value = basIniProc::ToInt32(text);
    if (basIniProc::ToInt32(std::to_string(value)) != value ||
        basIniProc::ToInt16(value) !=
            basIniProc::ToInt32(std::to_string(basIniProc::ToInt16(value)))) {
        std::abort();
    }
    return 0;
}
