#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/control_messages.h"
#include "driver/controls.h"

namespace orvdriver {

// WM_SETTEXT, as a program sets a control's text; a one-line edit tells its parent (EN_CHANGE) as
// it does after typing.
int SetText(const Options& options) {
    if (options.positional.size() != 2) return 2;
    const auto control = NamedControl(options);
    if (!control) return 1;
    const std::wstring text = orvtools::Widen(options.positional[1]);
    return ExitCode(
        Deliver(*control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), options.TimeoutMs(kAnswerTimeoutMs)));
}

}  // namespace orvdriver
