#include "ui/headless_application.h"

#include "ui/form.h"

namespace orvella::ui {

void HeadlessApplication::BindForm(Form& form) { createdForms.push_back(form.Name()); }

// Without a loop the test's script plays the user; a form it leaves open stays open.
void HeadlessApplication::RunModal(Form& form) {
    SetModal(form, true);
    form.Show();
    if (whileModal) whileModal(form);
    SetModal(form, false);
}

}  // namespace orvella::ui
