#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/folder_dialog.h"

namespace orvella {

// Answers with the scripted choices in turn (none: cancelled) and keeps where each showing opened.
class FakeFolderDialog : public FolderDialog {
public:
    std::optional<std::string> ChooseFolder(const std::string& title, const std::string& startFolder) override {
        titles.push_back(title);
        startFolders.push_back(startFolder);
        if (choices.empty()) return std::nullopt;
        auto choice = choices.front();
        choices.erase(choices.begin());
        return choice;
    }

    std::vector<std::optional<std::string>> choices;
    std::vector<std::string> titles;
    std::vector<std::string> startFolders;
};

}  // namespace orvella
