#pragma once
#include "platform/save_dialog.h"

namespace orvella {

// The common "Save as" dialog, resizable, without the read-only box and without a default
// extension.
class Win32SaveDialog : public SaveDialog {
public:
    std::optional<std::string> ChooseSavePath(const std::string& filterName, const std::string& pattern) override;
};

}  // namespace orvella
