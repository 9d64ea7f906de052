#pragma once

#include <cstdio>
#include <filesystem>
#include <string>

// The game finds its card pictures and sounds beside the program, as installed;
// a benchmark lays the built ones into its own program folder. False when they
// are not there: a start without pictures measures something else.
inline bool CopyAssets(const std::string& folder) {
    namespace fs = std::filesystem;
    for (const char* assets : {"card", "sound"}) {
        const fs::path from = fs::path(VESK_ASSET_DIR) / assets;
        std::error_code error;
        fs::copy(from, fs::path(folder) / assets, fs::copy_options::recursive, error);
        if (error || fs::is_empty(from, error)) {
            std::fprintf(stderr, "no %s files in %s: build every target first\n", assets,
                         VESK_ASSET_DIR);
            return false;
        }
    }
    return true;
}
