#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/folder_enumerator.h"

namespace orvella {

// Folders in memory, with Windows paths. Entries list in the order they were added; adding an
// entry adds the folders above it as plain folders where they are missing.
class FakeFolderTree : public FolderEnumerator {
public:
    void AddFile(const std::string& path, std::uint64_t size = 0, bool hidden = false, bool system = false);
    void AddFolder(const std::string& path, bool hidden = false, bool system = false);

    void List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const override;

    // The folders asked for, in order.
    mutable std::vector<std::string> listed;
    // Runs before each folder is listed, as events arriving during a scan would.
    std::function<void()> onList;

private:
    void Add(const std::string& path, DirEntry entry);

    std::map<std::string, std::vector<DirEntry>> folders_;  // by path with a trailing backslash
};

}  // namespace orvella
