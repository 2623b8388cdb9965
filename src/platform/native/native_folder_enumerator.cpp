#include "platform/native/native_folder_enumerator.h"

#include <algorithm>
#include <filesystem>

namespace orvella {

namespace fs = std::filesystem;

void NativeFolderEnumerator::List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const {
    std::string path = folder;
    std::replace(path.begin(), path.end(), '\\', '/');
    std::error_code ec;
    fs::directory_iterator it(path, ec);
    if (ec) return;
    DirEntry entry;
    for (; it != fs::directory_iterator(); it.increment(ec)) {
        if (ec) return;
        entry.name = it->path().filename().string();
        entry.isFolder = it->is_directory(ec);
        entry.hidden = entry.name.starts_with('.');
        entry.system = false;
        entry.size = entry.isFolder ? 0 : it->file_size(ec);
        if (ec) continue;  // gone since it was listed
        visit(entry);
    }
}

}  // namespace orvella
