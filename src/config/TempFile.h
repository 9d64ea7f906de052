#pragma once

#include <string>
#include <sys/types.h>

namespace profile {

// A new file beside a target, named "<target>.tmp<pid>.<n>", that becomes the
// target or is removed. It is created exclusively, so a name someone planted (a
// link to another file) is passed over for the next, never written through. Its
// writer holds a lock on it from creation to rename: the lock, not the process id
// in the name (which a later process may reuse), tells a save under way from one
// that a kill cut off.
class TempFile {
  public:
    explicit TempFile(const std::string& target);
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile();

    bool Created() const { return created_; }

    // Every byte written and flushed to the disk, or false.
    bool Write(const std::string& content);
    bool KeepMode(mode_t mode);

    // The rename, and the folder flushed after it: until then a power loss may
    // bring the old file back after the save was reported done.
    bool RenameTo(const std::string& target);

    // Hard-linking refuses to replace a file that appeared meanwhile.
    bool LinkAsNew(const std::string& target);

    // Whether `name` is the name of a temporary file of the one named `target`
    // (names without folders).
    static bool IsTemporaryOf(const std::string& target, const std::string& name);

    // Removes the temporary file at `path` unless a writer still holds it.
    static void RemoveIfAbandoned(const std::string& path);

  private:
    bool Close();

    std::string path_;
    int fd_ = -1;
    bool created_ = false;
    bool kept_ = false;
};

} // namespace profile
