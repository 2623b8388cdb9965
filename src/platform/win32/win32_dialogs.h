#pragma once
#include "platform/dialogs.h"

namespace orvella {

// Message boxes owned by the thread's active window, brought up on top of everything.
class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(std::string applicationTitle) : title_(std::move(applicationTitle)) {}

    void ShowMessage(const std::string& text) override;
    void ShowException(const std::string& text) override;
    void ShowError(const std::string& text, const std::string& title) override;
    bool ShowDlg(const std::string& question) override;

private:
    std::string title_;
};

}  // namespace orvella
