#include "e2e/layout_rows.h"

#include <sqlite3.h>

#include <cstdio>
#include <memory>
#include <stdexcept>

#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace {

using Database = std::unique_ptr<sqlite3, decltype(&sqlite3_close)>;
using Statement = std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)>;

Database Open(const std::string& file, int flags) {
    sqlite3* handle = nullptr;
    const int opened = sqlite3_open_v2(file.c_str(), &handle, flags, nullptr);
    Database database(handle, &sqlite3_close);
    if (opened != SQLITE_OK) throw std::runtime_error("cannot open " + file + ": " + sqlite3_errstr(opened));
    // The running program may be writing: wait for it rather than fail.
    sqlite3_busy_timeout(database.get(), 5000);
    return database;
}

Statement Prepare(sqlite3* database, const std::string& sql) {
    sqlite3_stmt* handle = nullptr;
    if (sqlite3_prepare_v2(database, sql.c_str(), -1, &handle, nullptr) != SQLITE_OK)
        throw std::runtime_error(sql + ": " + sqlite3_errmsg(database));
    return Statement(handle, &sqlite3_finalize);
}

std::string ColumnBytes(sqlite3_stmt* statement, int column) {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, column));
    return bytes ? std::string(bytes, static_cast<size_t>(sqlite3_column_bytes(statement, column))) : std::string();
}

void BindBytes(sqlite3_stmt* statement, int parameter, const std::string& bytes) {
    sqlite3_bind_text(statement, parameter, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
}

}  // namespace

std::vector<AutomaticSave> ReadAutomaticSaves(const std::string& databaseFile) {
    const Database database = Open(databaseFile, SQLITE_OPEN_READONLY);
    Statement exists = Prepare(database.get(), "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'dbOV2'");
    if (sqlite3_step(exists.get()) != SQLITE_ROW) return {};
    Statement select = Prepare(database.get(), "SELECT id, date, time, name, data FROM dbOV2 ORDER BY id");
    std::vector<AutomaticSave> rows;
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
        sqlite3_stmt* row = select.get();
        rows.push_back({sqlite3_column_int64(row, 0), ColumnBytes(row, 1), ColumnBytes(row, 2), ColumnBytes(row, 3),
                        ColumnBytes(row, 4)});
    }
    if (step != SQLITE_DONE) throw std::runtime_error(std::string("reading dbOV2: ") + sqlite3_errmsg(database.get()));
    return rows;
}

std::vector<std::string> ReadManualNames(const std::string& databaseFile) {
    const Database database = Open(databaseFile, SQLITE_OPEN_READONLY);
    Statement exists = Prepare(database.get(), "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'dbOV'");
    if (sqlite3_step(exists.get()) != SQLITE_ROW) return {};
    Statement select = Prepare(database.get(), "SELECT name FROM dbOV ORDER BY id");
    std::vector<std::string> names;
    int step;
    while ((step = sqlite3_step(select.get())) == SQLITE_ROW) names.push_back(ColumnBytes(select.get(), 0));
    if (step != SQLITE_DONE) throw std::runtime_error(std::string("reading dbOV: ") + sqlite3_errmsg(database.get()));
    return names;
}

std::vector<AutomaticSave> AddAutomaticSaves(const std::string& databaseFile,
                                             const std::vector<std::string>& dataBytes) {
    {
        const Database database = Open(databaseFile, SQLITE_OPEN_READWRITE);
        Statement create = Prepare(database.get(),
                                   "CREATE TABLE IF NOT EXISTS dbOV2 (id INTEGER PRIMARY KEY AUTOINCREMENT, date DATE, "
                                   "time TIME, name CHAR(24), data BLOB)");
        if (sqlite3_step(create.get()) != SQLITE_DONE) throw std::runtime_error("cannot create dbOV2");
        Statement insert = Prepare(database.get(), "INSERT INTO dbOV2 (date,name,time,data) VALUES (?1,?2,?3,?4)");
        const std::string name = Cp1251Codec().ToAnsi("Авто сохранение");
        for (size_t i = 0; i < dataBytes.size(); ++i) {
            const std::string& data = dataBytes[i];
            // Distinct times, as saves made at different moments have.
            char time[16];
            std::snprintf(time, sizeof time, "10:%02zu:00", i % 60);
            BindBytes(insert.get(), 1, "01.02.2024");
            BindBytes(insert.get(), 2, name);
            BindBytes(insert.get(), 3, time);
            BindBytes(insert.get(), 4, data);
            if (sqlite3_step(insert.get()) != SQLITE_DONE) throw std::runtime_error("cannot insert into dbOV2");
            sqlite3_reset(insert.get());
        }
    }
    return ReadAutomaticSaves(databaseFile);
}

}  // namespace orvella::e2e
