#pragma once
#include <map>
#include <memory>

#include "platform/sqlite_library.h"

namespace orvella {

// The engine from a DLL loaded at run time. A library, once loaded with all its entry points,
// stays loaded for the rest of the run.
class Win32SqliteLoader : public SqliteLoader {
public:
    const SqliteApi* Load(const std::string& libraryPath) override;

private:
    std::map<std::string, std::unique_ptr<SqliteApi>> loaded_;
};

}  // namespace orvella
