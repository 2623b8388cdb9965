#include "icons/layout_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "fakes/fake_sqlite_loader.h"
#include "fakes/temp_dir.h"
#include "platform/cp1251_codec.h"
#include "platform/native/native_file_system.h"

namespace orvella {
namespace {

class LayoutDatabaseTest : public ::testing::Test {
protected:
    void OpenBoth() {
        db.sqlDB.Open(dir.Dir());
        db.sqlDB2.Open(dir.Dir());
        db.SqlQuery(LayoutDatabase::kCreateManualTable);
        db.SqlQuery2(LayoutDatabase::kCreateAutomaticTable);
    }

    // Reads a column's stored bytes with the engine directly, bypassing the code page conversion.
    std::string RawBytes(const std::string& sql) {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(dir.File("db.spb").c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(raw, sql.c_str(), -1, &stmt, nullptr);
        std::string bytes;
        if (sqlite3_step(stmt) == SQLITE_ROW) {
            bytes.assign(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)),
                         static_cast<std::size_t>(sqlite3_column_bytes(stmt, 0)));
        }
        sqlite3_finalize(stmt);
        sqlite3_close(raw);
        return bytes;
    }

    TempDir dir;
    NativeFileSystem files;
    FakeSqliteLoader loader;
    Cp1251Codec codec;
    LayoutDatabase db{files, loader, codec};
};

TEST_F(LayoutDatabaseTest, OpeningFailsWithoutTheDatabaseFileAndNeverCreatesIt) {
    EXPECT_THROW(db.sqlDB.Open(dir.Dir()), DatabaseOpenError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("db.spb")));
    EXPECT_FALSE(db.SqlQuery(LayoutDatabase::kCreateManualTable));
    EXPECT_FALSE(std::filesystem::exists(dir.File("db.spb")));
}

TEST_F(LayoutDatabaseTest, OpeningFailsWithoutTheEngineLibrary) {
    dir.Write("db.spb", "");
    loader.libraryMissing = true;
    EXPECT_THROW(db.sqlDB.Open(dir.Dir()), DatabaseOpenError);
}

TEST_F(LayoutDatabaseTest, OpeningFailsForAFileThatIsNoDatabase) {
    dir.Write("db.spb", std::string(4096, '\x5a'));
    EXPECT_THROW(db.sqlDB.Open(dir.Dir()), DatabaseOpenError);
    EXPECT_EQ(dir.Read("db.spb"), std::string(4096, '\x5a'));
}

TEST_F(LayoutDatabaseTest, AnEmptyFileOpensAndGetsItsTablesOnce) {
    dir.Write("db.spb", "");
    db.sqlDB.Open(dir.Dir());
    db.sqlDB2.Open(dir.Dir());
    EXPECT_TRUE(db.SqlQuery(LayoutDatabase::kCreateManualTable));
    EXPECT_TRUE(db.SqlQuery2(LayoutDatabase::kCreateAutomaticTable));
    ASSERT_TRUE(db.SqlQuery({"INSERT INTO dbOV (date,name,data) VALUES (?1,?2,?3)", {"09.12.2026", "a", "x:1:2*"}}));

    // A later start finds the tables: creating them fails quietly and the rows stay.
    EXPECT_FALSE(db.SqlQuery(LayoutDatabase::kCreateManualTable));
    EXPECT_FALSE(db.SqlQuery2(LayoutDatabase::kCreateAutomaticTable));
    ASSERT_TRUE(db.SqlQuery({"SELECT * FROM dbOV", {}}));
    EXPECT_EQ(db.sqlTable.RecordCount(), 1);
}

TEST_F(LayoutDatabaseTest, ValuesAreBoundSoQuotesAndColumnNamesAreJustText) {
    dir.Write("db.spb", "");
    OpenBoth();
    for (const char* name : {"plain", "name", "with \"quote\"", "id"}) {
        ASSERT_TRUE(db.SqlQuery({"INSERT INTO dbOV (date,name,data) VALUES (?1,?2,?3)", {"01.01.2026", name, name}}));
    }
    ASSERT_TRUE(db.SqlQuery({"SELECT data FROM dbOV WHERE (name = ?1)", {"name"}}));
    EXPECT_EQ(db.sqlTable.RecordCount(), 1);
    EXPECT_EQ(db.sqlTable.FieldAsText("data"), "name");

    ASSERT_TRUE(db.SqlQuery({"DELETE FROM dbOV WHERE (name = ?1)", {"with \"quote\""}}));
    ASSERT_TRUE(db.SqlQuery({"SELECT * FROM dbOV", {}}));
    EXPECT_EQ(db.sqlTable.RecordCount(), 3);
}

TEST_F(LayoutDatabaseTest, TextsAreStoredAsAnsiBytesAndReadBackAsTheyWere) {
    dir.Write("db.spb", "");
    OpenBoth();
    ASSERT_TRUE(db.SqlQuery2({"INSERT INTO dbOV2 (date,name,time,data) VALUES (?1,?2,?3,?4)",
                              {"09.12.2026", "Авто сохранение", "12:05:09", "Корзина:10:20*"}}));
    EXPECT_EQ(RawBytes("SELECT name FROM dbOV2"), codec.ToAnsi("Авто сохранение"));
    EXPECT_EQ(RawBytes("SELECT name FROM dbOV2").size(), std::string("Авто сохранение").size() / 2 + 1);

    ASSERT_TRUE(db.SqlQuery2({"SELECT * FROM dbOV2", {}}));
    EXPECT_EQ(db.sqlTable2.FieldAsText("NAME"), "Авто сохранение");
    EXPECT_EQ(db.sqlTable2.FieldAsText("date"), "09.12.2026");
    EXPECT_EQ(db.sqlTable2.FieldAsText("time"), "12:05:09");
    EXPECT_EQ(db.sqlTable2.FieldAsText("data"), "Корзина:10:20*");
}

TEST_F(LayoutDatabaseTest, AFailedStatementClosesItsResultAndNeverRaises) {
    dir.Write("db.spb", "");
    OpenBoth();
    EXPECT_FALSE(db.SqlQuery({"SELECT * FROM missing_table", {}}));
    EXPECT_FALSE(db.sqlTable.Active());
    EXPECT_THROW((void)db.sqlTable.RecordCount(), ResultSetError);
}

TEST_F(LayoutDatabaseTest, AnEmptyStatementSendsNothingAndSucceeds) {
    EXPECT_TRUE(db.SqlQuery({"", {}}));
    EXPECT_EQ(loader.loads, 0);
}

TEST(ResultSet, KeepsACurrentRowWithinItsRows) {
    ResultSet rows;
    rows.Load({"id", "name"}, {{"1", "a"}, {"2", "b"}, {"3", "c"}});
    EXPECT_EQ(rows.RecNo(), 1);
    rows.SetRecNo(3);
    EXPECT_EQ(rows.FieldAsText("name"), "c");
    rows.SetRecNo(9);
    EXPECT_EQ(rows.RecNo(), 3);
    EXPECT_THROW((void)rows.FieldAsText("nope"), ResultSetError);

    rows.Load({"id"}, {});
    EXPECT_EQ(rows.RecNo(), 0);
    EXPECT_EQ(rows.FieldAsText("id"), "");
}

}  // namespace
}  // namespace orvella
