#include "config/TempFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

constexpr int kNameAttempts = 100;

std::string NextName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter++);
}

// Drops a run of decimal digits at the front of `text` that fits a T; false when
// there is none.
template <typename T> bool TakeNumber(std::string_view& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || text.front() == '-') {
        return false;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return true;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether the open file is still the one linked at `path`: a cleaner that took
// the lock before its writer did may have removed it meanwhile.
bool StillAt(int fd, const std::string& path) {
    struct stat open {};
    struct stat named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(open, named);
}

// A rename or a new link lives in the folder's own data, which the file's flush
// does not reach. A file system that cannot flush a folder says so with EINVAL;
// there the rename is as durable as it gets.
bool SyncFolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "."
                               : slash == 0               ? "/"
                                                          : path.substr(0, slash);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

} // namespace

TempFile::TempFile(const std::string& target) {
    for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
        path_ = NextName(target);
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            break;
        }
        // Where the file system has no locks the file is written all the same; no
        // cleaner can then take it for abandoned, as none gets its lock either.
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) == 0 && !StillAt(fd_, path_)) {
            Close();
        }
    }
    created_ = fd_ >= 0;
}

TempFile::~TempFile() {
    if (created_ && !kept_) {
        ::unlink(path_.c_str());
    }
    Close();
}

// The file stays open, and so locked, until it has taken the target's place.
bool TempFile::Write(const std::string& content) {
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
    return ::fsync(fd_) == 0;
}

bool TempFile::KeepMode(mode_t mode) {
    return fd_ >= 0 && ::fchmod(fd_, mode) == 0;
}

bool TempFile::RenameTo(const std::string& target) {
    kept_ = std::rename(path_.c_str(), target.c_str()) == 0;
    return kept_ && Close() && SyncFolderOf(target);
}

bool TempFile::LinkAsNew(const std::string& target) {
    return ::link(path_.c_str(), target.c_str()) == 0 && SyncFolderOf(target);
}

bool TempFile::IsTemporaryOf(const std::string& target, const std::string& name) {
    const std::string prefix = target + ".tmp";
    if (!name.starts_with(prefix)) {
        return false;
    }
    std::string_view rest(name);
    rest.remove_prefix(prefix.size());
    if (!TakeNumber<pid_t>(rest) || !rest.starts_with('.')) {
        return false;
    }
    rest.remove_prefix(1);
    return TakeNumber<unsigned>(rest) && rest.empty();
}

// Only an ordinary file, and only while holding its lock, so a writer that is
// still at work keeps its file.
void TempFile::RemoveIfAbandoned(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        return;
    }
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && ::flock(fd, LOCK_EX | LOCK_NB) == 0 &&
        StillAt(fd, path)) {
        ::unlink(path.c_str());
    }
    ::close(fd);
}

bool TempFile::Close() {
    if (fd_ < 0) {
        return true;
    }
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    return closed;
}

} // namespace profile
