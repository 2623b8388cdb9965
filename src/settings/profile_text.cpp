#include "settings/profile_text.h"

namespace orvella {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

struct Line {
    std::size_t begin = 0;
    std::size_t end = 0;   // end of the content, before the line break
    std::size_t next = 0;  // start of the following line
};

Line LineAt(std::string_view text, std::size_t begin) {
    Line line{begin, begin, begin};
    const std::size_t brk = text.find_first_of("\r\n", begin);
    if (brk == std::string_view::npos) {
        line.end = line.next = text.size();
    } else {
        line.end = brk;
        line.next = brk + (text.compare(brk, 2, kLineBreak) == 0 ? 2 : 1);
    }
    return line;
}

// The name of a section header line; a '[' without a closing ']' is no header.
std::optional<std::string_view> SectionName(std::string_view content) {
    content = Trim(content);
    if (content.empty() || content.front() != '[') return std::nullopt;
    const std::size_t close = content.rfind(']');
    if (close == std::string_view::npos) return std::nullopt;
    return Trim(content.substr(1, close - 1));
}

struct KeyLine {
    std::string_view name;
    std::size_t valueBegin = 0;  // offsets into the whole text
    std::size_t valueEnd = 0;
};

std::optional<KeyLine> ParseKeyLine(std::string_view text, const Line& line) {
    const std::string_view content = text.substr(line.begin, line.end - line.begin);
    const std::size_t eq = content.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view value = Trim(content.substr(eq + 1));
    const std::size_t valueBegin =
        value.empty() ? line.begin + eq + 1 : static_cast<std::size_t>(value.data() - text.data());
    return KeyLine{Trim(content.substr(0, eq)), valueBegin, valueBegin + value.size()};
}

struct Location {
    bool sectionFound = false;
    std::size_t lastLineEnd = 0;   // content end of the section's last non-blank line
    std::size_t lastLineNext = 0;  // and the start of the line after it
    std::optional<KeyLine> key;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location where;
    std::size_t pos = text.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0;
    bool inSection = false;
    while (pos < text.size()) {
        const Line line = LineAt(text, pos);
        pos = line.next;
        const std::string_view content = text.substr(line.begin, line.end - line.begin);
        if (const auto name = SectionName(content)) {
            if (inSection) break;
            inSection = SameName(*name, section);
            if (inSection) {
                where.sectionFound = true;
                where.lastLineEnd = line.end;
                where.lastLineNext = line.next;
            }
            continue;
        }
        if (!inSection || Trim(content).empty()) continue;
        where.lastLineEnd = line.end;
        where.lastLineNext = line.next;
        const auto parsed = ParseKeyLine(text, line);
        if (parsed && SameName(parsed->name, key)) {
            where.key = parsed;
            break;
        }
    }
    return where;
}

}  // namespace

std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key) {
    const Location where = Locate(text, section, key);
    if (!where.key) return std::nullopt;
    return text.substr(where.key->valueBegin, where.key->valueEnd - where.key->valueBegin);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value) {
    const Location where = Locate(text, section, key);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (where.key) {
        result.append(text.substr(0, where.key->valueBegin));
        result.append(value);
        result.append(text.substr(where.key->valueEnd));
        return result;
    }
    const std::string keyLine = std::string(key) + "=" + std::string(value) + std::string(kLineBreak);
    if (where.sectionFound) {
        result.append(text.substr(0, where.lastLineNext));
        if (where.lastLineNext == where.lastLineEnd) result.append(kLineBreak);  // last line had no break
        result.append(keyLine);
        result.append(text.substr(where.lastLineNext));
        return result;
    }
    result.append(text);
    const bool hasContent = !text.empty() && text != kUtf8Bom;
    if (hasContent && text.back() != '\r' && text.back() != '\n') result.append(kLineBreak);
    result.append("[").append(section).append("]").append(kLineBreak).append(keyLine);
    return result;
}

}  // namespace orvella
