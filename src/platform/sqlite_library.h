#pragma once
#include <sqlite3.h>

#include <string>

namespace orvella {

// The few engine entry points the program uses, filled from a library loaded at run time
// (drvdb.dll) or from the engine linked into a native build.
struct SqliteApi {
    decltype(&sqlite3_open_v2) open_v2;
    decltype(&sqlite3_close_v2) close_v2;
    decltype(&sqlite3_prepare_v2) prepare_v2;
    decltype(&sqlite3_bind_text) bind_text;
    decltype(&sqlite3_step) step;
    decltype(&sqlite3_column_count) column_count;
    decltype(&sqlite3_column_name) column_name;
    decltype(&sqlite3_column_text) column_text;
    decltype(&sqlite3_column_bytes) column_bytes;
    decltype(&sqlite3_finalize) finalize;
    decltype(&sqlite3_errmsg) errmsg;
};

class SqliteLoader {
public:
    virtual ~SqliteLoader() = default;
    // Null when the library cannot be loaded or lacks an entry point. The table lives as long
    // as the loader.
    virtual const SqliteApi* Load(const std::string& libraryPath) = 0;
};

}  // namespace orvella
