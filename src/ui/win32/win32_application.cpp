#include "ui/win32/win32_application.h"

#include <windows.h>

#include <vector>

#include "ui/form.h"
#include "ui/win32/message_loop.h"
#include "ui/win32/native_form.h"

namespace orvella::ui {
namespace {

// Keeps the other forms disabled while a modal form is up, and gives the activation back to
// the window that had it before.
class ModalScope {
public:
    explicit ModalScope(const std::vector<HWND>& others) : previous_(GetActiveWindow()) {
        for (HWND window : others) {
            if (IsWindowEnabled(window)) {
                EnableWindow(window, FALSE);
                disabled_.push_back(window);
            }
        }
    }
    ~ModalScope() {
        for (HWND window : disabled_) EnableWindow(window, TRUE);
        if (previous_ != nullptr && IsWindow(previous_) && IsWindowVisible(previous_)) SetActiveWindow(previous_);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    HWND previous_;
    std::vector<HWND> disabled_;
};

}  // namespace

Win32Application::Win32Application(Dialogs& dialogs) : Application(dialogs), context_{*this, fonts_} {}

// Forms still bound here outlived a failed run; their models may be gone, so only the windows
// are destroyed, all of them unhooked first (an owner takes its owned windows along).
Win32Application::~Win32Application() {
    for (const auto& [model, native] : windows_) native->ReleaseWindows();
    windows_.clear();
}

win32::NativeForm* Win32Application::Find(const Form* form) const {
    const auto found = windows_.find(form);
    return found == windows_.end() ? nullptr : found->second.get();
}

void Win32Application::BindForm(Form& form) {
    // Forms after the first are owned by the main form: one task-bar button for the program.
    const win32::NativeForm* main = Find(MainForm());
    HWND owner = main != nullptr ? main->Handle() : nullptr;
    auto native = std::make_unique<win32::NativeForm>(form, context_);
    try {
        native->Create(owner);
    } catch (...) {
        native->DetachModels();
        throw;
    }
    windows_.emplace(&form, std::move(native));
}

void Win32Application::UnbindForm(Form& form) {
    const auto found = windows_.find(&form);
    if (found == windows_.end()) return;
    found->second->DetachModels();
    windows_.erase(found);
}

void Win32Application::RunLoop() { win32::RunUntilQuit(); }

void Win32Application::OnTerminate() { PostQuitMessage(0); }

void Win32Application::ProcessMessages() { win32::DeliverPending(); }

void Win32Application::HideTaskbarEntry() {
    if (win32::NativeForm* main = Find(MainForm())) main->HideTaskbarEntry();
}

// The move loop of a caption drag (SC_MOVE with the caption hit-test code); returns when the
// button is released.
void Win32Application::DragWindow(Form& form) {
    const win32::NativeForm* native = Find(&form);
    if (native == nullptr) return;
    ReleaseCapture();
    SendMessageW(native->Handle(), WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
}

void Win32Application::RaiseWindow(Form& form) {
    const win32::NativeForm* native = Find(&form);
    if (native == nullptr || !IsWindowVisible(native->Handle())) return;
    SetWindowPos(native->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(native->Handle());
}

void Win32Application::RunModal(Form& form) {
    std::vector<HWND> others;
    for (const auto& [model, native] : windows_) {
        if (model != &form) others.push_back(native->Handle());
    }
    const ModalScope scope(others);
    SetModal(form, true);
    try {
        form.Show();
        win32::RunUntil([&form] { return !form.Visible(); });
    } catch (...) {
        SetModal(form, false);
        throw;
    }
    SetModal(form, false);
}

}  // namespace orvella::ui
