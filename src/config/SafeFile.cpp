#include "config/SafeFile.h"

#include "config/TempFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

namespace fs = std::filesystem;

// Closes a descriptor when it goes out of scope.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }

  private:
    int fd_;
};

// Every byte at the given offset, or false.
bool WriteAllAt(int fd, const std::string& content, off_t offset) {
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::pwrite(fd, content.data() + done, content.size() - done,
                                   offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Where no temporary file can be made beside it (a folder the player may not
// write to), the file is rewritten where it stands. Its new room is claimed
// first, so a full disk fails before a byte changes; only a crash in the middle
// of the write can still leave it torn.
bool RewriteInPlace(const std::string& target, const std::string& content) {
    const Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    const auto size = static_cast<off_t>(content.size());
    if (size > info.st_size &&
        ::posix_fallocate(file.get(), info.st_size, size - info.st_size) != 0) {
        return false;
    }
    return WriteAllAt(file.get(), content, 0) && ::ftruncate(file.get(), size) == 0 &&
           ::fsync(file.get()) == 0;
}

// Where a write to the path lands: the file at the end of its chain of links,
// even when that file does not exist yet.
std::string FollowLinks(std::string path) {
    constexpr int kMostLinks = 40;
    for (int hop = 0; hop < kMostLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(path, error))) {
            break;
        }
        const fs::path target = fs::read_symlink(path, error);
        if (error) {
            break;
        }
        path = target.is_absolute() ? target.string()
                                    : (fs::path(path).parent_path() / target).string();
    }
    return path;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path, std::size_t limit) {
    // Non-blocking, so that opening a pipe does not wait for a writer.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        return errno == ENOENT ? std::make_optional<std::string>() : std::nullopt;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::string content;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 || content.size() + static_cast<std::size_t>(n) > limit) {
            return std::nullopt;
        }
        if (n == 0) {
            return content;
        }
        content.append(chunk, static_cast<std::size_t>(n));
    }
}

bool ReplaceWholeFile(const std::string& path, const std::string& content) {
    const std::string target = FollowLinks(path);
    RemoveStaleTemporaries(target);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && ::access(target.c_str(), W_OK) != 0) {
        return false;
    }
    TempFile temp(target);
    if (!temp.Created()) {
        return exists && RewriteInPlace(target, content);
    }
    if (exists && !temp.KeepMode(old.st_mode & 07777)) {
        return false;
    }
    return temp.Write(content) && temp.RenameTo(target);
}

bool CreateWholeFile(const std::string& path, const std::string& content) {
    const std::string target = FollowLinks(path);
    std::error_code error;
    if (fs::exists(fs::symlink_status(target, error))) {
        return false;
    }
    TempFile temp(target);
    if (!temp.Write(content)) {
        return false;
    }
    if (temp.LinkAsNew(target)) {
        return true;
    }
    // Some file systems have no hard links; there a rename stands in, still only
    // while no file of that name exists.
    return errno != EEXIST && !fs::exists(fs::symlink_status(target, error)) &&
           temp.RenameTo(target);
}

void RemoveStaleTemporaries(const std::string& path) {
    const fs::path target = FollowLinks(path);
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (TempFile::IsTemporaryOf(target.filename(), it->path().filename())) {
            TempFile::RemoveIfAbandoned(it->path());
        }
    }
}

} // namespace profile
