#include "icons/layout_comparison.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvella {
namespace {

using Lines = std::vector<std::string>;

const std::string kRule(63, '-');

// A section as the report shows it.
Lines Section(const std::string& title, const Lines& names) {
    Lines lines = {"", kRule, title, kRule};
    lines.insert(lines.end(), names.begin(), names.end());
    return lines;
}

Lines Report(const std::string& first, const std::vector<Lines>& sections) {
    Lines lines = {first};
    for (const Lines& section : sections) lines.insert(lines.end(), section.begin(), section.end());
    return lines;
}

struct ComparisonCase {
    const char* name;
    Lines saved;
    Lines current;
    Lines report;
};

class CompareLayoutsTest : public ::testing::TestWithParam<ComparisonCase> {};

TEST_P(CompareLayoutsTest, ReportsEachIconInItsSection) {
    EXPECT_EQ(CompareLayouts(GetParam().saved, GetParam().current), GetParam().report);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CompareLayoutsTest,
    ::testing::Values(
        ComparisonCase{"Equal",
                       {"Корзина:20:20", "Мой компьютер:20:100"},
                       {"Корзина:20:20", "Мой компьютер:20:100"},
                       Report("Сохранено иконок: 2, текущее количество: 2",
                              {Section("Совпадений: 2", {"Корзина", "Мой компьютер"})})},
        ComparisonCase{"BothEmpty", {}, {}, {"Сохранено иконок: 0, текущее количество: 0"}},
        ComparisonCase{"OneMoved",
                       {"A:1:1", "B:2:2"},
                       {"A:1:1", "B:50:60"},
                       Report("Сохранено иконок: 2, текущее количество: 2",
                              {Section("Совпадений: 1", {"A"}), Section("Перемещены: 1", {"B"})})},
        ComparisonCase{"Renamed",
                       {"A:1:1"},
                       {"B:1:1"},
                       Report("Сохранено иконок: 1, текущее количество: 1",
                              {Section("Удалены: 1", {"A"}), Section("Новые: 1", {"B"})})},
        ComparisonCase{"NameEndingAnotherCountsAsMoved",
                       {"Word:1:1"},
                       {"MS Word:5:5"},
                       Report("Сохранено иконок: 1, текущее количество: 1",
                              {Section("Перемещены: 1", {"Word"}), Section("Новые: 1", {"MS Word"})})},
        ComparisonCase{"DuplicateSavedNames",
                       {"A:1:1", "A:9:9"},
                       {"A:1:1"},
                       Report("Сохранено иконок: 2, текущее количество: 1",
                              {Section("Совпадений: 1", {"A"}), Section("Перемещены: 1", {"A"})})},
        ComparisonCase{"LetterCaseChange",
                       {"Папка:1:1"},
                       {"ПАПКА:1:1"},
                       Report("Сохранено иконок: 1, текущее количество: 1",
                              {Section("Совпадений: 1", {"Папка"}), Section("Новые: 1", {"ПАПКА"})})},
        ComparisonCase{"NothingSaved",
                       {},
                       {"A:1:1", "B:2:2"},
                       Report("Сохранено иконок: 0, текущее количество: 2", {Section("Новые: 2", {"A", "B"})})},
        ComparisonCase{"CaptionWithColon",
                       {"Диск D: данные:10:10"},
                       {"Диск D: данные:40:10"},
                       Report("Сохранено иконок: 1, текущее количество: 1",
                              {Section("Перемещены: 1", {"Диск D: данные"})})},
        ComparisonCase{"NamesTrimmedAtTheSectionEnds",
                       {" A :1:1", "B :2:2"},
                       {},
                       Report("Сохранено иконок: 2, текущее количество: 0", {Section("Удалены: 2", {"A ", "B"})})}),
    [](const auto& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace orvella
