#include "ui/headless_application.h"

#include "ui/form.h"

namespace orvella::ui {

void HeadlessApplication::BindForm(Form& form) { createdForms.push_back(form.Name()); }

// Without a loop a modal form is shown and left open; a test closes it by calling its handlers.
void HeadlessApplication::RunModal(Form& form) {
    SetModal(form, true);
    form.Show();
}

}  // namespace orvella::ui
