#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace orvella {
class Dialogs;
}

namespace orvella::ui {

class Form;

// The application object: forms in creation order, the run loop and the deferred end request.
// The Win32 binding and the headless one used by tests derive from it.
class Application {
public:
    explicit Application(Dialogs& dialogs) : dialogs_(dialogs) {}
    virtual ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { title_ = std::move(title); }
    Dialogs& GetDialogs() const { return dialogs_; }

    // Creates the native window of the form and runs its FormCreate. The first form created is
    // the main form.
    void CreateForm(Form& form);
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    // Shows the main form, runs the loop until the end is requested, then destroys the forms in
    // the reverse order of their creation.
    void Run();
    // Asks the loop to end; it ends the next time it looks for events.
    void Terminate();
    // The user's session ends and the system is about to stop the process: the forms' destruction
    // handlers, which keep their settings, run now instead of at the end of Run.
    void EndSession() { RunDestroyHandlers(); }
    bool Terminated() const { return terminated_; }

    // Runs an event handler; an error it lets through is shown in the standard error box and the
    // program goes on.
    void Dispatch(const std::function<void()>& handler);

    virtual void ProcessMessages() = 0;
    virtual void HideTaskbarEntry() = 0;
    virtual void RunModal(Form& form) = 0;
    // The system's own move loop for the form's window, as a drag of its caption would start.
    virtual void DragWindow(Form& form) = 0;
    virtual void RaiseWindow(Form& form) = 0;

protected:
    virtual void BindForm(Form& form) = 0;
    virtual void UnbindForm(Form& form) = 0;
    virtual void RunLoop() = 0;
    virtual void OnTerminate() = 0;

    const std::vector<Form*>& Forms() const { return forms_; }
    void SetModal(Form& form, bool modal);

private:
    // The text of the error the handler let through, if any.
    static std::optional<std::string> RunCatching(const std::function<void()>& handler);
    void RunDestroyHandlers();

    Dialogs& dialogs_;
    std::string title_;
    std::vector<Form*> forms_;
    bool terminated_ = false;
    bool destroyHandlersRun_ = false;
};

// Title of the application as the platform derives it from the executable: the file name up to
// its first dot, every letter after the first in lower case.
std::string ApplicationTitleFromPath(const std::string& executablePath);

}  // namespace orvella::ui
