#include <windows.h>
#include <commctrl.h>

#include "driver/commands.h"
#include "driver/control_messages.h"
#include "driver/controls.h"
#include "driver/list_view_records.h"
#include "driver/pointer_input.h"
#include "driver/remote_block.h"
#include "driver/windows_query.h"

namespace orvdriver {
namespace {

// Whether `index` names one of the control's `countMessage` entries.
bool HasEntry(HWND control, UINT countMessage, int index, unsigned long timeoutMs) {
    const auto count = Ask(control, countMessage, 0, 0, timeoutMs);
    return count && index >= 0 && index < *count;
}

// The selection moves, then the parent hears of it as it would of the user's choice.
Delivery SelectInComboBox(HWND combo, int index, unsigned long timeoutMs) {
    const Delivery selected = Deliver(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, timeoutMs);
    if (selected != Delivery::Handled) return selected;
    const WPARAM command = MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE);
    return Deliver(GetAncestor(combo, GA_PARENT), WM_COMMAND, command, reinterpret_cast<LPARAM>(combo), timeoutMs);
}

// As a click on an entry: it alone is selected, and it has the focus.
Delivery SelectInListView(HWND list, int index, unsigned long timeoutMs) {
    const Delivery cleared = SetListViewItemState(list, -1, 0, LVIS_SELECTED, timeoutMs);
    if (cleared != Delivery::Handled) return cleared;
    const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
    return SetListViewItemState(list, index, state, state, timeoutMs);
}

// A click on the tab: tabs shown as buttons move only their focus on TCM_SETCURFOCUS, and
// TCM_SETCURSEL tells the parent nothing.
Delivery SelectTab(HWND tabs, int index, unsigned long timeoutMs) {
    RemoteBlock block(tabs, sizeof(RECT));
    if (!block.Valid()) return Delivery::Failed;
    const auto answered = Ask(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index), static_cast<LPARAM>(block.Address()),
                              timeoutMs);
    RECT tab{};
    if (!answered || *answered == 0 || !block.Read(&tab, sizeof(tab))) return Delivery::Failed;
    PointAt(tabs, {(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    PressLeftButton();
    const bool chosen = PollUntil(timeoutMs, [&] {
        const auto current = Ask(tabs, TCM_GETCURSEL, 0, 0, timeoutMs);
        return current && *current == index;
    });
    return chosen ? Delivery::Handled : Delivery::Pending;
}

struct Chooser {
    const wchar_t* className;
    UINT countMessage;
    Delivery (*select)(HWND control, int index, unsigned long timeoutMs);
};

constexpr Chooser kChoosers[] = {
    {WC_COMBOBOXW, CB_GETCOUNT, SelectInComboBox},
    {WC_TABCONTROLW, TCM_GETITEMCOUNT, SelectTab},
    {WC_LISTVIEWW, LVM_GETITEMCOUNT, SelectInListView},
};

}  // namespace

int Select(const Options& options) {
    const auto index = options.Number(1);
    if (options.positional.size() != 2 || !index) return 2;
    const auto control = NamedControl(options);
    if (!control) return 1;
    const unsigned long timeout = options.TimeoutMs(kAnswerTimeoutMs);
    for (const Chooser& chooser : kChoosers) {
        if (!IsClass(*control, chooser.className)) continue;
        if (!HasEntry(*control, chooser.countMessage, *index, timeout)) return 1;
        return ExitCode(chooser.select(*control, *index, timeout));
    }
    return 1;
}

int Check(const Options& options) {
    const auto index = options.Number(1);
    const auto checked = options.Number(2);
    if (options.positional.size() != 3 || !index || !checked || (*checked != 0 && *checked != 1)) return 2;
    const auto control = NamedControl(options);
    if (!control || !IsClass(*control, WC_LISTVIEWW)) return 1;
    const unsigned long timeout = options.TimeoutMs(kAnswerTimeoutMs);
    if (!HasEntry(*control, LVM_GETITEMCOUNT, *index, timeout)) return 1;
    // State image 2 is the ticked box, 1 the empty one.
    const UINT state = INDEXTOSTATEIMAGEMASK(*checked == 1 ? 2U : 1U);
    return ExitCode(SetListViewItemState(*control, *index, state, LVIS_STATEIMAGEMASK, timeout));
}

}  // namespace orvdriver
