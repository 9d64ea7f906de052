#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

// The text side of Poker.ini: finding one value and replacing it inside the whole
// file, so a write disturbs no other byte. Names of sections and keys match
// without regard to case or surrounding blanks; only the first section of a name
// is ever used, and in it only the first key of a name, so a hand-edited file with
// repeats reads the same way every time. A line ends at CR LF, LF or a lone CR.
namespace profile {

// A section or key name as the file holds it: without surrounding blanks and tabs.
std::string_view TrimName(std::string_view name);

// Every value of a file's text, found in one pass, so a large file is not read
// again for each value asked for.
class ValueIndex {
  public:
    explicit ValueIndex(std::string_view text);

    // The value after the first '=' without surrounding blanks, or "" when the
    // section or key is missing.
    std::string Find(std::string_view section, std::string_view key) const;

  private:
    std::unordered_map<std::string, std::string> values_; // by "section\nkey", lower case
};

// The file text with the value set: replaced where it stands, or the key added
// after the last entry of its section, or the section added at the end. Lines
// added end in LF in a file whose lines end in LF, and in CR LF otherwise.
std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value);

} // namespace profile
