#pragma once

#include <optional>
#include <string>

// Poker.ini holds every coin the player owns, so no write may leave it half
// written: new content goes to a temporary file beside it, reaches the disk, and
// only then takes the old file's place by a rename. A crash, a kill or a full
// disk leaves the old file or the new one, whole.
namespace profile {

// The whole file as bytes, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);

// Replaces the file's content; false leaves the old file as it was. A file the
// player marked read-only keeps its content, as it would on any write.
bool ReplaceWholeFile(const std::string& path, const std::string& content);

// Writes the file only where none exists, so an existing one is never touched;
// false when nothing was created.
bool CreateWholeFile(const std::string& path, const std::string& content);

} // namespace profile
