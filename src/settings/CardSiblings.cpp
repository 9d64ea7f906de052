#include "settings/CardSiblings.h"

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
    std::string suit;
    for (const char* candidate : {"C_", "H_", "D_", "S_"}) {
        if (key.find(candidate) != std::string::npos) {
            suit = candidate;
        }
    }
    return suit;
}

} // namespace settings
