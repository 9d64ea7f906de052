#include "config/ShippedAssets.h"

#include <filesystem>
#include <system_error>

namespace basIniProc {
namespace {

namespace fs = std::filesystem;

// A dangling link that named a file of its own name was made by an earlier start
// of the game from another place; any other link is the player's.
bool IsOursDangling(const fs::path& link) {
    std::error_code error;
    return fs::is_symlink(link, error) && !fs::exists(link, error) &&
           fs::read_symlink(link, error).filename() == link.filename();
}

void LinkFolder(const fs::path& shipped, const fs::path& player) {
    std::error_code error;
    if (!fs::is_directory(player, error)) {
        return;
    }
    for (fs::directory_iterator it(shipped, error), end; !error && it != end; it.increment(error)) {
        std::error_code fileError;
        if (!it->is_regular_file(fileError)) {
            continue;
        }
        const fs::path link = player / it->path().filename();
        if (IsOursDangling(link)) {
            fs::remove(link, fileError);
        }
        if (!fs::exists(fs::symlink_status(link, fileError))) {
            fs::create_symlink(it->path(), link, fileError);
        }
    }
}

} // namespace

void LinkShippedAssets(const std::string& gameFolder, const std::string& shippedFolder) {
    std::error_code error;
    if (shippedFolder.empty() || fs::equivalent(gameFolder, shippedFolder, error)) {
        return;
    }
    for (const char* assets : {"card", "sound"}) {
        LinkFolder(fs::path(shippedFolder) / assets, fs::path(gameFolder) / assets);
    }
}

} // namespace basIniProc
