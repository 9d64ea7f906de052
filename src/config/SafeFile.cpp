#include "config/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

// Closes the descriptor and removes the temporary file unless it was handed on;
// a name that could not be created exclusively belongs to someone else and stays.
class TempFile {
  public:
    explicit TempFile(const std::string& target) : path_(UniqueName(target)) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        created_ = fd_ >= 0;
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        Close();
        if (created_ && !kept_) {
            ::unlink(path_.c_str());
        }
    }

    // Every byte written and flushed to the disk, or false.
    bool Write(const std::string& content) {
        if (fd_ < 0) {
            return false;
        }
        std::size_t done = 0;
        while (done < content.size()) {
            const ssize_t n = ::write(fd_, content.data() + done, content.size() - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                return false;
            }
            done += static_cast<std::size_t>(n);
        }
        return ::fsync(fd_) == 0 && Close();
    }

    bool KeepMode(mode_t mode) { return fd_ >= 0 && ::fchmod(fd_, mode) == 0; }

    bool RenameTo(const std::string& target) {
        kept_ = std::rename(path_.c_str(), target.c_str()) == 0;
        return kept_;
    }

    // Hard-linking refuses to replace a file that appeared meanwhile.
    bool LinkAsNew(const std::string& target) { return ::link(path_.c_str(), target.c_str()) == 0; }

  private:
    static std::string UniqueName(const std::string& target) {
        static std::atomic<unsigned> counter{0};
        return target + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter++);
    }

    bool Close() {
        if (fd_ < 0) {
            return true;
        }
        const bool closed = ::close(fd_) == 0;
        fd_ = -1;
        return closed;
    }

    std::string path_;
    int fd_ = -1;
    bool created_ = false;
    bool kept_ = false;
};

// A link is replaced by a file of its own unless the write goes to its target.
std::string ResolvedPath(const std::string& path) {
    std::error_code error;
    const auto target = std::filesystem::canonical(path, error);
    return error ? path : target.string();
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string content;
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        content.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return content;
}

bool ReplaceWholeFile(const std::string& path, const std::string& content) {
    const std::string target = ResolvedPath(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return false;
    }
    TempFile temp(target);
    if (exists && !temp.KeepMode(old.st_mode & 07777)) {
        return false;
    }
    return temp.Write(content) && temp.RenameTo(target);
}

bool CreateWholeFile(const std::string& path, const std::string& content) {
    TempFile temp(path);
    if (!temp.Write(content)) {
        return false;
    }
    if (temp.LinkAsNew(path)) {
        return true;
    }
    // Some file systems have no hard links; there a rename stands in, still only
    // while no file of that name exists.
    std::error_code error;
    return errno != EEXIST &&
           !std::filesystem::exists(std::filesystem::symlink_status(path, error)) &&
           temp.RenameTo(path);
}

} // namespace profile
