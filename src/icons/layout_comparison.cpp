#include "icons/layout_comparison.h"

#include <string>
#include <unordered_set>

#include "icons/layout_text.h"
#include "settings/text_order.h"

namespace orvella {
namespace {

const std::string kRule(63, '-');

// A line in one letter case, so that lines equal without regard to case meet in a hash set.
std::u32string Folded(std::string_view line) {
    std::u32string folded;
    for (std::size_t i = 0; i < line.size();) folded.push_back(NextFoldedCodePoint(line, i));
    return folded;
}

// A section's names, as a list text trimmed at both ends.
class NameList {
public:
    void Add(const std::string& name) { text_ += name + "\r\n"; }
    bool Empty() const { return text_.empty(); }
    std::string Trimmed() const { return std::string(TrimBlanks(text_)); }

private:
    std::string text_;
};

void AddSection(std::vector<std::string>& report, const std::string& title, int count, const std::string& names) {
    report.emplace_back();
    report.push_back(kRule);
    report.push_back(title + std::to_string(count));
    report.push_back(kRule);
    for (std::string& line : LinesOfText(names)) report.push_back(std::move(line));
}

void AddNamedSection(std::vector<std::string>& report, const std::string& title, const NameList& names) {
    if (names.Empty()) return;
    const std::string trimmed = names.Trimmed();
    AddSection(report, title, CountParts(trimmed, "\r\n"), trimmed);
}

}  // namespace

std::string LayoutName(std::string_view line) {
    if (const auto icon = ParseLayoutLine(line)) return icon->caption;
    return GetPart(line, kLayoutPartSeparator, 1);
}

std::vector<std::string> CompareLayouts(const std::vector<std::string>& saved, const std::vector<std::string>& current) {
    const std::string savedText = TextOfLines(saved);
    const std::string currentText = TextOfLines(current);
    std::unordered_set<std::u32string> currentLines;
    for (const std::string& line : current) currentLines.insert(Folded(line));

    std::vector<std::string> report = {"Сохранено иконок: " + std::to_string(saved.size()) +
                                       ", текущее количество: " + std::to_string(current.size())};
    int matchedCount = 0;
    NameList matched, deleted, moved, added;
    for (const std::string& line : saved) {
        const std::string name = LayoutName(line);
        if (currentLines.contains(Folded(line))) {
            ++matchedCount;
            matched.Add(name);
        } else if (currentText.find(name + ":") != std::string::npos) {
            // A plain search: a saved "Word" is found inside a current "MS Word:".
            moved.Add(name);
        } else {
            deleted.Add(name);
        }
    }
    if (matchedCount > 0) AddSection(report, "Совпадений: ", matchedCount, matched.Trimmed());
    AddNamedSection(report, "Удалены: ", deleted);
    AddNamedSection(report, "Перемещены: ", moved);
    for (const std::string& line : current) {
        const std::string name = LayoutName(line);
        if (savedText.find(name + ":") == std::string::npos) added.Add(name);
    }
    AddNamedSection(report, "Новые: ", added);
    return report;
}

}  // namespace orvella
