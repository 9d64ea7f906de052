#include "settings/CardSiblings.h"

#include <algorithm>

namespace settings {

std::optional<std::string> SiblingName(const std::string& file, int n) {
    const std::size_t dot = file.find('.');
    const std::size_t underscore = file.find('_');
    if (dot == std::string::npos || underscore == std::string::npos) {
        return std::nullopt;
    }
    return file.substr(0, underscore + 1) + std::to_string(n) + file.substr(dot);
}

std::string SuitKey(const std::string& key) {
    std::string upper = key;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    std::string suit;
    for (const char* candidate : {"C_", "H_", "D_", "S_"}) {
        if (upper.find(candidate) != std::string::npos) {
            suit = candidate;
        }
    }
    return suit;
}

} // namespace settings
