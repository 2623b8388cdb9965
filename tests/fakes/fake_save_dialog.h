#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/save_dialog.h"

namespace orvella {

// Answers with `choice` (none: cancelled) and keeps the filters it was shown.
class FakeSaveDialog : public SaveDialog {
public:
    std::optional<std::string> ChooseSavePath(const std::string& filterName, const std::string& pattern) override {
        filters.push_back(filterName + "|" + pattern);
        return choice;
    }

    std::optional<std::string> choice;
    std::vector<std::string> filters;
};

}  // namespace orvella
