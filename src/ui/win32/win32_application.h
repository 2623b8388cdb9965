#pragma once
#include <map>
#include <memory>

#include "ui/application.h"
#include "ui/win32/fonts.h"
#include "ui/win32/native_control.h"

namespace orvella::ui {

namespace win32 {
class NativeForm;
}

// The application on real Win32 windows: every form gets a top-level window named after its
// class, every control a child window, kept in step with the models; native events reach the
// handlers through Dispatch.
class Win32Application : public Application {
public:
    explicit Win32Application(Dialogs& dialogs);
    ~Win32Application() override;

    void ProcessMessages() override;
    void HideTaskbarEntry() override;
    void RunModal(Form& form) override;
    void DragWindow(Form& form) override;
    void RaiseWindow(Form& form) override;

protected:
    void BindForm(Form& form) override;
    void UnbindForm(Form& form) override;
    void RunLoop() override;
    void OnTerminate() override;

private:
    win32::NativeForm* Find(const Form* form) const;

    win32::FontCache fonts_;
    win32::BindingContext context_;
    // Declared last: the windows go before the fonts they use.
    std::map<const Form*, std::unique_ptr<win32::NativeForm>> windows_;
};

}  // namespace orvella::ui
