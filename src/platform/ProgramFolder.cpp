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

std::string WithOneSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') {
        folder += '/';
    }
    return folder;
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

void SetProgramFolder(const std::string& folder) { Override() = folder; }

std::string ToFilePath(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

} // namespace platform
