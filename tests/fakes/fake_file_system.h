#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/file_system.h"

namespace orvella {

// Files in memory. Writes to a path can be refused, at once or after a number of successful ones,
// and a file can be made unreadable while it still exists.
class FakeFileSystem : public FileSystem {
public:
    static constexpr const char* kRefusalReason = "Access is denied.";

    bool FileExists(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    void WriteFile(const std::string& path, const std::string& bytes) override;
    void RemoveFile(const std::string& path) noexcept override { files.erase(path); }

    // Writes to `path` fail with FileWriteError after `allowed` more have succeeded.
    void RefuseWrites(const std::string& path, int allowed = 0) { writesAllowed_[path] = allowed; }

    std::map<std::string, std::string> files;
    std::set<std::string> unreadable;
    std::vector<std::string> writes;  // paths of the successful writes, in order

private:
    std::map<std::string, int> writesAllowed_;
};

}  // namespace orvella
