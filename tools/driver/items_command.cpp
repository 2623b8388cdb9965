#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "common/tsv.h"
#include "common/utf8.h"
#include "driver/commands.h"
#include "driver/control_messages.h"
#include "driver/controls.h"
#include "driver/list_view_records.h"

namespace orvdriver {
namespace {

// `text checked selected` records, checked being the ticked state image.
std::optional<std::string> ListViewRecords(HWND list, unsigned long timeoutMs) {
    const auto count = Ask(list, LVM_GETITEMCOUNT, 0, 0, timeoutMs);
    if (!count) return std::nullopt;
    std::string records;
    for (int index = 0; index < *count; ++index) {
        const auto text = ListViewItemText(list, index, timeoutMs);
        const auto state =
            Ask(list, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_STATEIMAGEMASK | LVIS_SELECTED, timeoutMs);
        if (!text || !state) return std::nullopt;
        const bool checked = (static_cast<UINT>(*state) & LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2);
        const bool selected = (*state & LVIS_SELECTED) != 0;
        records += orvtools::EscapeField(*text) + "\t" + (checked ? "1" : "0") + "\t" + (selected ? "1" : "0") + "\n";
    }
    return records;
}

// One text per line. The system copies a combo box's texts across processes itself.
std::optional<std::string> ComboBoxRecords(HWND combo, unsigned long timeoutMs) {
    const auto count = Ask(combo, CB_GETCOUNT, 0, 0, timeoutMs);
    if (!count) return std::nullopt;
    std::string records;
    for (int index = 0; index < *count; ++index) {
        const auto length = Ask(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0, timeoutMs);
        if (!length || *length < 0) return std::nullopt;
        std::vector<wchar_t> text(static_cast<size_t>(*length) + 1, L'\0');
        const auto copied =
            Ask(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()), timeoutMs);
        if (!copied || *copied < 0) return std::nullopt;
        const std::string entry = orvtools::Narrow(std::wstring_view(text.data(), static_cast<size_t>(*copied)));
        records += orvtools::EscapeField(entry) + "\n";
    }
    return records;
}

}  // namespace

int ListItems(const Options& options) {
    if (options.positional.size() != 1) return 2;
    const auto control = NamedControl(options);
    if (!control) return 1;
    const unsigned long timeout = options.TimeoutMs(kAnswerTimeoutMs);
    std::optional<std::string> records;
    if (IsClass(*control, WC_LISTVIEWW))
        records = ListViewRecords(*control, timeout);
    else if (IsClass(*control, WC_COMBOBOXW))
        records = ComboBoxRecords(*control, timeout);
    if (!records) return 1;
    orvtools::WriteStdout(*records);
    return 0;
}

}  // namespace orvdriver
