#pragma once
#include "platform/sqlite_library.h"

namespace orvella {

// The engine linked into a native build; the library path is not used.
class LinkedSqlite : public SqliteLoader {
public:
    const SqliteApi* Load(const std::string& libraryPath) override;
};

}  // namespace orvella
