#include "config/Profile.h"

#include "config/ProfileText.h"
#include "config/SafeFile.h"

#include <algorithm>
#include <filesystem>

namespace profile {
namespace {

bool HasLineBreak(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

// A file that is there but cannot be read must not be replaced by one holding
// only the new value.
bool IsAbsent(const std::string& path) {
    std::error_code error;
    return !std::filesystem::exists(path, error) && !error;
}

// A name the reader would not find again is refused rather than written.
bool IsWritableName(const std::string& section, const std::string& key) {
    return !section.empty() && !key.empty() && !HasLineBreak(section) && !HasLineBreak(key) &&
           section.find(']') == std::string::npos && key.find('=') == std::string::npos &&
           key.find_first_of("[;") != 0;
}

// A value is one line: a line break in it would smuggle keys or sections into
// the file, so the value ends there.
std::string OneLine(const std::string& value) {
    return value.substr(0, value.find_first_of("\r\n"));
}

// Never ends inside a UTF-8 sequence, so a cut value is still valid text.
std::string CutToLength(std::string value) {
    if (value.size() <= kMaxValueLength) {
        return value;
    }
    std::size_t end = kMaxValueLength;
    while (end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80) {
        --end;
    }
    value.resize(end);
    return value;
}

} // namespace

std::string ReadString(const std::string& path, const std::string& section,
                       const std::string& key) {
    const auto text = ReadWholeFile(path);
    if (!text) {
        return {};
    }
    std::string value = FindValue(*text, section, key);
    value.resize(std::min(value.size(), value.find('\0')));
    return CutToLength(std::move(value));
}

bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& value) {
    if (!IsWritableName(section, key)) {
        return false;
    }
    const auto old = ReadWholeFile(path);
    if (!old && !IsAbsent(path)) {
        return false;
    }
    return ReplaceWholeFile(path, SetValue(old.value_or(""), section, key, OneLine(value)));
}

} // namespace profile
