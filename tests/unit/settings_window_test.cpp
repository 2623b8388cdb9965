#include "settings/settings_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fakes/change_panel_fixture.h"
#include "fakes/settings_window_fixture.h"
#include "settings/autostart.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

constexpr int kDefaultColor = 16118514;
constexpr const char* kShellFolders = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const FakeRegistry::Location kAutoRunEntry{RegistryRoot::LocalMachine, kAutoRunKey, "Orvella"};

// Every key of a settings save, in the order it writes them, as a first start leaves them.
const std::string kDefaultKeys =
    "left=1\r\ntop=1\r\nchkconf=\r\ncolorbutton=16118514\r\npause=10\r\noffchangestart=1\r\noffvisible=1\r\n"
    "onlist=1\r\nautoscan=1\r\nautorun=0\r\ncountautosave=5\r\nAutoSaveIcon=1\r\npage=0\r\nshowtime=1\r\n"
    "unic=1\r\nsizelimit=50\r\nonsizelimit=0\r\n";

class SettingsWindowTest : public testing::Test, protected SettingsWindowRun {};

TEST_F(SettingsWindowTest, AFirstStartShowsTheDefaultsAndWritesNothing) {
    const TForm1& form = Create();
    EXPECT_EQ(form.Bounds(), (ui::Rect{1, 1, 592, 340}));
    EXPECT_EQ(form.PageControl.ActivePageIndex(), 0);
    EXPECT_EQ(form.ActiveTime.Value(), 10);
    EXPECT_EQ(form.ColorButton.Selected(), kDefaultColor);
    for (const ui::CheckBox* box : {&form.chkOffVisible, &form.chkShowTime, &form.chkOffChangeStart, &form.chkOnList}) {
        EXPECT_TRUE(box->Checked()) << box->Name();
    }
    EXPECT_FALSE(form.chkSizeLimit.Checked());
    EXPECT_FALSE(form.chkAutoRun.Checked());
    EXPECT_TRUE(form.rbAutoScan.Checked());
    EXPECT_FALSE(form.rbManualScan.Checked());
    EXPECT_EQ(form.spSize.Value(), 50);
    EXPECT_EQ(form.ListDir.Count(), 0);
    EXPECT_FALSE(form.DelDir.Visible());
    EXPECT_FALSE(form.SaveDirList.Visible());
    EXPECT_TRUE(form.PTypeCreateList.Visible());
    EXPECT_FALSE(form.bCreateListScan.Visible());
    EXPECT_EQ(form.lAllCount.Text(), "");
    EXPECT_EQ(form.ProgramDir, dir.Dir());
    EXPECT_FALSE(IniExists());
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

TEST_F(SettingsWindowTest, StoredValuesFillTheControls) {
    WriteIni("[conf]\r\nleft=-20\r\ntop=30\r\ncolorbutton=-2147483633\r\npause=25\r\noffchangestart=0\r\n"
             "offvisible=0\r\nonlist=0\r\nautoscan=0\r\nautorun=1\r\npage=2\r\nshowtime=0\r\nsizelimit=120\r\n"
             "onsizelimit=1\r\n");
    fakes.system.win64 = false;
    const TForm1& form = Create();
    EXPECT_EQ(form.Bounds().left, -20);
    EXPECT_EQ(form.Bounds().top, 30);
    EXPECT_EQ(form.ColorButton.Selected(), -2147483633);
    EXPECT_EQ(form.ActiveTime.Value(), 25);
    for (const ui::CheckBox* box : {&form.chkOffVisible, &form.chkShowTime, &form.chkOffChangeStart, &form.chkOnList,
                                    static_cast<const ui::CheckBox*>(&form.rbAutoScan)}) {
        EXPECT_FALSE(box->Checked()) << box->Name();
    }
    EXPECT_TRUE(form.rbManualScan.Checked());
    EXPECT_TRUE(form.chkSizeLimit.Checked());
    EXPECT_FALSE(form.chkAutoRun.Checked()) << "\"autorun\" is never read back";
    EXPECT_EQ(form.spSize.Value(), 120);
    EXPECT_EQ(form.PageControl.ActivePageIndex(), 2);
}

TEST(SettingsWindowCreationTest, InNormalModeTheSettingsWindowComesFirstAndIsTheMainWindow) {
    ChangePanelRun run;
    run.Create(ChangePanelRun::Mode::Normal);
    EXPECT_THAT(run.app.createdForms, ElementsAre("TForm1", "TForm2", "TForm4"));
    EXPECT_EQ(run.app.MainForm(), run.settingsWindow.get());
    run.settingsWindow->Close();
    EXPECT_TRUE(run.app.Terminated());
}

TEST(SettingsWindowCreationTest, TitleTellsTheSystemsWidthAndTheAboutPageRepeatsIt) {
    const struct {
        bool win64;
        const char* title;
    } cases[] = {
        {true, "Orvella - Управление рабочим столом (x64)"},
        {false, "Orvella - Управление рабочим столом (x86)"},
    };
    for (const auto& c : cases) {
        SettingsWindowRun run;
        run.fakes.system.win64 = c.win64;
        const TForm1& form = run.Create();
        EXPECT_EQ(form.Text(), c.title);
        EXPECT_EQ(form.sLabelFX1.Text(), c.title);
        EXPECT_EQ(form.version.Text(), "2.0");
        EXPECT_EQ(form.sTabSheet3.Text(), "О программе");
    }
}

// Out-of-range values show as the nearest bound and go back to the file as shown.
TEST(SettingsWindowCreationTest, SpinEditsTakeValuesOutOfRangeAsTheNearestBound) {
    const struct {
        const char* key;
        const char* stored;
        int shown;
    } cases[] = {
        {"pause", "12000", 9999}, {"pause", "-5", 0},         {"pause", "9999", 9999},
        {"sizelimit", "0", 1},    {"sizelimit", "200000", 99999}, {"sizelimit", "1", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.key) + "=" + c.stored);
        SettingsWindowRun run;
        run.WriteIni(std::string("[conf]\r\n") + c.key + "=" + c.stored + "\r\n");
        TForm1& form = run.Create();
        const ui::SpinEdit& edit = std::string(c.key) == "pause" ? form.ActiveTime : form.spSize;
        EXPECT_EQ(edit.Value(), c.shown);
        form.SaveAppConf();
        EXPECT_THAT(run.Ini(), HasSubstr("\r\n" + std::string(c.key) + "=" + std::to_string(c.shown) + "\r\n"));
    }
}

TEST(SettingsWindowCreationTest, AValidPageOpensThatPageAnyOtherTheAboutPage) {
    const struct {
        const char* stored;
        int open;
    } cases[] = {{"0", 0}, {"1", 1}, {"2", 2}, {"3", 3}, {"7", 3}, {"-1", 3}, {"4", 3}};
    for (const auto& c : cases) {
        SettingsWindowRun run;
        run.WriteIni(std::string("[conf]\r\npage=") + c.stored + "\r\n");
        EXPECT_EQ(run.Create().PageControl.ActivePageIndex(), c.open) << "page=" << c.stored;
    }
}

TEST(SettingsWindowCreationTest, TheScanMethodGroupAndCreateListFollowTheStoredOptions) {
    const struct {
        const char* onlist;
        const char* autoscan;
        bool groupShown;
        bool createListShown;
    } cases[] = {{"1", "1", true, false}, {"1", "0", true, true}, {"0", "1", false, false}, {"0", "0", false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("onlist=") + c.onlist + " autoscan=" + c.autoscan);
        SettingsWindowRun run;
        run.WriteIni(std::string("[conf]\r\nonlist=") + c.onlist + "\r\nautoscan=" + c.autoscan + "\r\n");
        const TForm1& form = run.Create();
        EXPECT_EQ(form.PTypeCreateList.Visible(), c.groupShown);
        EXPECT_EQ(form.bCreateListScan.Visible(), c.createListShown);
        EXPECT_EQ(form.rbManualScan.Checked(), !form.rbAutoScan.Checked());
    }
}

TEST_F(SettingsWindowTest, ASaveWritesEveryKeyInOrder) {
    Create().SaveAppConf();
    EXPECT_EQ(Ini(), "[conf]\r\n" + kDefaultKeys);
}

TEST_F(SettingsWindowTest, ASaveWritesWhatTheControlsShowAndLeavesOtherKeysAlone) {
    const std::string others = "left2=300\r\ntop2=200\r\nwidth3=250\r\nchkdir=101\r\n";
    WriteIni("[conf]\r\n" + others + "countautosave=9\r\nunic=0\r\n");
    TForm1& form = Create();
    form.SetPosition(40, 60);
    form.PageControl.AcceptNativePage(1);
    form.ActiveTime.SetValue(33);
    Tick(form.chkOffChangeStart, false);
    Tick(form.chkOffVisible, false);
    Tick(form.chkOnList, false);
    Tick(form.chkShowTime, false);
    Tick(form.chkSizeLimit, true);
    Choose(form.rbManualScan);
    form.spSize.SetValue(300);

    form.SaveAppConf();
    EXPECT_EQ(Ini(), "[conf]\r\n" + others +
                         "countautosave=9\r\nunic=0\r\nleft=40\r\ntop=60\r\nchkconf=\r\ncolorbutton=16118514\r\n"
                         "pause=33\r\noffchangestart=0\r\noffvisible=0\r\nonlist=0\r\nautoscan=0\r\nautorun=0\r\n"
                         "AutoSaveIcon=1\r\npage=1\r\nshowtime=0\r\nsizelimit=300\r\nonsizelimit=1\r\n");
}

// Filling the colour box at creation is no choice; the user's choice writes everything at once.
TEST_F(SettingsWindowTest, ChoosingAColourWritesTheWholeConfigurationAtOnce) {
    const struct {
        const char* name;
        ui::Color color;
        const char* written;
    } cases[] = {
        {"direct", 0x0000FF, "255"},
        {"system (Highlight)", static_cast<ui::Color>(0x8000000Du), "-2147483635"},
        {"custom", 0x123456, "1193046"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsWindowRun run;
        TForm1& form = run.Create();
        EXPECT_FALSE(run.IniExists());
        form.ActiveTime.SetValue(25);
        run.Tick(form.chkShowTime, false);

        run.ChooseColor(c.color);
        EXPECT_THAT(run.Ini(), HasSubstr(std::string("\r\ncolorbutton=") + c.written + "\r\n"));
        EXPECT_THAT(run.Ini(), HasSubstr("\r\npause=25\r\n"));
        EXPECT_THAT(run.Ini(), HasSubstr("\r\nshowtime=0\r\n"));
        EXPECT_THAT(run.Ini(), HasSubstr("\r\nonsizelimit=0\r\n"));

        TForm1 next(run.app, run.platform);
        run.app.CreateForm(next);
        EXPECT_EQ(next.ColorButton.Selected(), c.color);
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
    }
}

TEST_F(SettingsWindowTest, ARefusedWriteAfterAColourChoiceIsReported) {
    Create();
    MakeReadOnly("Orvella.ini");
    ChooseColor(0x00FF00);
    EXPECT_THAT(fakes.dialogs.exceptions, ElementsAre("Unable to write to " + IniPath()));
}

TEST(SettingsWindowShowTest, ShowingTicksTheAutostartBoxFromTheRegistryAndWritesNothing) {
    const struct {
        const char* name;
        bool entry;
        bool refused;
        bool ticked;
    } cases[] = {
        {"entry present", true, false, true},
        {"entry absent", false, false, false},
        {"entry present but the key refused", true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsWindowRun run;
        if (c.entry) run.fakes.registry.values[kAutoRunEntry] = "C:\\Old\\Orvella.exe -change";
        if (c.refused) run.fakes.registry.refusedKeys.insert(kAutoRunKey);
        TForm1& form = run.Create();
        form.chkAutoRun.SetChecked(!c.ticked);

        form.Show();
        EXPECT_EQ(form.chkAutoRun.Checked(), c.ticked);
        EXPECT_THAT(run.fakes.registry.writes, IsEmpty());
        EXPECT_THAT(run.fakes.registry.deletions, IsEmpty());
        EXPECT_THAT(run.fakes.dialogs.messages, IsEmpty());
        EXPECT_FALSE(run.IniExists());
    }
}

TEST_F(SettingsWindowTest, EveryShowingAsksTheRegistryAgain) {
    fakes.registry.values[kAutoRunEntry] = "x -change";
    TForm1& form = Create();
    form.Show();
    ASSERT_TRUE(form.chkAutoRun.Checked());
    form.Hide();
    fakes.registry.values.clear();
    form.Show();
    EXPECT_FALSE(form.chkAutoRun.Checked());
}

// The box's state also goes to the file with the next save, whatever the registry did.
TEST(SettingsWindowAutoRunTest, TheBoxBringsTheEntryToItsStateOrTellsWhyNot) {
    const struct {
        const char* name;
        bool existing;
        bool refused;
        bool tick;
        bool entryAfter;
        std::size_t messages;
    } cases[] = {
        {"ticked", false, false, true, true, 0},
        {"unticked", true, false, false, false, 0},
        {"ticked without rights", false, true, true, false, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsWindowRun run;
        FakeRegistry& registry = run.fakes.registry;
        if (c.existing) registry.values[kAutoRunEntry] = "\"" + run.fakes.system.executablePath + "\" -change";
        if (c.refused) registry.refusedKeys.insert(kAutoRunKey);
        TForm1& form = run.Create();
        form.Show();

        run.Tick(form.chkAutoRun, c.tick);
        const auto entry = registry.values.find(kAutoRunEntry);
        ASSERT_EQ(entry != registry.values.end(), c.entryAfter);
        if (c.entryAfter) {
            EXPECT_EQ(entry->second, "\"" + run.dir.File("Orvella.exe") + "\" -change");
        }
        ASSERT_EQ(run.fakes.dialogs.messages.size(), c.messages);
        if (c.messages > 0) {
            EXPECT_EQ(run.fakes.dialogs.messages[0], "Ошибка при добавлении программы в автозагрузку!");
            EXPECT_THAT(run.fakes.dialogs.messages[1], HasSubstr("\"...\\Orvella\\Orvella.exe\" -change"));
        }
        EXPECT_EQ(form.chkAutoRun.Checked(), c.tick) << "the box stays as the user set it";

        form.SaveAppConf();
        EXPECT_THAT(run.Ini(), HasSubstr(std::string("\r\nautorun=") + (c.tick ? "1" : "0") + "\r\n"));
    }
}

TEST_F(SettingsWindowTest, TheShortcutButtonPutsTheChangeShortcutOnTheDesktop) {
    fakes.registry.values[{RegistryRoot::CurrentUser, kShellFolders, "Desktop"}] = "C:\\Users\\Анна\\Desktop";
    TForm1& form = Create();
    Click(form.sSpeedButton2);
    Click(form.sSpeedButton2);
    ASSERT_EQ(fakes.shellLinks.created.size(), 2u);
    for (const ShellLink& link : fakes.shellLinks.created) {
        EXPECT_EQ(link.file, "C:\\Users\\Анна\\Desktop\\Сменить обои.lnk");
        EXPECT_EQ(link.target, dir.File("Orvella.exe"));
        EXPECT_EQ(link.workingFolder, dir.Dir());
        EXPECT_EQ(link.arguments, "-change");
        EXPECT_EQ(link.description, "Сменить \"обои\" на рабочем столе");
    }
    EXPECT_THAT(fakes.dialogs.messages, IsEmpty());
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

TEST_F(SettingsWindowTest, AShortcutThatCannotBeMadeIsReportedInTheErrorBox) {
    fakes.shellLinks.unavailable = true;
    TForm1& form = Create();
    Click(form.sSpeedButton2);
    EXPECT_THAT(fakes.shellLinks.created, IsEmpty());
    EXPECT_THAT(fakes.dialogs.exceptions, ElementsAre("Class not registered"));
}

// No hint of this window pops up: the one under the pointer shows in the status bar.
TEST_F(SettingsWindowTest, HintsShowInTheStatusBarsFirstPanel) {
    TForm1& form = Create();
    const struct {
        const ui::Control& control;
        const char* hint;
    } cases[] = {
        {form.chkOffVisible, "Отображение главной формы при старте"},
        {form.ActiveTime, "Время отображения главной формы с  кнопкой \"Сменить\""},
        {form.sLabel7, "Время отображения главной формы с  кнопкой \"Сменить\""},
        {form.chkShowTime, "Показывать на главной форме оставшееся время до закрытия"},
        {form.ListDir, "Двойной клик - редактировать"},
        {form.AddDir, "Добавить каталог"},
        {form.DelDir, "Удалить выбранный каталог"},
        {form.SaveDirList, "Автоматического сохранения списка нет!"},
        {form.chkOffChangeStart, "Сменить картинку рабочего стола при старте программы"},
        {form.chkOnList, "Исключает повтор чаще чем будет показаны все картинки из списка"},
        {form.sGroupBox2, "После изменения необходимо создать список заново (только при ручном сканировании!)"},
        {form.rbAutoScan, "При каждом запуске программы происходит сканирование каталогов"},
        {form.rbManualScan, "Сканирование каталогов только после нажатия кнопки \"Создать список\""},
        {form.bCreateListScan, "Создать список картинок"},
        {form.lAllCount, "Всего"},
    };
    ASSERT_EQ(form.StatusBar1.Panels().size(), 2u);
    for (const auto& c : cases) {
        EXPECT_FALSE(c.control.ShowHint()) << c.control.Name();
        form.OnHint(c.control.Hint());
        EXPECT_EQ(form.StatusBar1.Panels()[0].text, c.hint) << c.control.Name();
        EXPECT_EQ(form.StatusBar1.Panels()[1].text, "");
    }
    form.OnHint("");
    EXPECT_EQ(form.StatusBar1.Panels()[0].text, "");
}

}  // namespace
}  // namespace orvella
