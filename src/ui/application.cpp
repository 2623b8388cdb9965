#include "ui/application.h"

#include <exception>
#include <set>

#include "platform/dialogs.h"
#include "ui/form.h"

namespace orvella::ui {

void Application::CreateForm(Form& form) {
    forms_.push_back(&form);
    BindForm(form);
    Dispatch([&form] { form.FormCreate(); });
}

void Application::Run() {
    if (Form* main = MainForm()) {
        Dispatch([main] { main->Show(); });
        RunLoop();
    }
    RunDestroyHandlers();
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) UnbindForm(**it);
    forms_.clear();
}

// Several windows keep their settings in one file: when it refuses them, the user is told once.
void Application::RunDestroyHandlers() {
    if (destroyHandlersRun_) return;
    destroyHandlersRun_ = true;
    std::set<std::string> shown;
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        Form& form = **it;
        const auto error = RunCatching([&form] { form.FormDestroy(); });
        if (error && shown.insert(*error).second) dialogs_.ShowException(*error);
    }
}

void Application::Terminate() {
    if (terminated_) return;
    terminated_ = true;
    OnTerminate();
}

void Application::Dispatch(const std::function<void()>& handler) {
    if (const auto error = RunCatching(handler)) dialogs_.ShowException(*error);
}

std::optional<std::string> Application::RunCatching(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "Unknown error";
    }
    return std::nullopt;
}

void Application::SetModal(Form& form, bool modal) { form.modal_ = modal; }

std::string ApplicationTitleFromPath(const std::string& executablePath) {
    const auto slash = executablePath.find_last_of("\\/");
    std::string name = slash == std::string::npos ? executablePath : executablePath.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    for (std::size_t i = 1; i < name.size(); ++i) {
        if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
    }
    return name;
}

}  // namespace orvella::ui
