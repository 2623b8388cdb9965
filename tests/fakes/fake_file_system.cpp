#include "fakes/fake_file_system.h"

#include "platform/errors.h"

namespace orvella {

bool FakeFileSystem::FileExists(const std::string& path) const { return files.contains(path); }

std::optional<std::string> FakeFileSystem::ReadFile(const std::string& path) const {
    const auto found = files.find(path);
    if (found == files.end() || unreadable.contains(path)) return std::nullopt;
    return found->second;
}

void FakeFileSystem::WriteFile(const std::string& path, const std::string& bytes) {
    if (const auto limit = writesAllowed_.find(path); limit != writesAllowed_.end()) {
        if (limit->second == 0) throw FileWriteError(path, kRefusalReason);
        --limit->second;
    }
    files[path] = bytes;
    writes.push_back(path);
}

}  // namespace orvella
