// Start, run modes and end of a run, seen from outside: which windows exist, the second-instance
// refusal, and what a normal run leaves in Orvella.ini.
#include <algorithm>

#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

constexpr char kAlreadyRunning[] = "Программа уже запущена! Запуск второй копии невозможен.";
constexpr char kSettingsTitle[] = "Orvella - Управление рабочим столом (x64)";

// Settings for change-mode runs that must not end or touch the desktop while a test looks at them.
const std::map<std::string, std::string> kQuietChangeMode = {{"pause", "120"}, {"AutoSaveIcon", "0"}};

bool HasWindowOf(const std::vector<TopWindow>& windows, const std::string& className, unsigned long pid) {
    return std::any_of(windows.begin(), windows.end(),
                       [&](const TopWindow& w) { return w.className == className && w.pid == pid; });
}

using Startup = OrvellaScenario;

TEST_F(Startup, NormalRunShowsTheSettingsWindowAndEndsWhenItCloses) {
    ChildProcess& program = StartOrvella();
    const auto settings = WaitWindow("TForm1");
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->title, kSettingsTitle);
    const std::vector<TopWindow> windows = Windows();
    for (const char* form : {"TForm2", "TForm3", "TForm4"})
        EXPECT_TRUE(HasWindowOf(windows, form, settings->pid)) << form;
    Screenshot("settings");

    ASSERT_TRUE(Close(*settings));
    ASSERT_EQ(program.WaitExit(kWindowTimeout), std::optional<int>(0));
    const IniSections ini = ReadIni();
    ASSERT_TRUE(ini.count("conf"));
    for (const char* key : {"left", "top", "pause", "colorbutton", "offchangestart", "offvisible", "onlist", "autoscan",
                            "autorun", "countautosave", "autosaveicon", "page", "showtime", "unic", "sizelimit",
                            "onsizelimit", "chkconf", "left2", "top2"})
        EXPECT_TRUE(ini.at("conf").count(key)) << key;
}

struct ModeCase {
    std::string name;
    std::vector<std::string> parameters;
};

class ChangeMode : public OrvellaScenario, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ChangeMode, AnyParameterGivesOnlyThePanelAndThePreview) {
    WriteIni(kQuietChangeMode);
    StartOrvella(GetParam().parameters);
    const auto panel = WaitWindow("TForm2");
    ASSERT_TRUE(panel);
    const std::vector<TopWindow> windows = Windows();
    EXPECT_TRUE(HasWindowOf(windows, "TForm4", panel->pid));
    EXPECT_FALSE(HasWindowOf(windows, "TForm1", panel->pid));
    EXPECT_FALSE(HasWindowOf(windows, "TForm3", panel->pid));
}

INSTANTIATE_TEST_SUITE_P(Parameters, ChangeMode,
                         ::testing::Values(ModeCase{"dash_change", {"-change"}}, ModeCase{"slash_x", {"/x"}},
                                           ModeCase{"two_words", {"one", "two"}}),
                         [](const auto& testCase) { return testCase.param.name; });

struct SecondStartCase {
    std::string name;
    std::vector<std::string> first;
    std::vector<std::string> second;
};

class SecondStart : public OrvellaScenario, public ::testing::WithParamInterface<SecondStartCase> {};

TEST_P(SecondStart, IsRefusedWhileTheFirstRunsOn) {
    WriteIni(kQuietChangeMode);
    ChildProcess& first = StartOrvella(GetParam().first);
    const auto firstWindow = WaitWindow(GetParam().first.empty() ? "TForm1" : "TForm2");
    ASSERT_TRUE(firstWindow);

    ChildProcess& second = StartOrvella(GetParam().second);
    const auto box = WaitMessageBox();
    ASSERT_TRUE(box);
    EXPECT_NE(box->pid, firstWindow->pid);
    EXPECT_EQ(box->title, "Orvella");
    EXPECT_EQ(box->text, kAlreadyRunning);
    EXPECT_EQ(box->buttons, std::vector<int>{1});
    Screenshot("refused");

    ASSERT_TRUE(PressButton(box->hwnd, 1));
    EXPECT_TRUE(second.WaitExit(kWindowTimeout));
    // The second start created no window of its own.
    for (const TopWindow& window : Windows())
        EXPECT_FALSE(window.className.rfind("TForm", 0) == 0 && window.pid != firstWindow->pid) << window.className;
    EXPECT_TRUE(first.Running());
    EXPECT_EQ(Windows(firstWindow->className).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Modes, SecondStart,
                         ::testing::Values(SecondStartCase{"normal_then_normal", {}, {}},
                                           SecondStartCase{"normal_then_change", {}, {"-change"}},
                                           SecondStartCase{"change_then_normal", {"-change"}, {}}),
                         [](const auto& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace orvella::e2e
