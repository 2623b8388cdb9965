#include "platform/win32/win32_sqlite_loader.h"

#include <windows.h>

#include "platform/win32/utf16.h"

namespace orvella {
namespace {

template <typename Function>
bool Resolve(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    return function != nullptr;
}

// Every member of the table must be listed here; this catches one added to the table but not here.
static_assert(sizeof(SqliteApi) == 11 * sizeof(void (*)()), "resolve every entry point of SqliteApi");

bool ResolveAll(HMODULE library, SqliteApi& api) {
    return Resolve(library, "sqlite3_open_v2", api.open_v2) && Resolve(library, "sqlite3_close_v2", api.close_v2) &&
           Resolve(library, "sqlite3_prepare_v2", api.prepare_v2) &&
           Resolve(library, "sqlite3_bind_text", api.bind_text) && Resolve(library, "sqlite3_step", api.step) &&
           Resolve(library, "sqlite3_column_count", api.column_count) &&
           Resolve(library, "sqlite3_column_name", api.column_name) &&
           Resolve(library, "sqlite3_column_text", api.column_text) &&
           Resolve(library, "sqlite3_column_bytes", api.column_bytes) &&
           Resolve(library, "sqlite3_finalize", api.finalize) && Resolve(library, "sqlite3_errmsg", api.errmsg);
}

}  // namespace

const SqliteApi* Win32SqliteLoader::Load(const std::string& libraryPath) {
    if (const auto found = loaded_.find(libraryPath); found != loaded_.end()) return found->second.get();
    HMODULE library = LoadLibraryW(ToUtf16(libraryPath).c_str());
    if (library == nullptr) return nullptr;
    auto api = std::make_unique<SqliteApi>();
    if (!ResolveAll(library, *api)) {
        FreeLibrary(library);
        return nullptr;
    }
    return loaded_.emplace(libraryPath, std::move(api)).first->second.get();
}

}  // namespace orvella
