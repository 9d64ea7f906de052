#include "config/ProfileText.h"

#include <algorithm>
#include <optional>
#include <unordered_set>
#include <vector>

namespace profile {
namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// One line of the file: [begin, bodyEnd) is its text, [bodyEnd, end) its ending.
struct Line {
    std::size_t begin;
    std::size_t bodyEnd;
    std::size_t end;
};

std::vector<Line> SplitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t pos = text.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    while (pos < text.size()) {
        const std::size_t bodyEnd = std::min(text.find_first_of("\r\n", pos), text.size());
        const bool crLf = text.substr(bodyEnd, 2) == "\r\n";
        const std::size_t end = std::min(bodyEnd + (crLf ? 2 : 1), text.size());
        lines.push_back({pos, bodyEnd, end});
        pos = end;
    }
    return lines;
}

std::string_view Trim(std::string_view s) {
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string LowerName(std::string_view name) {
    std::string lower(Trim(name));
    std::ranges::transform(lower, lower.begin(), Lower);
    return lower;
}

// No name holds a line break, so it keeps the two apart.
std::string IndexKey(std::string_view section, std::string_view key) {
    return LowerName(section) + '\n' + LowerName(key);
}

std::string_view Body(std::string_view text, const Line& line) {
    return text.substr(line.begin, line.bodyEnd - line.begin);
}

std::optional<std::string_view> SectionName(std::string_view body) {
    const std::string_view trimmed = Trim(body);
    const std::size_t close = trimmed.find(']');
    if (!trimmed.starts_with('[') || close == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(trimmed.substr(1, close - 1));
}

// Comments and lines without '=' carry no key.
std::optional<std::string_view> KeyName(std::string_view body) {
    const std::size_t equals = body.find('=');
    if (Trim(body).starts_with(';') || equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Trim(body.substr(0, equals));
}

// The lines of the first section of that name, header excluded, as indices.
struct SectionSpan {
    std::size_t header;
    std::size_t first;
    std::size_t last; // one past the final line
};

std::optional<SectionSpan> FindSection(std::string_view text, const std::vector<Line>& lines,
                                       std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(Body(text, lines[i]));
        if (!name || !SameName(*name, section)) {
            continue;
        }
        std::size_t j = i + 1;
        while (j < lines.size() && !SectionName(Body(text, lines[j]))) {
            ++j;
        }
        return SectionSpan{i, i + 1, j};
    }
    return std::nullopt;
}

std::optional<std::size_t> FindKey(std::string_view text, const std::vector<Line>& lines,
                                   const SectionSpan& span, std::string_view key) {
    for (std::size_t i = span.first; i < span.last; ++i) {
        const auto name = KeyName(Body(text, lines[i]));
        if (name && SameName(*name, key)) {
            return i;
        }
    }
    return std::nullopt;
}

// A file of LF lines keeps them; every other file gets the CR LF of the default
// file, also one whose lines end in a lone CR, which other programs might not
// read as line ends at all.
std::string_view LineEnding(std::string_view text, const std::vector<Line>& lines) {
    for (const Line& line : lines) {
        if (line.end > line.bodyEnd) {
            return text[line.bodyEnd] == '\n' ? "\n" : "\r\n";
        }
    }
    return "\r\n";
}

// Inserts whole lines at byte offset `at`; a last line without an ending gets one
// first, so the new text never runs on from it.
std::string InsertLines(std::string_view text, std::size_t at, std::string_view eol,
                        const std::string& newLines) {
    std::string result(text.substr(0, at));
    if (!result.empty() && result.back() != '\n' && result.back() != '\r' &&
        result != kByteOrderMark) {
        result += eol;
    }
    result += newLines;
    result += text.substr(at);
    return result;
}

std::string Entry(std::string_view key, std::string_view value, std::string_view eol) {
    return std::string(key) + "=" + std::string(value) + std::string(eol);
}

} // namespace

std::string_view TrimName(std::string_view name) {
    return Trim(name);
}

// Keys outside any section, and those of a repeated section, are never found.
ValueIndex::ValueIndex(std::string_view text) {
    std::unordered_set<std::string> sections;
    std::optional<std::string> current;
    for (const Line& line : SplitLines(text)) {
        const std::string_view body = Body(text, line);
        if (const auto section = SectionName(body)) {
            current = LowerName(*section);
            if (!sections.insert(*current).second) {
                current.reset();
            }
        } else if (const auto key = KeyName(body); key && current) {
            values_.try_emplace(*current + '\n' + LowerName(*key),
                                Trim(body.substr(body.find('=') + 1)));
        }
    }
}

std::string ValueIndex::Find(std::string_view section, std::string_view key) const {
    const auto found = values_.find(IndexKey(section, key));
    return found == values_.end() ? std::string() : found->second;
}

std::string SetValue(std::string_view text, std::string_view section, std::string_view key,
                     std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    const std::vector<Line> lines = SplitLines(text);
    const std::string_view eol = LineEnding(text, lines);
    const auto span = FindSection(text, lines, section);
    if (!span) {
        const std::string header = "[" + std::string(section) + "]" + std::string(eol);
        return InsertLines(text, text.size(), eol, header + Entry(key, value, eol));
    }
    if (const auto at = FindKey(text, lines, *span, key)) {
        const Line& line = lines[*at];
        const std::string_view body = Body(text, line);
        const std::size_t afterEquals = body.find('=') + 1;
        const std::size_t valueStart =
            line.begin + std::min(body.size(), body.find_first_not_of(kBlanks, afterEquals));
        return std::string(text.substr(0, valueStart)) + std::string(value) +
               std::string(text.substr(line.bodyEnd));
    }
    // After the section's last non-blank line, so blank lines that set the next
    // section apart stay where they are.
    std::size_t last = span->header;
    for (std::size_t i = span->first; i < span->last; ++i) {
        if (!Trim(Body(text, lines[i])).empty()) {
            last = i;
        }
    }
    return InsertLines(text, lines[last].end, eol, Entry(key, value, eol));
}

} // namespace profile
