#pragma once

#include "config/ProfileText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Values of a profile file (sections in brackets, key=value lines), read and
// written the way the game's settings file has always been: a missing file,
// section or key reads "", and a write changes those values and nothing else.
namespace profile {

// At most kMaxValueLength bytes, as the fixed read buffer of old allowed.
inline constexpr std::size_t kMaxValueLength = 1023;

// The file's text, "" for a missing file; nothing for one that is there but cannot
// be read.
std::optional<std::string> ReadProfile(const std::string& path);

// One value of a file's text.
std::string ValueOf(const ValueIndex& values, std::string_view section, std::string_view key);

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

// Sets every value in one replacement of the file, so a crash leaves all of them
// old or all new. Returns the text now on disk, or nothing when the file was left
// as it was: unreadable, unwritable, a full disk, or a section or key name that
// could not be read back.
std::optional<std::string> WriteValues(const std::string& path, const std::vector<Entry>& entries);

} // namespace profile
