#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/layouts_page_fixture.h"

namespace orvella {
namespace {

using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Pair;

constexpr int kEnter = 13;
constexpr int kDelete = 46;
constexpr const char* kTooLong = "Не больше 24 символов!";
constexpr const char* kNoName = "Введите имя!";
constexpr const char* kSameName = "Совпадение имени!";
constexpr const char* kDeleteQuestion = "Удалить выбранную запись?";
constexpr const char* kAutoName = "Авто сохранение";

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

// A desktop of two icons; its layout text is kDesktopLayout.
void PutTwoIcons(LayoutsPageRun& run) {
    run.fakes.desktopList.items = {{"Mail", 10, 20}, {run.fakes.codec.ToAnsi("Корзина"), 30, 40}};
}
constexpr const char* kDesktopLayout = "Mail:10:20*Корзина:30:40*";

class LayoutsPageTest : public testing::Test, protected LayoutsPageRun {
protected:
    LayoutsPageTest() { PutTwoIcons(*this); }
    TForm1& page() { return Page(); }
};

// --- The name field ---

TEST_F(LayoutsPageTest, ANameLongerThan24CharactersIsCutBackAndTheUserIsTold) {
    const struct {
        const char* what;
        std::string typed;
        std::string kept;
        bool told;
    } cases[] = {
        {"25th Latin character typed", Repeat("w", 25), Repeat("w", 24), true},
        {"25th Cyrillic character typed", Repeat("ж", 25), Repeat("ж", 24), true},
        {"30 characters pasted", "Рабочий стол с ярлыками 2026 г", "Рабочий стол с ярлыками ", true},
        {"24 Cyrillic characters", Repeat("ж", 24), Repeat("ж", 24), false},
        {"24 characters, blanks in front", "  " + Repeat("w", 22), "  " + Repeat("w", 22), false},
    };
    Create();
    Show();
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        fakes.dialogs.messages.clear();
        Type(tc.typed);
        EXPECT_EQ(page().eInputName.Text(), tc.kept);
        EXPECT_EQ(fakes.dialogs.messages, tc.told ? std::vector<std::string>{kTooLong} : std::vector<std::string>{});
    }
}

TEST(LayoutsPageNameTest, ANameIsTrimmedOnSavingAndOneOfBlanksOnlyIsRefused) {
    const struct {
        const char* typed;
        std::vector<std::string> stored;
        std::vector<std::string> messages;
    } cases[] = {
        {"  Work  ", {"Work"}, {}},
        {"\tЛето\t ", {"Лето"}, {}},
        {"    ", {}, {kNoName}},
        {" \t ", {}, {kNoName}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::PrintToString(tc.typed));
        LayoutsPageRun run;
        PutTwoIcons(run);
        run.Create();
        run.Show();
        run.SaveAs(tc.typed);
        EXPECT_EQ(run.ManualNames(), tc.stored);
        EXPECT_EQ(run.fakes.dialogs.messages, tc.messages);
        EXPECT_EQ(run.Page().eInputName.Text(), "");
    }
}

TEST_F(LayoutsPageTest, ASaveStoresTheDesktopUnderTodaysDateAndListsItLastWithTheFirstRowCurrent) {
    Create();
    StoreManual("Home", "x:1:1*", "05.01.2026");
    Show();
    ChooseRow(page().Grid1, 0);
    fakes.clock.date = "03.04.2026";

    SaveAs("Work");

    EXPECT_THAT(ManualRows(), ElementsAre(ManualRow{"05.01.2026", "Home", "x:1:1*"},
                                          ManualRow{"03.04.2026", "Work", kDesktopLayout}));
    EXPECT_THAT(page().Grid1.Rows(), ElementsAre(ElementsAre("05.01.2026", "Home"), ElementsAre("03.04.2026", "Work")));
    EXPECT_EQ(page().Grid1.Row(), 0);
    EXPECT_EQ(panel->db.sqlTable.RecNo(), 1);
    EXPECT_EQ(page().eInputName.Text(), "");
    EXPECT_THAT(fakes.dialogs.messages, IsEmpty());
}

TEST_F(LayoutsPageTest, ATakenNameIsRefusedListsTheTableAgainAndStaysInTheField) {
    Create();
    Show();
    SaveAs("Work");
    StoreManual("Other", "");  // stored meanwhile: only a new listing shows it

    SaveAs("Work");

    EXPECT_EQ(fakes.dialogs.messages, std::vector<std::string>{kSameName});
    EXPECT_EQ(page().eInputName.Text(), "Work");
    EXPECT_THAT(Names(page().Grid1), ElementsAre("Work", "Other"));
    EXPECT_EQ(panel->db.sqlTable.RecordCount(), 2);
    EXPECT_THAT(ManualNames(), ElementsAre("Work", "Other"));

    SaveAs("work");
    EXPECT_EQ(fakes.dialogs.messages.size(), 1u);
    EXPECT_THAT(ManualNames(), ElementsAre("Work", "Other", "work"));
}

TEST(LayoutsPageNameTest, EnterInTheNameFieldSavesAndOtherKeysDoNot) {
    const struct {
        int key;
        std::vector<std::string> stored;
    } cases[] = {{kEnter, {"Work"}}, {kDelete, {}}, {'A', {}}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.key);
        LayoutsPageRun run;
        PutTwoIcons(run);
        run.Create();
        run.Show();
        run.Type("Work");
        run.PressKeyInName(tc.key);
        EXPECT_EQ(run.ManualNames(), tc.stored);
    }
}

// Names the statements could mistake for a column or whose quote could end a quoted value.
TEST(LayoutsPageNameTest, NamesWithQuotesOrColumnNamesAreStoredFetchedAndDeletedAlone) {
    for (const std::string odd : {"say \"hi\"", "name", "data", "id", "\"", "a\" OR \"1\"=\"1"}) {
        SCOPED_TRACE(odd);
        LayoutsPageRun run;
        run.fakes.desktopList.items = {{"Mail", 10, 20}};
        run.Create();
        run.StoreManual("first", "Mail:1:1*");
        run.StoreManual("last", "Mail:2:2*");
        run.Show();

        run.SaveAs(odd);
        EXPECT_THAT(run.fakes.dialogs.messages, IsEmpty());
        EXPECT_THAT(run.ManualNames(), ElementsAre("first", "last", odd));
        EXPECT_THAT(run.Names(run.Page().Grid1), ElementsAre("first", "last", odd));

        run.SaveAs(odd);
        EXPECT_EQ(run.fakes.dialogs.messages, std::vector<std::string>{kSameName});

        run.ChooseRow(run.Page().Grid1, 2);
        run.Command("pmRestore");
        EXPECT_THAT(run.Page().ListTemp, ElementsAre("Mail:10:20"));

        run.Command("pmDelete");
        EXPECT_THAT(run.ManualNames(), ElementsAre("first", "last"));
    }
}

// --- The context menu ---

TEST_F(LayoutsPageTest, TheDeleteItemNamesTheCurrentRowOfTheActiveTable) {
    Create();
    StoreManual("Home", "");
    StoreManual("Work", "");
    StoreAutomatic("08.12.2026", "9:15:00", "");
    StoreAutomatic("09.12.2026", "12:05:09", "");
    Show();
    const std::vector<std::string> all = {"pmRestore", "pmCompare", "pmDelete"};

    const struct {
        const char* what;
        ui::Grid& grid;
        int row;
        const char* caption;
    } cases[] = {
        {"manual, second row", page().Grid1, 1, "Удалить запись: Work"},
        {"manual, first row", page().Grid1, 0, "Удалить запись: Home"},
        {"automatic, second row", page().Grid2, 1, "Удалить запись: Авто сохранение от 09.12.2026 12:05:09"},
        {"automatic, first row", page().Grid2, 0, "Удалить запись: Авто сохранение от 08.12.2026 9:15:00"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        ChooseRow(tc.grid, tc.row);
        OpenMenu();
        EXPECT_EQ(MenuItem("pmDelete").caption, tc.caption);
        for (const auto& item : all) EXPECT_TRUE(MenuItem(item).enabled) << item;
        EXPECT_EQ(MenuItem("pmRestore").caption, "Восстановить сохраненные позиции иконок");
        EXPECT_EQ(MenuItem("pmCompare").caption, "Сравнить сохраненные позиции с текущими");
    }
}

TEST(LayoutsPageMenuTest, OnAnEmptyTableTheMenuOffersNothing) {
    for (const bool manual : {true, false}) {
        SCOPED_TRACE(manual ? "manual" : "automatic");
        LayoutsPageRun run;
        run.Create();
        if (manual) run.StoreAutomatic("09.12.2026", "12:05:09", "");
        else run.StoreManual("Home", "");
        run.Show();
        ui::Grid& full = manual ? run.Page().Grid2 : run.Page().Grid1;
        ui::Grid& empty = manual ? run.Page().Grid1 : run.Page().Grid2;
        run.ChooseRow(full, 0);
        run.OpenMenu();

        run.Press(empty);
        run.OpenMenu();
        EXPECT_EQ(run.MenuItem("pmDelete").caption, "Удалить запись:");
        for (const char* item : {"pmRestore", "pmCompare", "pmDelete"}) {
            EXPECT_FALSE(run.MenuItem(item).enabled) << item;
        }
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
    }
}

TEST_F(LayoutsPageTest, BeforeAnyGridIsPressedTheMenuIsLeftAsItIs) {
    Create();
    StoreManual("Home", "");
    Show();
    OpenMenu();
    EXPECT_EQ(MenuItem("pmDelete").caption, "Удалить запись");
    for (const char* item : {"pmRestore", "pmCompare", "pmDelete"}) EXPECT_TRUE(MenuItem(item).enabled) << item;
    EXPECT_EQ(page().PopupMenu1.Tag, 0);
}

// --- Deleting ---

TEST(LayoutsPageDeleteTest, DeletingARowAsksAndMakesTheFollowingRowCurrent) {
    const struct {
        const char* what;
        int chosen;
        bool yes;
        bool byKey;
        std::vector<std::string> left;
        int current;  // 0-based
    } cases[] = {
        {"second row by the menu", 1, true, false, {"a", "c", "d", "e"}, 1},
        {"second row by the Delete key", 1, true, true, {"a", "c", "d", "e"}, 1},
        {"last row", 4, true, false, {"a", "b", "c", "d"}, 3},
        {"first row", 0, true, false, {"b", "c", "d", "e"}, 0},
        {"answered No", 1, false, false, {"a", "b", "c", "d", "e"}, 1},
        {"answered No to the key", 3, false, true, {"a", "b", "c", "d", "e"}, 3},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        LayoutsPageRun run;
        run.Create();
        for (const char* name : {"a", "b", "c", "d", "e"}) run.StoreManual(name, "");
        run.Show();
        run.fakes.dialogs.answers = {tc.yes};
        ui::Grid& grid = run.Page().Grid1;
        run.ChooseRow(grid, tc.chosen);

        if (tc.byKey) run.PressKey(grid, kDelete);
        else run.Command("pmDelete");

        EXPECT_EQ(run.fakes.dialogs.questions, std::vector<std::string>{kDeleteQuestion});
        EXPECT_EQ(run.ManualNames(), tc.left);
        EXPECT_EQ(run.Names(grid), tc.left);
        EXPECT_EQ(grid.Row(), tc.current);
        EXPECT_EQ(run.panel->db.sqlTable.RecNo(), tc.current + 1);
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
    }
}

TEST_F(LayoutsPageTest, DeletingAnAutomaticRowRemovesEveryRowOfTheSameNameAndTime) {
    Create();
    StoreManual("Home", "");
    StoreAutomatic("07.12.2026", "10:00:00", "x:1:1*");
    StoreAutomatic("08.12.2026", "11:00:00", "x:2:2*");
    StoreAutomatic("09.12.2026", "10:00:00", "x:3:3*");
    Show();
    ChooseRow(page().Grid2, 2);

    Command("pmDelete");

    EXPECT_THAT(AutomaticRows(), ElementsAre(AutomaticRow{"08.12.2026", "11:00:00", kAutoName, "x:2:2*"}));
    EXPECT_THAT(page().Grid2.Rows(), ElementsAre(ElementsAre("08.12.2026", "11:00:00", kAutoName)));
    EXPECT_EQ(page().Grid2.Row(), 0);
    EXPECT_THAT(ManualNames(), ElementsAre("Home"));
}

// --- Restoring ---

TEST(LayoutsPageRestoreTest, RestoringMovesTheStoredIconsKeepsTheOthersAndTheChosenRow) {
    const struct {
        const char* what;
        bool automatic;
        std::function<void(LayoutsPageRun&, ui::Grid&)> restore;
    } cases[] = {
        {"menu, manual", false, [](LayoutsPageRun& run, ui::Grid&) { run.Command("pmRestore"); }},
        {"Enter, manual", false, [](LayoutsPageRun& run, ui::Grid& grid) { run.PressKey(grid, kEnter); }},
        {"double click, manual", false, [](LayoutsPageRun& run, ui::Grid& grid) { run.DoubleClick(grid, 2); }},
        {"menu, automatic", true, [](LayoutsPageRun& run, ui::Grid&) { run.Command("pmRestore"); }},
        {"double click, automatic", true, [](LayoutsPageRun& run, ui::Grid& grid) { run.DoubleClick(grid, 2); }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        LayoutsPageRun run;
        PutTwoIcons(run);
        run.fakes.desktopList.items.push_back({"Notes", 50, 60});
        run.Create();
        const char* layouts[] = {"Mail:1:1*", "Mail:2:2*", "Корзина:300:400*Mail:100:200*Gone:5:5*", "Mail:4:4*"};
        int hour = 10;
        for (const char* layout : layouts) {
            run.StoreManual("m" + std::to_string(hour), layout);
            run.StoreAutomatic("09.12.2026", std::to_string(hour++) + ":00:00", layout);
        }
        run.Show();
        ui::Grid& grid = tc.automatic ? run.Page().Grid2 : run.Page().Grid1;
        run.ChooseRow(grid, 2);

        tc.restore(run, grid);

        EXPECT_EQ(run.PlaceOf("Mail"), std::make_pair(100, 200));
        EXPECT_EQ(run.PlaceOf("Корзина"), std::make_pair(300, 400));
        EXPECT_EQ(run.PlaceOf("Notes"), std::make_pair(50, 60));
        EXPECT_THAT(run.Page().ListTemp, ElementsAre("Корзина:300:400", "Mail:100:200", "Gone:5:5"));
        EXPECT_EQ(grid.Rows().size(), 4u);
        EXPECT_EQ(grid.Row(), 2);
        const ResultSet& table = tc.automatic ? run.panel->db.sqlTable2 : run.panel->db.sqlTable;
        EXPECT_EQ(table.RecNo(), 3);
        EXPECT_THAT(run.fakes.dialogs.questions, IsEmpty());
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
        EXPECT_TRUE(run.fakes.desktopList.AllReleased());
    }
}

// --- Keys and the mouse in the grids ---

TEST_F(LayoutsPageTest, KeysInAGridWhoseTableIsEmptyDoNothingAtAll) {
    Create();
    StoreAutomatic("09.12.2026", "12:05:09", "Mail:1:1*");
    Show();
    ChooseRow(page().Grid2, 0);
    const std::vector<std::string> before = page().ListTemp;

    for (const int key : {kEnter, kDelete, int{'A'}}) PressKey(page().Grid1, key);

    EXPECT_EQ(page().PopupMenu1.Tag, 2);
    EXPECT_EQ(page().ListTemp, before);
    EXPECT_THAT(fakes.dialogs.questions, IsEmpty());
    EXPECT_THAT(fakes.desktopList.moves, IsEmpty());
    EXPECT_EQ(AutomaticRows().size(), 1u);
}

TEST_F(LayoutsPageTest, AnyOtherKeyInAGridOnlyMakesItsTableActive) {
    Create();
    StoreManual("Home", "Mail:1:1*");
    StoreAutomatic("09.12.2026", "12:05:09", "Mail:2:2*");
    Show();
    Press(page().Grid2);

    PressKey(page().Grid1, 40);  // arrow down

    EXPECT_EQ(page().PopupMenu1.Tag, 1);
    EXPECT_THAT(page().ListTemp, IsEmpty());
    EXPECT_THAT(fakes.dialogs.questions, IsEmpty());
    EXPECT_THAT(fakes.desktopList.moves, IsEmpty());
    OpenMenu();
    EXPECT_EQ(MenuItem("pmDelete").caption, "Удалить запись: Home");
}

TEST_F(LayoutsPageTest, PressingAGridMakesItsTableTheOneTheCommandsActOn) {
    Create();
    StoreManual("Home", "Mail:1:1*");
    StoreAutomatic("09.12.2026", "12:05:09", "Mail:2:2*");
    Show();

    Press(page().Grid2);
    EXPECT_EQ(page().PopupMenu1.Tag, 2);
    Command("pmRestore");
    EXPECT_THAT(page().ListTemp, ElementsAre("Mail:2:2"));

    Press(page().Grid1);
    EXPECT_EQ(page().PopupMenu1.Tag, 1);
    Command("pmRestore");
    EXPECT_THAT(page().ListTemp, ElementsAre("Mail:1:1"));
}

// --- The desktop out of reach ---

TEST_F(LayoutsPageTest, WithoutTheDesktopListASaveStillStoresAnEmptyLayout) {
    fakes.desktopList.listFound = false;
    Create();
    Show();

    SaveAs("Work");

    EXPECT_THAT(ManualRows(), ElementsAre(ManualRow{"09.12.2026", "Work", ""}));
    EXPECT_THAT(fakes.dialogs.errors, Contains(Pair("Desktop' не найден :(", "Error")));
    EXPECT_EQ(page().eInputName.Text(), "");
}

TEST_F(LayoutsPageTest, WhenTheShellRefusesASaveStoresNothingAndARestoreHasFetchedAlready) {
    Create();
    StoreManual("Home", "Mail:1:1*");
    StoreManual("Work", "Mail:2:2*");
    Show();

    fakes.desktopList.FailAt(FakeDesktopList::Step::Open);
    SaveAs("New");
    EXPECT_EQ(fakes.dialogs.exceptions.size(), 1u);
    EXPECT_THAT(ManualNames(), ElementsAre("Home", "Work"));
    EXPECT_EQ(page().eInputName.Text(), "New");
    // The grid and the rows the commands act on still agree.
    EXPECT_THAT(Names(page().Grid1), ElementsAre("Home", "Work"));
    EXPECT_EQ(panel->db.sqlTable.RecordCount(), 2);

    ChooseRow(page().Grid1, 1);
    fakes.desktopList.FailAt(FakeDesktopList::Step::Open);
    Command("pmRestore");
    EXPECT_EQ(fakes.dialogs.exceptions.size(), 2u);
    EXPECT_THAT(page().ListTemp, ElementsAre("Mail:2:2"));
    EXPECT_EQ(page().Grid1.Row(), 1);
    EXPECT_EQ(PlaceOf("Mail"), std::make_pair(10, 20));
    EXPECT_TRUE(fakes.desktopList.AllReleased());
}

}  // namespace
}  // namespace orvella
