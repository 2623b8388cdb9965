#pragma once
#include <string>

namespace orvella {

// The program's message boxes. Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A plain box with an OK button, titled with the application's title.
    virtual void ShowMessage(const std::string& text) = 0;
    // The platform's standard error box for an error no handler caught.
    virtual void ShowException(const std::string& text) = 0;
    // An error box with its own title.
    virtual void ShowError(const std::string& text, const std::string& title) = 0;
    // The platform's Yes/No confirmation with a question icon, titled "Confirm"; true on Yes.
    virtual bool ShowDlg(const std::string& question) = 0;
};

}  // namespace orvella
