#include "icons/sql_connection.h"

#include <memory>

#include "icons/result_set.h"
#include "platform/ansi_codec.h"
#include "platform/file_system.h"
#include "platform/sqlite_library.h"

namespace orvella {
namespace {

class StatementError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace

SqlConnection::SqlConnection(FileSystem& files, SqliteLoader& loader, const AnsiCodec& codec)
    : files_(files), loader_(loader), codec_(codec) {}

SqlConnection::~SqlConnection() { Close(); }

void SqlConnection::Close() {
    if (db_ != nullptr) api_->close_v2(db_);
    db_ = nullptr;
}

void SqlConnection::Open(const std::string& programDir) {
    Close();
    const std::string databasePath = programDir + kDatabaseFile;
    if (!files_.FileExists(databasePath)) throw DatabaseOpenError("Database file not found: " + databasePath);
    api_ = loader_.Load(programDir + kEngineLibrary);
    if (api_ == nullptr) throw DatabaseOpenError("Cannot load " + programDir + kEngineLibrary);

    // Without SQLITE_OPEN_CREATE the engine never makes the file itself.
    sqlite3* db = nullptr;
    const int rc = api_->open_v2(databasePath.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    db_ = db;
    if (rc != SQLITE_OK) {
        const std::string reason = db != nullptr ? api_->errmsg(db) : "out of memory";
        Close();
        throw DatabaseOpenError("Cannot open " + databasePath + ": " + reason);
    }
    // Opening is lazy; reading the schema tells a database from any other file.
    ResultSet probe;
    if (!Execute({"SELECT count(*) FROM sqlite_master", {}}, probe)) {
        const std::string reason = api_->errmsg(db_);
        Close();
        throw DatabaseOpenError("Cannot read " + databasePath + ": " + reason);
    }
}

bool SqlConnection::Execute(const SqlStatement& statement, ResultSet& result) {
    result.Close();
    try {
        Run(statement, result);
        return true;
    } catch (const StatementError&) {
        result.Close();
        return false;
    }
}

void SqlConnection::Run(const SqlStatement& statement, ResultSet& result) {
    if (db_ == nullptr) throw StatementError("not connected");
    sqlite3_stmt* raw = nullptr;
    if (api_->prepare_v2(db_, statement.text.c_str(), -1, &raw, nullptr) != SQLITE_OK || raw == nullptr) {
        throw StatementError(api_->errmsg(db_));
    }
    const auto finalize = [this](sqlite3_stmt* s) { api_->finalize(s); };
    std::unique_ptr<sqlite3_stmt, decltype(finalize)> stmt(raw, finalize);

    for (std::size_t i = 0; i < statement.values.size(); ++i) {
        const std::string value = codec_.ToAnsi(statement.values[i]);
        if (api_->bind_text(stmt.get(), static_cast<int>(i + 1), value.data(), static_cast<int>(value.size()),
                            SQLITE_TRANSIENT) != SQLITE_OK) {
            throw StatementError(api_->errmsg(db_));
        }
    }

    const int columnCount = api_->column_count(stmt.get());
    std::vector<std::string> columns;
    for (int c = 0; c < columnCount; ++c) columns.emplace_back(api_->column_name(stmt.get(), c));

    std::vector<std::vector<std::string>> rows;
    for (;;) {
        const int rc = api_->step(stmt.get());
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) throw StatementError(api_->errmsg(db_));
        auto& row = rows.emplace_back();
        for (int c = 0; c < columnCount; ++c) {
            const auto* text = reinterpret_cast<const char*>(api_->column_text(stmt.get(), c));
            const int size = api_->column_bytes(stmt.get(), c);
            row.push_back(text == nullptr ? std::string() : codec_.FromAnsi(std::string_view(text, static_cast<std::size_t>(size))));
        }
    }
    result.Load(std::move(columns), std::move(rows));
}

}  // namespace orvella
