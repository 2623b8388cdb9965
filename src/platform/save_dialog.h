#pragma once
#include <optional>
#include <string>

namespace orvella {

// The system's dialog for choosing where to save a file.
class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // One filter entry (a description and a pattern such as "*.txt"); the dialog asks before an
    // existing file is replaced. The chosen path as typed, none when the user cancelled.
    virtual std::optional<std::string> ChooseSavePath(const std::string& filterName, const std::string& pattern) = 0;
};

}  // namespace orvella
