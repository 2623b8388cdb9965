#pragma once
#include <string>
#include <vector>

#include "ui/application.h"

namespace orvella::ui {

// The application without native windows: forms run their handlers on their models only. Tests
// drive it by calling handlers and firing timers.
class HeadlessApplication : public Application {
public:
    using Application::Application;

    void ProcessMessages() override { ++processMessagesCalls; }
    void HideTaskbarEntry() override { taskbarEntryHidden = true; }
    void RunModal(Form& form) override;

    int processMessagesCalls = 0;
    bool taskbarEntryHidden = false;
    std::vector<std::string> createdForms;

protected:
    void BindForm(Form& form) override;
    void UnbindForm(Form&) override {}
    void RunLoop() override {}
    void OnTerminate() override {}
};

}  // namespace orvella::ui
