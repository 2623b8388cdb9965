#pragma once
#include "platform/folder_dialog.h"

namespace orvella {

// The shell's folder browser.
class Win32FolderDialog : public FolderDialog {
public:
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder) override;
};

}  // namespace orvella
