#include "platform/ProgramFolder.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace platform {
namespace {

namespace fs = std::filesystem;

std::string& Override() {
    static std::string folder;
    return folder;
}

// Exactly one separator at the end, also for a folder given as "dir//"; the root
// stays "/".
std::string WithOneSlash(std::string folder) {
    while (!folder.empty() && folder.back() == '/') {
        folder.pop_back();
    }
    return folder + '/';
}

std::string DataFolderOf(const std::string& programFolder) {
    return WithOneSlash(programFolder + VESK_DATA_FROM_PROGRAM);
}

// An installed program's folder (/usr/games) is shared by every player, root
// included, who could write there: it never holds one player's coins.
bool IsInstalled(const std::string& programFolder) {
    std::error_code error;
    return !std::string_view(VESK_DATA_FROM_PROGRAM).empty() &&
           fs::is_directory(DataFolderOf(programFolder), error);
}

// Tried, not asked: access() says yes to root everywhere, even on a read-only
// mount, and says nothing of a full or foreign file system.
bool CanWriteIn(const std::string& folder) {
    const std::string probe =
        WithOneSlash(folder) + ".vesk-poker-probe-" + std::to_string(getpid());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The XDG base directory rules: a relative XDG_DATA_HOME is ignored.
fs::path PlayersDataHome() {
    const std::string xdg = Variable("XDG_DATA_HOME");
    if (!xdg.empty() && xdg.front() == '/') {
        return xdg;
    }
    std::string home = Variable("HOME");
    if (home.empty()) {
        const passwd* user = ::getpwuid(::getuid());
        home = user && user->pw_dir ? user->pw_dir : "/";
    }
    return fs::path(home) / ".local" / "share";
}

} // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const auto exe = fs::read_symlink("/proc/self/exe", error);
    return WithOneSlash(error ? fs::current_path(error).string() : exe.parent_path().string());
}

std::string GameFolderFor(const std::string& programFolder) {
    if (!IsInstalled(programFolder) && CanWriteIn(programFolder)) {
        return WithOneSlash(programFolder);
    }
    const fs::path folder = PlayersDataHome() / "vesk-poker";
    std::error_code error;
    fs::create_directories(folder, error);
    return WithOneSlash(folder.string());
}

std::string ProgramFolder() {
    if (!Override().empty()) {
        return WithOneSlash(Override());
    }
    static const std::string folder = GameFolderFor(ExecutableFolder());
    return folder;
}

void SetProgramFolder(const std::string& folder) {
    Override() = folder;
}

std::string ShippedDataFolder() {
    return Override().empty() ? DataFolderOf(ExecutableFolder()) : "";
}

std::string ToFilePath(std::string path) {
    const std::string folder = ProgramFolder();
    const std::size_t stored = path.starts_with(folder) ? folder.size() : 0;
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(stored), path.end(), '\\', '/');
    return path;
}

} // namespace platform
