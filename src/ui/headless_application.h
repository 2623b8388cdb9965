#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/application.h"
#include "ui/form.h"

namespace orvella::ui {

// The application without native windows: forms run their handlers on their models only. Tests
// drive it by calling handlers and firing timers.
class HeadlessApplication : public Application {
public:
    using Application::Application;

    void ProcessMessages() override { ++processMessagesCalls; }
    void HideTaskbarEntry() override { taskbarEntryHidden = true; }
    void RunModal(Form& form) override;
    void DragWindow(Form& form) override { draggedForms.push_back(form.Name()); }
    void RaiseWindow(Form& form) override { raisedForms.push_back(form.Name()); }

    // What the user does while a modal form is up; without it the form is left open.
    std::function<void(Form&)> whileModal;

    int processMessagesCalls = 0;
    std::vector<std::string> draggedForms;
    std::vector<std::string> raisedForms;
    bool taskbarEntryHidden = false;
    std::vector<std::string> createdForms;

protected:
    void BindForm(Form& form) override;
    void UnbindForm(Form&) override {}
    void RunLoop() override {}
    void OnTerminate() override {}
};

}  // namespace orvella::ui
