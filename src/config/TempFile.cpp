#include "config/TempFile.h"

#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace profile {
namespace {

constexpr int kNameAttempts = 100;

std::string NextName(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return target + ".tmp" + std::to_string(::getpid()) + "." + std::to_string(counter++);
}

// Reads a run of decimal digits at the front of `text` and drops it.
template <typename T> std::optional<T> TakeNumber(std::string_view& text) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data() || text.front() == '-') {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

} // namespace

TempFile::TempFile(const std::string& target) {
    for (int attempt = 0; attempt < kNameAttempts && fd_ < 0; ++attempt) {
        path_ = NextName(target);
        fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) {
            break;
        }
    }
    created_ = fd_ >= 0;
}

TempFile::~TempFile() {
    Close();
    if (created_ && !kept_) {
        ::unlink(path_.c_str());
    }
}

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
    return ::fsync(fd_) == 0 && Close();
}

bool TempFile::KeepMode(mode_t mode) {
    return fd_ >= 0 && ::fchmod(fd_, mode) == 0;
}

bool TempFile::RenameTo(const std::string& target) {
    kept_ = std::rename(path_.c_str(), target.c_str()) == 0;
    return kept_;
}

bool TempFile::LinkAsNew(const std::string& target) {
    return ::link(path_.c_str(), target.c_str()) == 0;
}

std::optional<pid_t> TempFile::Owner(const std::string& target, const std::string& name) {
    const std::string prefix = target + ".tmp";
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    std::string_view rest(name);
    rest.remove_prefix(prefix.size());
    const auto pid = TakeNumber<pid_t>(rest);
    if (!pid || !rest.starts_with('.')) {
        return std::nullopt;
    }
    rest.remove_prefix(1);
    return TakeNumber<unsigned>(rest) && rest.empty() ? pid : std::nullopt;
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
