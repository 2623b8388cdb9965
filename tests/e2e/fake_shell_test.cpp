// The frame itself: the fake shell's windows and icons as the program will meet them, read through
// the driver. These run without Orvella.exe.
#include <filesystem>
#include <fstream>

#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

using FakeShell = WineScenario;

std::string WriteIconsFile(const std::string& folder, const std::string& lines) {
    const std::string path = folder + "/icons.txt";
    std::ofstream(path, std::ios::binary) << lines;
    return path;
}

std::vector<std::string> Classes(const std::vector<ChildWindow>& children) {
    std::vector<std::string> classes;
    for (const ChildWindow& child : children) classes.push_back(child.className);
    return classes;
}

TEST_F(FakeShell, PlacesIconsWithCyrillicCaptionsAndColonsWhereTheFileSays) {
    const std::string icons = WriteIconsFile(Root(),
                                             "Мой компьютер:40:30\r\n"
                                             "Локальный диск (C:):40:130\r\n"
                                             "Отчёт: 2024:300:30\r\n"
                                             "\r\n"
                                             "Корзина:300:130\r\n");
    const std::vector<ShellIcon> expected = {
        {"Мой компьютер", 40, 30}, {"Локальный диск (C:)", 40, 130}, {"Отчёт: 2024", 300, 30}, {"Корзина", 300, 130}};
    EXPECT_EQ(StartShell(icons), expected);
    // What the driver reads later is what the shell reported when ready.
    EXPECT_EQ(ShellIcons(), expected);
    Screenshot("desktop");
}

TEST_F(FakeShell, CaptionWithoutPositionIsArrangedByTheListView) {
    const std::string icons = WriteIconsFile(Root(), "Локальный диск (C:)\nКорзина:200:200\n");
    const std::vector<ShellIcon> placed = StartShell(icons);
    ASSERT_EQ(placed.size(), 2u);
    EXPECT_EQ(placed[0].caption, "Локальный диск (C:)");
    EXPECT_EQ(placed[1], (ShellIcon{"Корзина", 200, 200}));
}

TEST_F(FakeShell, DefaultDesktopHasADozenIcons) {
    const std::vector<ShellIcon> placed = StartShell();
    EXPECT_EQ(placed.size(), 12u);
    EXPECT_EQ(placed.front().caption, "Мой компьютер");
}

struct LayoutCase {
    std::string layout;
    std::vector<std::string> progmanChildren;  // classes below Progman, parents first
    std::vector<std::string> workerChildren;   // below a top-level WorkerW (none: no such window)
};

class FakeShellLayout : public WineScenario, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(FakeShellLayout, BuildsTheWindowTreeTheProgramSearches) {
    StartShell({}, GetParam().layout);
    const std::vector<TopWindow> progman = Windows("Progman");
    ASSERT_EQ(progman.size(), 1u) << "Wine itself must not bring a Progman window";
    EXPECT_EQ(progman[0].title, "Program Manager");
    EXPECT_EQ(Classes(Children(progman[0].hwnd)), GetParam().progmanChildren);

    const std::vector<TopWindow> workers = Windows("WorkerW");
    if (GetParam().workerChildren.empty()) {
        EXPECT_TRUE(workers.empty());
    } else {
        ASSERT_EQ(workers.size(), 1u);
        EXPECT_EQ(Classes(Children(workers[0].hwnd)), GetParam().workerChildren);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FakeShellLayout,
    ::testing::Values(LayoutCase{"progman", {"SHELLDLL_DefView", "SysListView32"}, {}},
                      LayoutCase{"workerw", {}, {"SHELLDLL_DefView", "SysListView32"}},
                      LayoutCase{"none", {}, {}}),
    [](const auto& testCase) { return testCase.param.layout; });

}  // namespace
}  // namespace orvella::e2e
