#pragma once

#include <string>
#include <vector>

// What the dialog's file lists show and what it may store of a file name.
namespace settings {

// The names of the ordinary files in the folder that match a pattern such as
// "*.wav;*.mid" (extensions in any letter case), sorted by name without regard to
// case as a file list shows them. Hidden files are left out; a folder that is
// missing or cannot be read lists nothing.
std::vector<std::string> FolderFiles(const std::string& folder, const std::string& pattern);

// Whether "\" + name can be stored in Poker.ini and names this file again when the
// game opens it: a line break would end the value early, and a backslash would be
// taken for a folder separator. (A listed name ends in its extension, so no blank
// at its end can be trimmed away when it is read.)
bool CanStoreFileName(const std::string& name);

// Whether two names are the same bytes once ASCII letters are folded: the case a
// hand-edited Poker.ini may differ in, and nothing that a lossy decoding of other
// bytes could make look alike.
bool SameIgnoringAsciiCase(const std::string& a, const std::string& b);

} // namespace settings
