#include <gtest/gtest.h>
#include <sqlite3.h>

#include "fakes/fake_clock.h"
#include "fakes/fake_collation.h"
#include "fakes/fake_desktop_list.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_sqlite_loader.h"
#include "fakes/temp_dir.h"
#include "icons/icon_engine.h"
#include "icons/layout_auto_save.h"
#include "icons/layout_database.h"
#include "icons/layout_statements.h"
#include "platform/cp1251_codec.h"
#include "platform/native/native_file_system.h"
#include "settings/run_settings.h"

namespace orvella {
namespace {

struct Row {
    int id;
    std::string date, time, name, data;
    bool operator==(const Row&) const = default;
};

class AutoSaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir.Write("db.spb", "");
        db.sqlDB2.Open(dir.Dir());
        db.SqlQuery2(layout_sql::CreateAutomaticTable());
        desktop.items = {{"Mail", 10, -80}, {codec.ToAnsi("Корзина"), 0, 0}, {"docs", 10, 5}};
    }

    // The layout text the fake desktop above gives.
    static constexpr const char* kDesktopLayout = "docs:10:5*Mail:10:-80*Корзина:0:0*";

    void Seed(int rows, const std::string& dataPrefix = "old") {
        for (int i = 1; i <= rows; ++i) {
            ASSERT_TRUE(db.SqlQuery2(layout_sql::InsertAutomatic("01.01.2026", "10:00:0" + std::to_string(i),
                                                                 dataPrefix + std::to_string(i))));
        }
    }

    std::vector<Row> Rows() {
        std::vector<Row> rows;
        sqlite3* raw = nullptr;
        sqlite3_open_v2(dir.File("db.spb").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(raw, "SELECT id, date, time, name, data FROM dbOV2 ORDER BY id", -1, &stmt, nullptr);
        const auto text = [&](int column) {
            return std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)),
                               static_cast<std::size_t>(sqlite3_column_bytes(stmt, column)));
        };
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            rows.push_back({sqlite3_column_int(stmt, 0), text(1), text(2), codec.FromAnsi(text(3)), text(4)});
        }
        sqlite3_finalize(stmt);
        sqlite3_close(raw);
        return rows;
    }

    std::vector<int> Ids() {
        std::vector<int> ids;
        for (const Row& row : Rows()) ids.push_back(row.id);
        return ids;
    }

    void Run(int countautosave, bool unic) {
        RunSettings settings;
        settings.countautosave = countautosave;
        settings.unic = unic;
        autoSave.AutoSaveIcon(settings);
    }

    TempDir dir;
    NativeFileSystem files;
    FakeSqliteLoader loader;
    Cp1251Codec codec;
    LayoutDatabase db{files, loader, codec};
    FakeDesktopList desktop;
    FakeDialogs dialogs;
    FakeSystemInfo system;
    FakeCollation collation;
    FakeClock clock;
    IconEngine icons{desktop, dialogs, system, codec, collation};
    LayoutAutoSave autoSave{icons, db, clock, dialogs};
};

TEST_F(AutoSaveTest, StoresTheSortedLayoutInTheCodePageWithDateTimeAndName) {
    clock.time = "7:05:09";
    Run(5, false);

    const std::vector<Row> rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].date, "09.12.2026");
    EXPECT_EQ(rows[0].time, "7:05:09");
    EXPECT_EQ(rows[0].name, "Авто сохранение");
    EXPECT_EQ(rows[0].data, codec.ToAnsi(kDesktopLayout));
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(desktop.AllReleased());
}

TEST_F(AutoSaveTest, KeepsAtMostCountRowsDroppingTheOldest) {
    struct Case {
        const char* name;
        int count;
        bool unic;
        int seeded;
        bool sameAsNewest;  // the desktop equals the newest stored layout
        std::vector<int> ids;
    };
    const Case cases[] = {
        {"full table, changed layout", 5, false, 5, false, {2, 3, 4, 5, 6}},
        {"count lowered, unchanged layout", 5, true, 8, true, {4, 5, 6, 7, 8}},
        {"one row kept", 1, false, 3, false, {4}},
        {"unchanged layout stored again without unic", 5, false, 5, true, {2, 3, 4, 5, 6}},
        {"count below 1 counts as 1", 0, false, 2, false, {3}},
        {"negative count counts as 1", -3, true, 2, false, {3}},
        {"room left", 5, true, 2, false, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db.SqlQuery2({"DROP TABLE dbOV2", {}});
        db.SqlQuery2(layout_sql::CreateAutomaticTable());
        Seed(c.seeded - (c.sameAsNewest ? 1 : 0));
        if (c.sameAsNewest) {
            ASSERT_TRUE(db.SqlQuery2(layout_sql::InsertAutomatic("01.01.2026", "11:00:00", kDesktopLayout)));
        }

        Run(c.count, c.unic);

        EXPECT_EQ(Ids(), c.ids);
        EXPECT_EQ(Rows().back().data, codec.ToAnsi(kDesktopLayout));
    }
}

TEST_F(AutoSaveTest, UnicFindsAnIdenticalLayoutAmongAllAutomaticSaves) {
    ASSERT_TRUE(db.SqlQuery2(layout_sql::InsertAutomatic("01.01.2026", "09:00:00", kDesktopLayout)));
    Seed(2);

    Run(5, true);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3}));

    // Letter case counts: a layout that differs only in case is a change.
    desktop.items[2].caption = "Docs";
    Run(5, true);
    EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3, 4}));
}

TEST_F(AutoSaveTest, QuotesAndColumnNamesInCaptionsAreStoredAndComparedAsText) {
    desktop.items = {{"Say \"hi\"", 1, 2}, {"name", 3, 4}};
    Run(5, true);
    Run(5, true);

    const std::vector<Row> rows = Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].data, "name:3:4*Say \"hi\":1:2*");
}

TEST_F(AutoSaveTest, AnEmptyLayoutIsReportedAndNothingIsWrittenOrDeleted) {
    struct Case {
        const char* name;
        bool listFound;
        bool icons;
        std::size_t errorBoxes;
    };
    for (const Case& c : {Case{"no desktop list", false, true, 1}, Case{"no icons", true, false, 0}}) {
        SCOPED_TRACE(c.name);
        db.SqlQuery2({"DELETE FROM dbOV2", {}});
        Seed(3);
        dialogs.messages.clear();
        dialogs.errors.clear();
        desktop.listFound = c.listFound;
        if (!c.icons) desktop.items.clear();
        const std::vector<Row> before = Rows();

        Run(1, false);

        EXPECT_EQ(dialogs.messages, std::vector<std::string>{LayoutAutoSave::kEmptyLayoutMessage});
        EXPECT_EQ(dialogs.errors.size(), c.errorBoxes);
        EXPECT_EQ(Rows(), before);
    }
    EXPECT_EQ(std::string(LayoutAutoSave::kEmptyLayoutMessage),
              "Ошибка при сборе информации о положении иконок! (Была нажата кнопка \"Свернуть все окна)\")\r\n"
              "C\xD0\xBEхраните положения иконок вручную. ");
}

TEST_F(AutoSaveTest, AnErrorEndsTheSaveSilently) {
    Seed(3);
    const std::vector<Row> before = Rows();

    desktop.FailAt(FakeDesktopList::Step::Open);
    EXPECT_NO_THROW(Run(1, false));
    EXPECT_EQ(Rows(), before);

    // The automatic table is gone: the first SELECT fails and its row count cannot be read.
    db.SqlQuery2({"DROP TABLE dbOV2", {}});
    EXPECT_NO_THROW(Run(1, false));

    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.errors.empty());
    EXPECT_TRUE(desktop.AllReleased());
}

TEST_F(AutoSaveTest, ADeleteThatFailsOrRemovesNothingEndsTheSaveInsteadOfLooping) {
    struct Case {
        const char* name;
        const char* trigger;
    };
    const Case cases[] = {
        {"delete refused", "CREATE TRIGGER keep BEFORE DELETE ON dbOV2 BEGIN SELECT RAISE(ABORT, 'kept'); END"},
        {"delete silently ignored", "CREATE TRIGGER keep BEFORE DELETE ON dbOV2 BEGIN SELECT RAISE(IGNORE); END"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        db.SqlQuery2({"DROP TABLE dbOV2", {}});
        db.SqlQuery2(layout_sql::CreateAutomaticTable());
        Seed(3);
        sqlite3* raw = nullptr;
        sqlite3_open_v2(dir.File("db.spb").c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
        ASSERT_EQ(sqlite3_exec(raw, c.trigger, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(raw);

        Run(1, false);

        EXPECT_EQ(Ids(), (std::vector<int>{1, 2, 3}));
    }
}

}  // namespace
}  // namespace orvella
