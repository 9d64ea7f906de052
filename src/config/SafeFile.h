#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Poker.ini holds every coin the player owns, and the play log their history, so
// no write may leave either half written: new content goes to a temporary file
// beside it, reaches the disk, and only then takes the old file's place by a
// rename. A crash, a kill or a full disk leaves the old file or the new one, whole.
namespace profile {

// Far above any file the game writes, far below what would stall or exhaust the
// machine: a larger file is treated as one that cannot be read.
inline constexpr std::size_t kMaxReadBytes = 4 * 1024 * 1024;

// The whole file as bytes; a missing file reads as empty. Nothing when it is there
// but cannot be read: no ordinary file (a folder, a pipe, a device), no
// permission, or longer than the limit.
std::optional<std::string> ReadWholeFile(const std::string& path,
                                         std::size_t limit = kMaxReadBytes);

// Replaces the file's content; false leaves the old file as it was. A file the
// player marked read-only keeps its content, as it would on any write. A link is
// written through to its target, even one that does not exist yet.
bool ReplaceWholeFile(const std::string& path, const std::string& content);

// Writes the file only where none exists (at a link's target, for a link that
// points nowhere yet), so an existing one is never touched; false when nothing
// was created.
bool CreateWholeFile(const std::string& path, const std::string& content);

// Removes the temporary files that a save of this file left behind when its
// process was killed; those of a save still under way are left to it.
void RemoveStaleTemporaries(const std::string& path);

} // namespace profile
