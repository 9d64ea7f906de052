#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Whole files as bytes, and odd things where a file should be.
namespace testsupport {

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline QStringList FileNames(const QTemporaryDir& dir) {
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

// No ordinary file of a sane size at `path`: a "folder", a "pipe" without a writer,
// a "device" without end, or an "over-size" (sparse) file beyond any of the game's limits.
inline void MakeHostile(const std::string& path, const QString& kind) {
    if (kind == "folder") {
        std::filesystem::create_directory(path);
    } else if (kind == "pipe") {
        mkfifo(path.c_str(), 0666);
    } else if (kind == "device") {
        std::filesystem::create_symlink("/dev/zero", path);
    } else {
        WriteBytes(path, "");
        std::filesystem::resize_file(path, 65 * 1024 * 1024);
    }
}

// What fn writes to standard error.
inline std::string StandardErrorOf(const std::function<void()>& fn) {
    std::fflush(stderr);
    char name[] = "/tmp/vesk-stderr-XXXXXX";
    const int file = mkstemp(name);
    const int saved = dup(2);
    dup2(file, 2);
    fn();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    close(file);
    const std::string text = ReadBytes(name);
    unlink(name);
    return text;
}

// Runs fn with any file written capped at `bytes`, the way a full disk stops a write.
inline bool WithFileSizeLimit(rlim_t bytes, const std::function<bool()>& fn) {
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = bytes;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    const bool result = fn();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
    return result;
}

// Runs fn where permission bits bind: as root, in a child that becomes "nobody".
inline bool AsOrdinaryUser(const std::function<bool()>& fn) {
    if (geteuid() != 0) {
        return fn();
    }
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        _exit(setgid(kNobody) == 0 && setuid(kNobody) == 0 && fn() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace testsupport
