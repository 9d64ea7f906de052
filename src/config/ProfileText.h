#pragma once

#include <string>
#include <string_view>

// The text side of Poker.ini: finding one value and replacing it inside the whole
// file, so a write disturbs no other byte. Names of sections and keys match
// without regard to case; only the first section of a name is ever used, and in
// it only the first key of a name, so a hand-edited file with repeats reads the
// same way every time.
namespace profile {

// The value after the first '=' without surrounding blanks, or "" when the
// section or key is missing.
std::string FindValue(std::string_view text, std::string_view section, std::string_view key);

// The file text with the value set: replaced where it stands, or the key added
// after the last entry of its section, or the section added at the end. Lines
// added take the file's own line ending (CR LF for a file that has none yet).
std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

} // namespace profile
