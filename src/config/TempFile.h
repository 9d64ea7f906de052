#pragma once

#include <optional>
#include <string>
#include <sys/types.h>

namespace profile {

// A new file beside a target, named "<target>.tmp<pid>.<n>", that becomes the
// target or is removed. It is created exclusively, so a name someone planted (a
// link to another file) is passed over for the next, never written through.
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
    bool RenameTo(const std::string& target);

    // Hard-linking refuses to replace a file that appeared meanwhile.
    bool LinkAsNew(const std::string& target);

    // The process that made the file named `name` as a temporary file of the one
    // named `target` (names without folders), or nothing when it is none of them.
    static std::optional<pid_t> Owner(const std::string& target, const std::string& name);

  private:
    bool Close();

    std::string path_;
    int fd_ = -1;
    bool created_ = false;
    bool kept_ = false;
};

} // namespace profile
