#pragma once

#include <string>

// One value of a profile file (sections in brackets, key=value lines), read and
// written the way the game's settings file has always been: a missing file,
// section or key reads "", and a write changes that one value and nothing else.
namespace profile {

// At most kMaxValueLength bytes, as the fixed read buffer of old allowed.
inline constexpr std::size_t kMaxValueLength = 1023;

std::string ReadString(const std::string& path, const std::string& section, const std::string& key);

// False when the file was left as it was: an unwritable file or folder, a full
// disk, or a section or key name that could not be read back.
bool WriteString(const std::string& path, const std::string& section, const std::string& key,
                 const std::string& value);

} // namespace profile
