#pragma once
#include <stdexcept>
#include <string>
#include <vector>

struct sqlite3;

namespace orvella {

class AnsiCodec;
class FileSystem;
class ResultSet;
class SqliteLoader;
struct SqliteApi;

class DatabaseOpenError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One statement: its text with ?1, ?2... placeholders and the values bound to them. Values stay
// out of the text so that no value can change what the statement does.
struct SqlStatement {
    std::string text;
    std::vector<std::string> values;
};

// A connection to the layout database "db.spb" through the engine library "drvdb.dll", both in
// the program's folder. The database file is never created here: it comes with the program.
class SqlConnection {
public:
    SqlConnection(FileSystem& files, SqliteLoader& loader, const AnsiCodec& codec);
    ~SqlConnection();
    SqlConnection(const SqlConnection&) = delete;
    SqlConnection& operator=(const SqlConnection&) = delete;

    static constexpr const char* kDatabaseFile = "db.spb";
    static constexpr const char* kEngineLibrary = "drvdb.dll";

    // Throws DatabaseOpenError when the file is missing, the library cannot be loaded or the engine
    // cannot read the file.
    void Open(const std::string& programDir);
    bool IsOpen() const { return db_ != nullptr; }
    void Close();

    // Runs the statement; a SELECT leaves all its rows in `result`. Returns false on any failure,
    // with `result` closed; never raises.
    bool Execute(const SqlStatement& statement, ResultSet& result);

private:
    void Run(const SqlStatement& statement, ResultSet& result);

    FileSystem& files_;
    SqliteLoader& loader_;
    const AnsiCodec& codec_;
    const SqliteApi* api_ = nullptr;
    sqlite3* db_ = nullptr;
};

}  // namespace orvella
