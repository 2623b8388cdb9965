#pragma once
#include <optional>
#include <string>

namespace orvella {

// The system's folder picker: a tree of folders that starts at the computer's drives.
class FolderDialog {
public:
    virtual ~FolderDialog() = default;
    // Opens at `startFolder` when it names a folder; the chosen folder's full path, none when the
    // user cancelled.
    virtual std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder) = 0;
};

}  // namespace orvella
