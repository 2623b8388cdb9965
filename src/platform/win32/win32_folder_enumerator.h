#pragma once
#include "platform/folder_enumerator.h"

namespace orvella {

// Folder listing through FindFirstFileW / FindNextFileW.
class Win32FolderEnumerator : public FolderEnumerator {
public:
    void List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const override;
};

}  // namespace orvella
