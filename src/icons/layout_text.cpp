#include "icons/layout_text.h"

#include <charconv>

namespace orvella {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

bool IsBlankOrControl(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::optional<std::int32_t> ParseDecimal(std::string_view text) {
    std::int32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

}  // namespace

std::string JoinLines(std::string_view text, std::string_view separator) {
    std::string joined;
    joined.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t at = text.find(kLineBreak); at != std::string_view::npos; at = text.find(kLineBreak, from)) {
        joined.append(text.substr(from, at - from)).append(separator);
        from = at + kLineBreak.size();
    }
    return joined.append(text.substr(from));
}

std::string SplitLines(std::string_view text, char separator) {
    std::string split;
    split.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        if (c == separator) {
            split.append(kLineBreak);
        } else {
            split.push_back(c);
        }
    }
    return split;
}

std::string GetPart(std::string_view text, char separator, int n) {
    std::string_view rest = text;
    for (;;) {
        const std::size_t at = rest.find(separator);
        if (at == std::string_view::npos) return std::string(rest);
        if (--n <= 0) return std::string(rest.substr(0, at));
        rest.remove_prefix(at + 1);
    }
}

int CountParts(std::string_view text, std::string_view separator) {
    if (TrimBlanks(text).empty()) return 0;
    int count = 1;
    for (std::size_t at = text.find(separator); at != std::string_view::npos; at = text.find(separator, at + 1)) {
        ++count;
    }
    return count;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlankOrControl(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlankOrControl(text.back())) text.remove_suffix(1);
    return text;
}

std::vector<std::string> LinesOfText(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        const std::size_t at = text.find_first_of("\r\n");
        lines.emplace_back(text.substr(0, at));
        if (at == std::string_view::npos) break;
        const bool pair = text.compare(at, kLineBreak.size(), kLineBreak) == 0;
        text.remove_prefix(at + (pair ? 2 : 1));
    }
    return lines;
}

std::string TextOfLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + kLineBreak.size();
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) text.append(line).append(kLineBreak);
    return text;
}

std::string LayoutLine(const IconPosition& icon) {
    return icon.caption + kLayoutPartSeparator + std::to_string(icon.x) + kLayoutPartSeparator +
           std::to_string(icon.y);
}

std::optional<IconPosition> ParseLayoutLine(std::string_view line) {
    const std::size_t last = line.rfind(kLayoutPartSeparator);
    if (last == std::string_view::npos || last == 0) return std::nullopt;
    const std::size_t middle = line.rfind(kLayoutPartSeparator, last - 1);
    if (middle == std::string_view::npos) return std::nullopt;
    const auto x = ParseDecimal(line.substr(middle + 1, last - middle - 1));
    const auto y = ParseDecimal(line.substr(last + 1));
    if (!x || !y) return std::nullopt;
    return IconPosition{std::string(line.substr(0, middle)), *x, *y};
}

std::string LayoutText(const std::vector<std::string>& lines) {
    return JoinLines(TextOfLines(lines), std::string_view(&kLayoutLineSeparator, 1));
}

std::vector<std::string> LayoutLines(std::string_view layoutText) {
    return LinesOfText(SplitLines(layoutText, kLayoutLineSeparator));
}

}  // namespace orvella
