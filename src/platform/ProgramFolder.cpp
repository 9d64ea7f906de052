#include "platform/ProgramFolder.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace platform {
namespace {

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

std::string ExecutableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path(error).string();
    }
    return exe.parent_path().string();
}

} // namespace

std::string ProgramFolder() {
    return WithOneSlash(Override().empty() ? ExecutableFolder() : Override());
}

void SetProgramFolder(const std::string& folder) {
    Override() = folder;
}

std::string ToFilePath(std::string path) {
    const std::string folder = ProgramFolder();
    const std::size_t stored = path.starts_with(folder) ? folder.size() : 0;
    std::replace(path.begin() + static_cast<std::ptrdiff_t>(stored), path.end(), '\\', '/');
    return path;
}

} // namespace platform
