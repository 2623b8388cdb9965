#include "platform/native/linked_sqlite.h"

namespace orvella {

const SqliteApi* LinkedSqlite::Load(const std::string&) {
    static const SqliteApi api{&sqlite3_open_v2,      &sqlite3_close_v2,   &sqlite3_prepare_v2,
                               &sqlite3_bind_text,    &sqlite3_step,       &sqlite3_column_count,
                               &sqlite3_column_name,  &sqlite3_column_text, &sqlite3_column_bytes,
                               &sqlite3_finalize,     &sqlite3_errmsg};
    return &api;
}

}  // namespace orvella
