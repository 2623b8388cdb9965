#include "fakeshell/icons_file.h"

#include <charconv>
#include <optional>

#include "common/utf8.h"

namespace fakeshell {
namespace {

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    if (text.empty()) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

IconSpec ParseLine(std::string_view line) {
    IconSpec spec;
    const size_t last = line.rfind(':');
    if (last != std::string_view::npos && last > 0) {
        const size_t middle = line.rfind(':', last - 1);
        if (middle != std::string_view::npos) {
            const auto x = ParseInt(line.substr(middle + 1, last - middle - 1));
            const auto y = ParseInt(line.substr(last + 1));
            if (x && y) {
                spec.caption = orvtools::Widen(line.substr(0, middle));
                spec.placed = true;
                spec.x = *x;
                spec.y = *y;
                return spec;
            }
        }
    }
    spec.caption = orvtools::Widen(line);
    return spec;
}

}  // namespace

std::vector<IconSpec> ParseIconsFile(std::string_view utf8) {
    if (utf8.substr(0, 3) == "\xEF\xBB\xBF") utf8.remove_prefix(3);
    std::vector<IconSpec> icons;
    while (!utf8.empty()) {
        const size_t end = utf8.find('\n');
        std::string_view line = utf8.substr(0, end);
        utf8 = end == std::string_view::npos ? std::string_view() : utf8.substr(end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
        icons.push_back(ParseLine(line));
    }
    return icons;
}

std::vector<IconSpec> DefaultIcons() {
    return ParseIconsFile(
        "Мой компьютер:20:10\n"
        "Корзина:20:90\n"
        "Документы:20:170\n"
        "Локальный диск (C:):20:250\n"
        "Сетевое окружение:20:330\n"
        "Internet Explorer:20:410\n"
        "Фотографии 2024:110:10\n"
        "Отчёт за квартал.xlsx:110:90\n"
        "Калькулятор:110:170\n"
        "Notepad++:110:250\n"
        "Сменить обои:110:330\n"
        "readme.txt:110:410\n");
}

}  // namespace fakeshell
