#include "core/program.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/run_mode.h"
#include "fakes/fake_platform_services.h"
#include "fakes/temp_dir.h"
#include "pictures/change_panel.h"
#include "settings/settings_window.h"
#include "ui/headless_application.h"

namespace orvella {
namespace {

constexpr const char* kFilesMissing = "Не найдены необходимые файлы! Переустановите программу.";

class ProgramTest : public ::testing::Test {
protected:
    ProgramTest() {
        system.executablePath = dir.File("Orvella.exe");
        dir.Write("db.spb", "");
        fakes.desktopList.items = {{"Recycle Bin", 20, 20}};
    }

    std::string Ini() const { return codec.FromAnsi(dir.Read("Orvella.ini")); }
    void WriteIni(const std::string& text) const { dir.Write("Orvella.ini", codec.ToAnsi(text)); }

    TempDir dir;
    FakePlatformServices fakes;
    Cp1251Codec& codec = fakes.codec;
    FakeDialogs& dialogs = fakes.dialogs;
    FakeInstanceMarker& marker = fakes.instanceMarker;
    FakeSystemInfo& system = fakes.system;
    FakeSqliteLoader& sqlite = fakes.sqlite;
    PlatformServices platform = fakes.Services();
    ui::HeadlessApplication app{dialogs};
};

TEST_F(ProgramTest, ASecondInstanceIsToldAndTouchesNothing) {
    marker.anotherInstanceRuns = true;
    RunProgram({"-change"}, platform, app);
    EXPECT_EQ(marker.claimedName, "OrvellaMyOwnMutex");
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Программа уже запущена! Запуск второй копии невозможен."});
    EXPECT_TRUE(app.createdForms.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.File("Orvella.ini")));
}

TEST_F(ProgramTest, TheNumberOfParametersChoosesTheWindows) {
    const std::vector<std::string> normal{"TForm1", "TForm2", "TForm3", "TForm4"};
    const std::vector<std::string> change{"TForm2", "TForm4"};
    const struct {
        std::vector<std::string> parameters;
        std::vector<std::string> forms;
    } cases[] = {{{}, normal}, {{"-change"}, change}, {{"/x"}, change}, {{"a", "b"}, change}};
    for (const auto& c : cases) {
        ui::HeadlessApplication application(dialogs);
        RunProgram(c.parameters, platform, application);
        EXPECT_EQ(application.createdForms, c.forms) << c.parameters.size() << " parameters";
        EXPECT_EQ(application.Title(), "Orvella");
    }
}

TEST_F(ProgramTest, AMissingDatabaseIsReportedOnceEndsTheRunAndIsNeverCreated) {
    std::filesystem::remove(dir.File("db.spb"));
    for (const std::vector<std::string>& parameters : {std::vector<std::string>{}, std::vector<std::string>{"-change"}}) {
        dialogs.messages.clear();
        ui::HeadlessApplication application(dialogs);
        RunProgram(parameters, platform, application);
        EXPECT_EQ(dialogs.messages, std::vector<std::string>{kFilesMissing});
        EXPECT_TRUE(application.Terminated());
        EXPECT_FALSE(std::filesystem::exists(dir.File("db.spb")));
    }
}

TEST_F(ProgramTest, AMissingEngineLibraryIsReportedOnce) {
    sqlite.libraryMissing = true;
    RunProgram({}, platform, app);
    EXPECT_EQ(dialogs.messages, std::vector<std::string>{kFilesMissing});
    EXPECT_TRUE(app.Terminated());
}

TEST_F(ProgramTest, ANormalRunLeavesEverySettingInTheConfigurationFile) {
    WriteIni("[conf]\r\nleft2=300\r\ntop2=200\r\nwidth3=250\r\n");
    RunProgram({}, platform, app);
    const std::string ini = Ini();
    for (const char* line : {"left=1\r\n", "top=1\r\n", "pause=10\r\n", "colorbutton=16118514\r\n", "chkconf=\r\n",
                             "autorun=0\r\n", "onsizelimit=0\r\n", "left2=300\r\n", "top2=200\r\n", "width3=250\r\n",
                             "height3=400\r\n"}) {
        EXPECT_NE(ini.find(line), std::string::npos) << line << " missing in\n" << ini;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.exceptions.empty());
}

class ChangePanelStartTest : public ProgramTest {
protected:
    TForm2& StartPanel(std::vector<std::string> parameters) {
        commandLine = std::make_unique<CommandLine>(std::move(parameters));
        panel = std::make_unique<TForm2>(app, platform, *commandLine, nullptr);
        app.CreateForm(*panel);
        panel->Show();
        return *panel;
    }

    std::unique_ptr<CommandLine> commandLine;
    std::unique_ptr<TForm2> panel;
};

TEST_F(ChangePanelStartTest, ThePanelIs160By78AtItsStoredPlaceWhateverTheFileSays) {
    WriteIni("[conf]\r\nleft2=300\r\ntop2=-20\r\nwidth2=999\r\n");
    const TForm2& form = StartPanel({"-change"});
    EXPECT_EQ(form.Bounds(), (ui::Rect{300, -20, 160, 78}));
}

TEST_F(ChangePanelStartTest, AShownPanelCountsDownAndEndsTheRunWithItsPositionSaved) {
    WriteIni("[conf]\r\npause=3\r\nleft2=40\r\ntop2=50\r\n");
    TForm2& form = StartPanel({"-change"});
    EXPECT_TRUE(form.CountdownOn);
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_TRUE(app.taskbarEntryHidden);
    form.Timer1.Fire();
    form.Timer1.Fire();
    EXPECT_FALSE(app.Terminated());
    form.SetPosition(70, 80);
    form.Timer1.Fire();
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_NE(Ini().find("left2=70\r\ntop2=80\r\n"), std::string::npos) << Ini();
}

TEST_F(ChangePanelStartTest, PauseZeroEndsTheRunAtOnce) {
    WriteIni("[conf]\r\npause=0\r\n");
    StartPanel({"-change"});
    EXPECT_TRUE(app.Terminated());
}

TEST_F(ChangePanelStartTest, AnUnseenRunIsTransparentAndEndsAfterItsStartUpWork) {
    WriteIni("[conf]\r\noffvisible=0\r\noffchangestart=0\r\n");
    const TForm2& form = StartPanel({"-change"});
    EXPECT_EQ(form.AlphaBlend(), 1);
    EXPECT_FALSE(form.CountdownOn);
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(form.DisplayTimeMs, 1);
    EXPECT_TRUE(app.Terminated());
}

TEST_F(ChangePanelStartTest, InNormalModeShowingThePanelTakesOverTheSettingsWindowsValues) {
    WriteIni("[conf]\r\npause=7\r\n");
    TForm1 settingsWindow(app, platform);
    app.CreateForm(settingsWindow);
    WriteIni("[conf]\r\npause=99\r\n");  // changed behind the window's back

    CommandLine normal({});
    TForm2 form(app, platform, normal, &settingsWindow);
    app.CreateForm(form);
    form.Show();
    EXPECT_EQ(form.DisplayTimeMs, 7000);
    EXPECT_NE(Ini().find("pause=7\r\n"), std::string::npos) << Ini();
}

TEST_F(ChangePanelStartTest, InNormalModeShowingThePanelStartsNothing) {
    const TForm2& form = StartPanel({});
    EXPECT_FALSE(form.CountdownOn);
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_FALSE(app.taskbarEntryHidden);
    EXPECT_FALSE(app.Terminated());
}

}  // namespace
}  // namespace orvella
