#pragma once

#include <filesystem>
#include <string>

// The game finds its card pictures and sounds beside the program, as installed;
// a benchmark lays the built ones into its own program folder.
inline void CopyAssets(const std::string& folder) {
    namespace fs = std::filesystem;
    for (const char* assets : {"card", "sound"}) {
        const fs::path from = fs::path(VESK_ASSET_DIR) / assets;
        std::error_code error;
        if (fs::is_directory(from, error)) {
            fs::copy(from, fs::path(folder) / assets, fs::copy_options::recursive, error);
        }
    }
}
