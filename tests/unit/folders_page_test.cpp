#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "fakes/change_panel_fixture.h"
#include "fakes/settings_window_fixture.h"
#include "pictures/picture_engine.h"
#include "settings/settings_window.h"

namespace orvella {
namespace {

namespace fs = std::filesystem;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::StartsWith;
using Lines = std::vector<std::string>;

constexpr int kDeleteKey = 46;
constexpr const char* kDeleteQuestion = "Удалить выбранный каталог?";

class FoldersPageTest : public testing::Test, protected SettingsWindowRun {
protected:
    // The window over a saved list of these folders with these flags.
    TForm1& CreateWith(const Lines& folders, const std::string& chkdir) {
        WriteFolderList(folders);
        WriteIni("[conf]\r\nchkdir=" + chkdir + "\r\n");
        return Create();
    }
};

// Cyrillic paths and mixed case: the order ignores case and puts Ё right after Е.
TEST_F(FoldersPageTest, TheSavedListShowsSortedWithEachFolderKeepingItsFlag) {
    const TForm1& form = CreateWith({"E:\\x", "c:\\art", "D:\\Фото", "D:\\ёлки", "D:\\Ель", "D:\\жук"}, "101001");
    EXPECT_THAT(Folders(), ElementsAre("c:\\art", "D:\\Ель", "D:\\ёлки", "D:\\жук [x]", "D:\\Фото [x]", "E:\\x [x]"));
    EXPECT_EQ(form.ListDir.ItemIndex(), -1);
    EXPECT_FALSE(form.DelDir.Visible());
    EXPECT_FALSE(form.SaveDirList.Visible()) << "filling the flags is no ticking";
}

TEST(FoldersPageAddTest, AnAddedFolderTakesItsSortedPlaceUnflagged) {
    const struct {
        const char* name;
        Lines saved;
        std::string chkdir;
        std::string chosen;
        Lines shown;
    } cases[] = {
        {"between, case ignored", {"c:\\art", "E:\\x"}, "10", "D:\\Photos", {"c:\\art [x]", "D:\\Photos", "E:\\x"}},
        {"already listed", {"c:\\art", "E:\\x"}, "10", "c:\\art", {"c:\\art [x]", "c:\\art", "E:\\x"}},
        {"first", {"c:\\art", "E:\\x"}, "01", "A:\\", {"A:\\", "c:\\art", "E:\\x [x]"}},
        {"last", {"c:\\art", "E:\\x"}, "00", "e:\\y", {"c:\\art", "E:\\x", "e:\\y"}},
        {"into an empty list", {}, "", "D:\\Фото", {"D:\\Фото"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsWindowRun run;
        run.WriteFolderList(c.saved);
        run.WriteIni("[conf]\r\nchkdir=" + c.chkdir + "\r\n");
        TForm1& form = run.Create();
        run.fakes.folderDialog.choices = {c.chosen};

        run.Click(form.AddDir);
        EXPECT_THAT(run.Folders(), ElementsAreArray(c.shown));
        EXPECT_TRUE(form.SaveDirList.Visible());
        EXPECT_THAT(run.fakes.folderDialog.titles, ElementsAre("Выберите каталог"));
    }
}

TEST_F(FoldersPageTest, ACancelledDialogChangesNothing) {
    TForm1& form = CreateWith({"c:\\art", "E:\\x"}, "10");
    Click(form.AddDir);
    Select(1);
    DoubleClickFolders();
    EXPECT_EQ(fakes.folderDialog.titles.size(), 2u);
    EXPECT_THAT(Folders(), ElementsAre("c:\\art [x]", "E:\\x"));
    EXPECT_FALSE(form.SaveDirList.Visible());
}

// The dialog opens where a folder was last chosen, for adding and editing alike; editing opens it
// at the entry instead.
TEST_F(FoldersPageTest, TheDialogOpensAtTheFolderLastChosen) {
    TForm1& form = CreateWith({"c:\\art"}, "0");
    fakes.folderDialog.choices = {"D:\\a", std::nullopt, std::nullopt, "F:\\new", "G:\\b"};
    Click(form.AddDir);           // D:\a chosen
    Click(form.AddDir);           // cancelled
    Select(0);                    // c:\art
    DoubleClickFolders();         // cancelled
    Select(1);                    // D:\a
    DoubleClickFolders();         // F:\new chosen
    Click(form.AddDir);           // G:\b chosen
    EXPECT_THAT(fakes.folderDialog.startFolders, ElementsAre("", "D:\\a", "c:\\art", "D:\\a", "F:\\new"));
    EXPECT_THAT(fakes.folderDialog.titles, testing::Each(std::string("Выберите каталог")));
    EXPECT_THAT(Folders(), ElementsAre("c:\\art", "F:\\new", "G:\\b"));
}

TEST_F(FoldersPageTest, DeleteShowsWhileAnEntryIsSelected) {
    const TForm1& form = CreateWith({"c:\\art", "E:\\x"}, "");
    Select(1);
    EXPECT_TRUE(form.DelDir.Visible());
    Select(0);
    EXPECT_TRUE(form.DelDir.Visible());
    Select(-1);
    EXPECT_FALSE(form.DelDir.Visible());
}

TEST(FoldersPageDeleteTest, DeletingAsksFirst) {
    const struct {
        bool yes;
        Lines shown;
    } cases[] = {{true, {"c:\\art [x]"}}, {false, {"c:\\art [x]", "E:\\x"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.yes ? "Yes" : "No");
        SettingsWindowRun run;
        run.WriteFolderList({"c:\\art", "E:\\x"});
        run.WriteIni("[conf]\r\nchkdir=10\r\n");
        TForm1& form = run.Create();
        run.fakes.dialogs.answers = {c.yes};
        run.Select(1);

        run.Click(form.DelDir);
        EXPECT_THAT(run.fakes.dialogs.questions, ElementsAre(kDeleteQuestion));
        EXPECT_THAT(run.Folders(), ElementsAreArray(c.shown));
        EXPECT_EQ(form.DelDir.Visible(), !c.yes);
        EXPECT_EQ(form.SaveDirList.Visible(), c.yes);
    }
}

// An emptied list is never saved from the page: the saved files keep what was saved last.
TEST_F(FoldersPageTest, DeletingTheOnlyEntryHidesBothButtons) {
    TForm1& form = CreateWith({"c:\\art"}, "0");
    const std::string savedList = dir.Read("ListDir.txt");
    TickFolder(0, true);
    ASSERT_TRUE(form.SaveDirList.Visible());
    Select(0);

    Click(form.DelDir);
    EXPECT_THAT(Folders(), IsEmpty());
    EXPECT_FALSE(form.DelDir.Visible());
    EXPECT_FALSE(form.SaveDirList.Visible());
    EXPECT_EQ(dir.Read("ListDir.txt"), savedList);
    EXPECT_EQ(Ini(), "[conf]\r\nchkdir=0\r\n");
}

TEST_F(FoldersPageTest, DeleteWithNothingSelectedAsksNothing) {
    TForm1& form = CreateWith({"c:\\art"}, "0");
    form.DelDirClick();
    EXPECT_THAT(fakes.dialogs.questions, IsEmpty());
    EXPECT_EQ(form.ListDir.Count(), 1);
}

TEST(FoldersPageKeyTest, OnlyTheDeleteKeyWhileDeleteIsShownDeletes) {
    const struct {
        const char* name;
        int key;
        bool selectFirst;
        bool deletes;
    } cases[] = {
        {"Delete with an entry selected", kDeleteKey, true, true},
        {"Delete before any selection", kDeleteKey, false, false},
        {"Backspace", 8, true, false},
        {"Insert", 45, true, false},
        {"Enter", 13, true, false},
        {"a", 'A', true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsWindowRun run;
        run.WriteFolderList({"c:\\art", "E:\\x"});
        TForm1& form = run.Create();
        if (c.selectFirst) run.Select(0);

        run.PressKeyInFolders(c.key);
        EXPECT_EQ(run.fakes.dialogs.questions.size(), c.deletes ? 1u : 0u);
        EXPECT_EQ(form.ListDir.Count(), c.deletes ? 1 : 2);
    }
}

TEST_F(FoldersPageTest, AfterADeletionTheDeleteKeyWaitsForANewSelection) {
    CreateWith({"c:\\art", "E:\\x", "F:\\y"}, "");
    Select(0);
    PressKeyInFolders(kDeleteKey);
    PressKeyInFolders(kDeleteKey);
    EXPECT_EQ(fakes.dialogs.questions.size(), 1u);
    EXPECT_THAT(Folders(), ElementsAre("E:\\x", "F:\\y"));
}

// An edited entry keeps its place and its flag even where it no longer sorts.
TEST_F(FoldersPageTest, EditingReplacesTheSelectedEntryInPlace) {
    TForm1& form = CreateWith({"c:\\art", "D:\\Photos", "E:\\x"}, "010");
    Select(1);
    fakes.folderDialog.choices = {"Z:\\last"};

    DoubleClickFolders();
    EXPECT_THAT(fakes.folderDialog.startFolders, ElementsAre("D:\\Photos"));
    EXPECT_THAT(Folders(), ElementsAre("c:\\art", "Z:\\last [x]", "E:\\x"));
    EXPECT_EQ(form.ListDir.ItemIndex(), 1);
    EXPECT_TRUE(form.SaveDirList.Visible());
}

TEST_F(FoldersPageTest, ADoubleClickWithNothingSelectedDoesNothing) {
    const TForm1& form = CreateWith({"c:\\art"}, "1");
    fakes.folderDialog.choices = {"Z:\\last"};
    DoubleClickFolders();
    EXPECT_THAT(fakes.folderDialog.titles, IsEmpty());
    EXPECT_THAT(Folders(), ElementsAre("c:\\art [x]"));
    EXPECT_FALSE(form.SaveDirList.Visible());
}

TEST(FoldersPageTickTest, TickingOrUntickingAnEntryShowsTheSaveButton) {
    for (const bool checked : {true, false}) {
        SettingsWindowRun run;
        run.WriteFolderList({"c:\\art", "E:\\x"});
        run.WriteIni("[conf]\r\nchkdir=01\r\n");
        TForm1& form = run.Create();
        run.TickFolder(checked ? 0 : 1, checked);
        EXPECT_TRUE(form.SaveDirList.Visible()) << checked;
        EXPECT_THAT(run.Folders(),
                    checked ? ElementsAre("c:\\art [x]", "E:\\x [x]") : ElementsAre("c:\\art", "E:\\x"));
    }
}

// The list goes out as it stands, out of order after an edit; a new start sorts it again and
// every folder keeps its flag.
TEST_F(FoldersPageTest, SavingWritesTheListAsItStandsWithItsFlags) {
    TForm1& form = CreateWith({"c:\\art", "D:\\Photos", "E:\\x"}, "010");
    Select(1);
    fakes.folderDialog.choices = {"Я:\\Фото"};
    DoubleClickFolders();
    TickFolder(2, true);

    Click(form.SaveDirList);
    EXPECT_FALSE(form.SaveDirList.Visible());
    EXPECT_EQ(dir.Read("ListDir.txt"), "c:\\art\r\n\xDF:\\\xD4\xEE\xF2\xEE\r\nE:\\x\r\n");
    EXPECT_EQ(Ini(), "[conf]\r\nchkdir=011\r\n") << "the list save writes no other key";
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());

    TForm1 next(app, platform);
    app.CreateForm(next);
    EXPECT_EQ(next.ListDir.Items(), (std::vector<ui::CheckListBox::Item>{
                                        {"c:\\art", false}, {"E:\\x", true}, {"Я:\\Фото", true}}));
}

TEST_F(FoldersPageTest, ARefusedListSaveIsReportedAndLeavesTheFlagsAlone) {
    TForm1& form = CreateWith({"c:\\art"}, "1");
    MakeReadOnly("ListDir.txt");
    TickFolder(0, false);

    Click(form.SaveDirList);
    EXPECT_THAT(fakes.dialogs.exceptions,
                ElementsAre(StartsWith("Cannot create file \"" + FolderListPath() + "\". ")));
    EXPECT_FALSE(form.SaveDirList.Visible());
    EXPECT_EQ(Ini(), "[conf]\r\nchkdir=1\r\n");
}

TEST(FoldersPageSizeHintTest, TheSizeHintFollowsTheThreshold) {
    const struct {
        const char* stored;  // null: no key
        const char* hint;
    } cases[] = {
        {nullptr, "Не отображать картинки менее 50kb"},
        {"1024", "Не отображать картинки менее 1024kb"},
        {"0", "Не отображать картинки менее 1kb"},
        {"200000", "Не отображать картинки менее 99999kb"},
    };
    for (const auto& c : cases) {
        SettingsWindowRun run;
        if (c.stored != nullptr) run.WriteIni(std::string("[conf]\r\nsizelimit=") + c.stored + "\r\n");
        const TForm1& form = run.Create();
        EXPECT_EQ(form.spSize.Hint(), c.hint);
        EXPECT_EQ(form.chkSizeLimit.Hint(), c.hint);
    }
}

TEST_F(FoldersPageTest, ChangingTheThresholdChangesBothHints) {
    TForm1& form = Create();
    form.spSize.SetValue(75);
    EXPECT_EQ(form.spSize.Hint(), "Не отображать картинки менее 75kb");
    EXPECT_EQ(form.chkSizeLimit.Hint(), "Не отображать картинки менее 75kb");
}

TEST_F(FoldersPageTest, TheListOptionShowsOrHidesTheScanMethodGroup) {
    TForm1& form = Create();
    Tick(form.chkOnList, false);
    EXPECT_FALSE(form.PTypeCreateList.Visible());
    Tick(form.chkOnList, true);
    EXPECT_TRUE(form.PTypeCreateList.Visible());
}

TEST_F(FoldersPageTest, ManualScanningShowsCreateList) {
    TForm1& form = Create();
    Choose(form.rbManualScan);
    EXPECT_FALSE(form.rbAutoScan.Checked());
    EXPECT_TRUE(form.bCreateListScan.Visible());
    Choose(form.rbAutoScan);
    EXPECT_FALSE(form.rbManualScan.Checked());
    EXPECT_FALSE(form.bCreateListScan.Visible());
}

// "Создать список" with the whole program: real picture files under the program folder, the
// settings window and the change panel that does the scan.
class CreateListTest : public testing::Test, protected ChangePanelRun {
protected:
    void AddFile(const std::string& path, std::size_t bytes) const {
        fs::create_directories(fs::path(dir.File(path)).parent_path());
        dir.Write(path, std::string(bytes, 'p'));
    }
    std::string Folder(const std::string& name) const { return dir.File(name); }
    void CreateList() { app.Dispatch(settingsWindow->bCreateListScan.OnClick); }
};

TEST_F(CreateListTest, BuildsFromTheSavedFoldersWithTheWindowsCurrentSettings) {
    AddFile("saved/x.jpg", 4096);
    AddFile("saved/tiny.jpg", 100);
    AddFile("saved/sub/y.gif", 4096);
    AddFile("unsaved/z.jpg", 4096);
    StoreList("ListDir.txt", {Folder("saved")});
    Create(Mode::Normal, {{"chkdir", "1"}});
    TForm1& form = *settingsWindow;
    ASSERT_TRUE(form.bCreateListScan.Visible());
    ASSERT_EQ(form.lAllCount.Text(), "");

    // Changes to the list that are not saved take no part.
    fakes.folderDialog.choices = {Folder("unsaved")};
    app.Dispatch(form.AddDir.OnClick);
    form.ListDir.AcceptNativeChecked(0, false);
    app.Dispatch(form.ListDir.OnClickCheck);
    // Settings not yet in the file do: the size threshold drops tiny.jpg.
    form.chkSizeLimit.AcceptNativeChecked(true);
    form.spSize.SetValue(1);

    CreateList();
    const Lines found{Folder("saved") + "\\x.jpg", Folder("saved") + "\\sub\\y.gif"};
    EXPECT_EQ(form.lAllCount.Text(), "2");
    EXPECT_EQ(Stored(PictureEngine::kAllFileName), found);
    EXPECT_EQ(Stored(PictureEngine::kNextFileName), found);
    EXPECT_THAT(Ini(), HasSubstr("\r\nsizelimit=1\r\nonsizelimit=1\r\n"));
    EXPECT_THAT(Ini(), HasSubstr("\r\nchkdir=1\r\n"));
    EXPECT_EQ(Stored("ListDir.txt"), Lines{Folder("saved")});
    EXPECT_EQ(panel->runSettings.sizelimit, 1);
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

// The panel has neither loaded nor built a list in this run: its empty list replaces the file.
TEST_F(CreateListTest, WithoutASavedFolderListThePanelsListIsSavedAsItIs) {
    Create(Mode::Normal);
    ASSERT_EQ(Stored(PictureEngine::kAllFileName), (Lines{a, b, c}));
    CreateList();
    EXPECT_EQ(settingsWindow->lAllCount.Text(), "0");
    EXPECT_THAT(Stored(PictureEngine::kAllFileName), IsEmpty());
    EXPECT_THAT(Ini(), HasSubstr("\r\nautorun=0\r\n"));
}

TEST_F(CreateListTest, ARefusedSettingsSaveStopsBeforeAnyList) {
    AddFile("saved/x.jpg", 4096);
    StoreList("ListDir.txt", {Folder("saved")});
    Create(Mode::Normal);
    MakeIniReadOnly();

    CreateList();
    EXPECT_THAT(fakes.dialogs.exceptions, ElementsAre("Unable to write to " + IniPath()));
    EXPECT_EQ(settingsWindow->lAllCount.Text(), "");
    EXPECT_EQ(Stored(PictureEngine::kAllFileName), (Lines{a, b, c}));
}

}  // namespace
}  // namespace orvella
