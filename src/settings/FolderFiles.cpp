#include "settings/FolderFiles.h"

#include <algorithm>
#include <filesystem>

namespace settings {
namespace {

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

std::string Lowered(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(), Lower);
    return name;
}

// Names that differ only in case still keep one order every time.
bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::pair(Lowered(a), a) < std::pair(Lowered(b), b);
}

// "*.wav;*.mid" gives ".wav" and ".mid".
std::vector<std::string> Extensions(const std::string& pattern) {
    std::vector<std::string> extensions;
    std::size_t start = 0;
    while (start <= pattern.size()) {
        const std::size_t end = std::min(pattern.find(';', start), pattern.size());
        const std::string part = pattern.substr(start, end - start);
        extensions.push_back(part.starts_with('*') ? part.substr(1) : part);
        start = end + 1;
    }
    return extensions;
}

bool EndsWithIgnoringCase(const std::string& name, const std::string& end) {
    return name.size() >= end.size() &&
           std::equal(end.begin(), end.end(), name.end() - static_cast<std::ptrdiff_t>(end.size()),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

bool Matches(const std::string& name, const std::vector<std::string>& extensions) {
    return std::any_of(extensions.begin(), extensions.end(), [&](const std::string& extension) {
        return EndsWithIgnoringCase(name, extension);
    });
}

} // namespace

std::vector<std::string> FolderFiles(const std::string& folder, const std::string& pattern) {
    const std::vector<std::string> extensions = Extensions(pattern);
    std::vector<std::string> names;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        std::error_code typeError;
        if (!name.starts_with('.') && it->is_regular_file(typeError) && Matches(name, extensions)) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end(), LessIgnoringCase);
    return names;
}

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && EndsWithIgnoringCase(a, b);
}

bool CanStoreFileName(const std::string& name) {
    return name.find_first_of("\r\n\\") == std::string::npos;
}

} // namespace settings
