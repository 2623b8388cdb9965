#pragma once
#include "platform/native/linked_sqlite.h"

namespace orvella {

// The linked engine, or no engine at all when the library is to be "missing".
class FakeSqliteLoader : public SqliteLoader {
public:
    const SqliteApi* Load(const std::string& libraryPath) override {
        ++loads;
        return libraryMissing ? nullptr : linked.Load(libraryPath);
    }
    bool libraryMissing = false;
    int loads = 0;

private:
    LinkedSqlite linked;
};

}  // namespace orvella
