#include "config/Profile.h"

#include "config/SafeFile.h"

#include <algorithm>

namespace profile {
namespace {

// A name the reader would not find again is refused rather than written.
bool IsWritableName(std::string_view section, std::string_view key) {
    section = TrimName(section);
    key = TrimName(key);
    const auto hasLineBreak = [](std::string_view s) {
        return s.find_first_of("\r\n") != std::string_view::npos;
    };
    return !section.empty() && !key.empty() && !hasLineBreak(section) && !hasLineBreak(key) &&
           section.find(']') == std::string_view::npos && key.find('=') == std::string_view::npos &&
           key.find_first_of("[;") != 0;
}

// A value is one line: a line break in it would smuggle keys or sections into
// the file, so the value ends there.
std::string_view OneLine(std::string_view value) {
    return value.substr(0, value.find_first_of("\r\n"));
}

// The file is in the ANSI code page, so the cut counts bytes; it only steps back
// to keep a valid UTF-8 character whole rather than leave half of it.
std::size_t CutPoint(std::string_view value) {
    std::size_t lead = kMaxValueLength;
    while (lead > 0 && kMaxValueLength - lead < 3 &&
           (static_cast<unsigned char>(value[lead]) & 0xC0) == 0x80) {
        --lead;
    }
    const auto first = static_cast<unsigned char>(value[lead]);
    const std::size_t length = first >= 0xF0 && first <= 0xF4   ? 4
                               : first >= 0xE0 && first <= 0xEF ? 3
                               : first >= 0xC2 && first <= 0xDF ? 2
                                                                : 1;
    const bool whole = lead + length <= value.size() &&
                       std::all_of(value.begin() + static_cast<std::ptrdiff_t>(lead + 1),
                                   value.begin() + static_cast<std::ptrdiff_t>(lead + length),
                                   [](char c) { return (c & 0xC0) == 0x80; });
    return whole && lead + length > kMaxValueLength ? lead : kMaxValueLength;
}

} // namespace

std::optional<std::string> ReadProfile(const std::string& path) {
    return ReadWholeFile(path);
}

std::string ValueOf(const ValueIndex& values, std::string_view section, std::string_view key) {
    std::string value = values.Find(section, key);
    value.resize(std::min(value.size(), value.find('\0')));
    if (value.size() > kMaxValueLength) {
        value.resize(CutPoint(value));
    }
    return value;
}

std::optional<std::string> WriteValues(const std::string& path, const std::vector<Entry>& entries) {
    auto text = ReadWholeFile(path);
    if (!text) {
        return std::nullopt;
    }
    for (const Entry& entry : entries) {
        if (!IsWritableName(entry.section, entry.key)) {
            return std::nullopt;
        }
        *text = SetValue(*text, entry.section, entry.key, OneLine(entry.value));
    }
    // What could not be read back is not written.
    if (text->size() > kMaxReadBytes || !ReplaceWholeFile(path, *text)) {
        return std::nullopt;
    }
    return text;
}

} // namespace profile
