#include "ui/form.h"

#include "ui/application.h"

namespace orvella::ui {

Form::Form(std::string name, Application& application)
    : Control(ControlKind::Form, std::move(name), nullptr), application_(application) {
    SetVisible(false);
}

void Form::SetClientSize(int width, int height) {
    clientSize_ = Rect{0, 0, width, height};
    SetSize(width, height);
}

void Form::SetAlphaBlend(int opacity) {
    alpha_ = opacity;
    Notify(Property::Alpha);
}

// The form counts as visible while FormShow runs, but its window appears only afterwards, already
// placed and filled by the handler.
void Form::Show() {
    if (Visible()) return;
    MarkVisible(true);
    FormShow();
    if (Visible()) Notify(Property::Visible);
}

void Form::Hide() {
    if (!Visible()) return;
    SetVisible(false);
    FormHide();
}

void Form::Drag() { application_.DragWindow(*this); }

void Form::BringToFront() { application_.RaiseWindow(*this); }

void Form::ShowModal() { application_.RunModal(*this); }

void Form::Close() {
    FormClose();
    Hide();
    if (application_.MainForm() == this) application_.Terminate();
}

}  // namespace orvella::ui
