#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace orvella {

// One entry of a folder as the file system keeps it.
struct DirEntry {
    std::string name;  // without the folder
    bool isFolder = false;
    bool hidden = false;
    bool system = false;
    std::uint64_t size = 0;  // bytes; files only
};

// Lists the entries of one folder, for the picture scan.
class FolderEnumerator {
public:
    virtual ~FolderEnumerator() = default;
    // Calls `visit` for each entry of `folder` (a path ending with a backslash), in the order the
    // file system returns them, hidden and system ones included; "." and ".." are left out. A
    // folder that is missing or cannot be read has no entries.
    virtual void List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const = 0;
};

}  // namespace orvella
