// The profile text parser: whatever the file holds and whatever is written, the
// value written reads back as the writer promises, and writing it again changes
// nothing (a key the reader could not find would be appended on every save).
//
// Input: three lines (section, key, value), then the file's text.
#include "config/Profile.h"
#include "config/ProfileText.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string_view TakeLine(std::string_view& input) {
    const std::size_t end = std::min(input.find('\n'), input.size());
    const std::string_view line = input.substr(0, end);
    input.remove_prefix(std::min(end + 1, input.size()));
    return line;
}

// The writer cuts a value at its first line break; the reader drops the blanks
// around it.
std::string_view AsReadBack(std::string_view value) {
    value = value.substr(0, value.find_first_of("\r\n"));
    const std::size_t first = value.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return value.substr(first, value.find_last_not_of(" \t") - first + 1);
}

bool IsReadableName(std::string_view section, std::string_view key) {
    section = profile::TrimName(section);
    key = profile::TrimName(key);
    return !section.empty() && !key.empty() && section.find_first_of("]\r\n") == section.npos &&
           key.find_first_of("=\r\n") == key.npos && key.find_first_of("[;") != 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view section = TakeLine(input);
    const std::string_view key = TakeLine(input);
    const std::string_view value = AsReadBack(TakeLine(input));
    (void)profile::ValueIndex(input).Find(section, key);
    if (!IsReadableName(section, key)) {
        return 0;
    }
    const std::string written = profile::SetValue(input, section, key, value);
    if (profile::ValueIndex(written).Find(section, key) != value ||
        profile::SetValue(written, section, key, value) != written) {
        std::abort();
    }
    return 0;
}
