#include "icons/report_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fakes/layouts_page_fixture.h"

namespace orvella {
namespace {

namespace fs = std::filesystem;

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;

const std::string kRule(63, '-');

// The report file's bytes for these lines.
std::string FileText(const Cp1251Codec& codec, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return codec.ToAnsi(text);
}

class ReportWindowTest : public testing::Test, protected LayoutsPageRun {
protected:
    ReportWindowTest() {
        fakes.desktopList.items = {{"Gone", 5, 5}, {"Mail", 10, 20}, {fakes.codec.ToAnsi("Корзина"), 30, 40}};
    }

    // Saves the desktop above as "Work", then drags Корзина away, removes Gone and adds Notes.
    void SaveThenChangeDesktop() {
        SaveAs("Work");
        fakes.desktopList.items = {{"Mail", 10, 20}, {fakes.codec.ToAnsi("Корзина"), 300, 400}, {"Notes", 50, 60}};
    }

    void Compare() { Command("pmCompare"); }

    const std::vector<std::string> changedReport = {
        "Сохранено иконок: 3, текущее количество: 3",
        "", kRule, "Совпадений: 1", kRule, "Mail",
        "", kRule, "Удалены: 1", kRule, "Gone",
        "", kRule, "Перемещены: 1", kRule, "Корзина",
        "", kRule, "Новые: 1", kRule, "Notes",
    };
};

// --- The comparison from the saved layouts page ---

TEST_F(ReportWindowTest, TheChosenLayoutIsComparedWithTheDesktopWrittenToTheFileAndShown) {
    Create();
    StoreManual("Home", "Mail:10:20*");
    Show();
    SaveThenChangeDesktop();
    ChooseRow(Page().Grid1, 1);

    Compare();

    EXPECT_EQ(dir.Read("report.txt"), FileText(fakes.codec, changedReport));
    EXPECT_TRUE(Report().Visible());
    EXPECT_EQ(Report().Text(), "Отчет:");
    EXPECT_EQ(Report().ListReport.Items(), changedReport);
    EXPECT_EQ(Report().ListReport.ItemIndex(), 1);
    EXPECT_THAT(app.raisedForms, IsEmpty());
    // The page keeps its row, and the settings window stays usable beside the report.
    EXPECT_EQ(Page().Grid1.Row(), 1);
    EXPECT_EQ(panel->db.sqlTable.RecNo(), 2);
    EXPECT_FALSE(Report().Modal());
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

TEST_F(ReportWindowTest, ASecondComparisonWhileTheWindowIsUpReplacesTheLinesSelectsNoneAndRaisesIt) {
    Create();
    Show();
    SaveAs("Work");
    ChooseRow(Page().Grid1, 0);
    Compare();
    ASSERT_TRUE(Report().Visible());
    Report().ListReport.AcceptNativeItemIndex(4);
    fakes.desktopList.items[2].x = 300;  // Корзина dragged away

    Compare();

    const std::vector<std::string> report = {
        "Сохранено иконок: 3, текущее количество: 3",
        "", kRule, "Совпадений: 2", kRule, "Gone", "Mail",
        "", kRule, "Перемещены: 1", kRule, "Корзина",
    };
    EXPECT_EQ(Report().ListReport.Items(), report);
    EXPECT_EQ(Report().ListReport.ItemIndex(), -1);
    EXPECT_THAT(app.raisedForms, ElementsAre("TForm3"));
    EXPECT_EQ(dir.Read("report.txt"), FileText(fakes.codec, report));
}

TEST_F(ReportWindowTest, WithNoTableActiveEveryIconOnTheDesktopIsNew) {
    Create();
    StoreManual("Home", "Mail:10:20*");
    Show();

    Compare();

    const std::vector<std::string> report = {
        "Сохранено иконок: 0, текущее количество: 3", "", kRule, "Новые: 3", kRule, "Gone", "Mail", "Корзина",
    };
    EXPECT_EQ(Report().ListReport.Items(), report);
    EXPECT_EQ(dir.Read("report.txt"), FileText(fakes.codec, report));
    EXPECT_THAT(Page().ListTemp, IsEmpty());
}

TEST_F(ReportWindowTest, WithoutTheDesktopListEverySavedIconIsDeleted) {
    Create();
    Show();
    SaveAs("Work");
    ChooseRow(Page().Grid1, 0);
    fakes.desktopList.listFound = false;

    Compare();

    EXPECT_EQ(Report().ListReport.Items(),
              (std::vector<std::string>{"Сохранено иконок: 3, текущее количество: 0", "", kRule, "Удалены: 3", kRule,
                                        "Gone", "Mail", "Корзина"}));
    EXPECT_TRUE(Report().Visible());
}

TEST_F(ReportWindowTest, WhenTheShellRefusesNothingIsComparedWrittenOrShown) {
    Create();
    Show();
    SaveAs("Work");
    ChooseRow(Page().Grid1, 0);
    fakes.desktopList.FailAt(FakeDesktopList::Step::Open);

    Compare();

    EXPECT_EQ(fakes.dialogs.exceptions.size(), 1u);
    EXPECT_FALSE(fs::exists(dir.File("report.txt")));
    EXPECT_FALSE(Report().Visible());
    EXPECT_THAT(Page().ListTemp, IsEmpty());
}

TEST(ReportWindowShowTest, TheHiddenWindowShowsWithTheLineAfterTheFirstSelectedWhenThereIsOne) {
    const struct {
        const char* what;
        std::vector<FakeDesktopList::Item> desktop;
        std::vector<std::string> report;
        int selected;
    } cases[] = {
        {"both layouts empty", {}, {"Сохранено иконок: 0, текущее количество: 0"}, -1},
        {"both equal", {{"Mail", 10, 20}}, {"Сохранено иконок: 1, текущее количество: 1", "", kRule, "Совпадений: 1",
                                            kRule, "Mail"}, 1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        LayoutsPageRun run;
        run.fakes.desktopList.items = tc.desktop;
        run.Create();
        run.Show();
        run.SaveAs("Work");
        run.ChooseRow(run.Page().Grid1, 0);
        run.Command("pmCompare");
        EXPECT_TRUE(run.Report().Visible());
        EXPECT_EQ(run.Report().ListReport.Items(), tc.report);
        EXPECT_EQ(run.Report().ListReport.ItemIndex(), tc.selected);
    }
}

TEST(ReportWindowShowTest, AReportFileThatCannotBeWrittenIsReportedAndTheWindowStaysHidden) {
    const struct {
        const char* what;
        std::function<void(LayoutsPageRun&)> refuse;
    } cases[] = {
        {"read-only file",
         [](LayoutsPageRun& run) {
             run.dir.Write("report.txt", "old");
             fs::permissions(run.dir.File("report.txt"), fs::perms::all, fs::perm_options::remove);
             fs::permissions(run.dir.File("report.txt"), fs::perms::owner_read, fs::perm_options::add);
         }},
        {"a folder in the way", [](LayoutsPageRun& run) { fs::create_directory(run.dir.Path() / "report.txt"); }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        LayoutsPageRun run;
        run.fakes.desktopList.items = {{"Mail", 10, 20}};
        run.Create();
        run.Show();
        tc.refuse(run);

        run.Command("pmCompare");

        ASSERT_EQ(run.fakes.dialogs.exceptions.size(), 1u);
        EXPECT_THAT(run.fakes.dialogs.exceptions[0], HasSubstr("report.txt"));
        EXPECT_FALSE(run.Report().Visible());
        EXPECT_THAT(run.Report().ListReport.Items(), IsEmpty());
    }
}

// --- The report window's own menu and place ---

TEST(ReportWindowSaveTest, SavingTheReportAddsTxtUnlessTheNameEndsSoExactly) {
    const std::vector<std::string> lines = {"Сохранено иконок: 1, текущее количество: 0", "", kRule, "Удалены: 1",
                                            kRule, "Корзина"};
    const struct {
        const char* what;
        std::optional<std::string> chosen;  // in the folder "saved"
        std::vector<std::string> files;
    } cases[] = {
        {"cancelled", std::nullopt, {}},
        {"no extension", "report", {"report.txt"}},
        {"extension in capitals", "report.TXT", {"report.TXT.txt"}},
        {"with .txt", "a.txt", {"a.txt"}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        LayoutsPageRun run;
        run.Create();
        const fs::path saved = run.dir.Path() / "saved";
        fs::create_directory(saved);
        if (tc.chosen) run.fakes.saveDialog.choice = (saved / *tc.chosen).string();
        run.Report().ShowReport(lines);

        ui::PopupMenu::Item& item = run.Report().PopupMenu1.ItemNamed("N1");
        EXPECT_EQ(item.caption, "Сохранить в текстовый фаил");
        run.app.Dispatch(item.onClick);

        EXPECT_THAT(run.fakes.saveDialog.filters, ElementsAre("Текстовый файл|*.txt"));
        std::vector<std::string> files;
        for (const auto& entry : fs::directory_iterator(saved)) files.push_back(entry.path().filename().string());
        EXPECT_EQ(files, tc.files);
        for (const auto& name : tc.files) EXPECT_EQ(run.dir.Read("saved/" + name), FileText(run.fakes.codec, lines));
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
    }
}

TEST(ReportWindowSaveTest, AFileThatCannotBeWrittenIsReportedAndNothingElseHappens) {
    LayoutsPageRun run;
    run.Create();
    run.fakes.saveDialog.choice = (run.dir.Path() / "missing" / "report").string();
    run.Report().ShowReport({"Сохранено иконок: 0, текущее количество: 0"});

    run.app.Dispatch(run.Report().PopupMenu1.ItemNamed("N1").onClick);

    ASSERT_EQ(run.fakes.dialogs.exceptions.size(), 1u);
    EXPECT_THAT(run.fakes.dialogs.exceptions[0], HasSubstr("report.txt"));
    EXPECT_FALSE(fs::exists(run.dir.Path() / "missing"));
    EXPECT_TRUE(run.Report().Visible());
}

TEST(ReportWindowPlaceTest, EachShowingPlacesTheWindowFromTheConfigurationFile) {
    LayoutsPageRun run;
    run.Create({{"left3", "11"}, {"top3", "12"}, {"height3", "300"}, {"width3", "250"}});
    EXPECT_EQ(run.Report().Bounds(), (ui::Rect{11, 12, 250, 300}));

    run.dir.Write("Orvella.ini", "[conf]\r\nleft3=21\r\ntop3=22\r\nheight3=320\r\nwidth3=260\r\n");
    run.Report().ShowReport({"x"});
    EXPECT_EQ(run.Report().Bounds(), (ui::Rect{21, 22, 260, 320}));

    run.Report().Hide();
    run.dir.Write("Orvella.ini", "[conf]\r\n");
    run.Report().ShowReport({"x"});
    EXPECT_EQ(run.Report().Bounds(), (ui::Rect{100, 100, 200, 400}));
}

TEST(ReportWindowPlaceTest, HidingOrClosingTheWindowWritesItsPlace) {
    const struct {
        const char* what;
        std::function<void(TForm3&)> leave;
    } cases[] = {
        {"hidden", [](TForm3& window) { window.Hide(); }},
        {"closed", [](TForm3& window) { window.Close(); }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        LayoutsPageRun run;
        run.Create();
        run.Report().ShowReport({"x"});
        run.Report().AcceptNativeBounds({31, 32, 330, 340});

        run.app.Dispatch([&] { tc.leave(run.Report()); });

        EXPECT_FALSE(run.Report().Visible());
        const std::string ini = run.Ini();
        for (const char* line : {"left3=31\r\n", "top3=32\r\n", "height3=340\r\n", "width3=330\r\n"}) {
            EXPECT_THAT(ini, HasSubstr(line));
        }
        EXPECT_FALSE(run.app.Terminated());
    }
}

}  // namespace
}  // namespace orvella
