#include "driver/list_view_records.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "common/utf8.h"
#include "driver/remote_block.h"

namespace orvdriver {
namespace {

// LVITEMW of a 32-bit program: the same fields with 4-byte pointers.
struct ListViewItem32 {
    UINT mask;
    int iItem;
    int iSubItem;
    UINT state;
    UINT stateMask;
    std::uint32_t pszText;
    int cchTextMax;
    int iImage;
    std::uint32_t lParam;
    int iIndent;
    int iGroupId;
    UINT cColumns;
    std::uint32_t puColumns;
    std::uint32_t piColFmt;
    int iGroup;
};

constexpr std::size_t kItemSize = sizeof(LVITEMW) > sizeof(ListViewItem32) ? sizeof(LVITEMW) : sizeof(ListViewItem32);
constexpr int kTextCapacity = 4096;

void PointAt(LVITEMW& item, UINT_PTR text) { item.pszText = reinterpret_cast<LPWSTR>(text); }
void PointAt(ListViewItem32& item, UINT_PTR text) { item.pszText = static_cast<std::uint32_t>(text); }

// The record, in the owner's layout, at the start of `block`; `text` (0: none) is the buffer for the
// entry's text.
template <typename Item>
bool WriteItem(RemoteBlock& block, UINT state, UINT mask, UINT_PTR text) {
    Item item{};
    item.state = state;
    item.stateMask = mask;
    if (text != 0) {
        PointAt(item, text);
        item.cchTextMax = kTextCapacity;
    }
    return block.Write(&item, sizeof item);
}

bool WriteItem(RemoteBlock& block, UINT state, UINT mask, UINT_PTR text) {
    return block.Is32Bit() ? WriteItem<ListViewItem32>(block, state, mask, text)
                           : WriteItem<LVITEMW>(block, state, mask, text);
}

}  // namespace

std::optional<std::string> ListViewItemText(HWND list, int index, unsigned long timeoutMs) {
    RemoteBlock block(list, kItemSize + kTextCapacity * sizeof(wchar_t));
    if (!WriteItem(block, 0, 0, block.Address(kItemSize))) return std::nullopt;
    const auto length =
        Ask(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), static_cast<LPARAM>(block.Address()), timeoutMs);
    if (!length) {
        block.Abandon();  // the list may still write there
        return std::nullopt;
    }
    std::wstring text(static_cast<std::size_t>(*length), L'\0');
    if (!block.Read(text.data(), text.size() * sizeof(wchar_t), kItemSize)) return std::nullopt;
    return orvtools::Narrow(text);
}

Delivery SetListViewItemState(HWND list, int index, UINT state, UINT mask, unsigned long timeoutMs) {
    RemoteBlock block(list, kItemSize);
    if (!WriteItem(block, state, mask, 0)) return Delivery::Failed;
    const Delivery delivery =
        Deliver(list, LVM_SETITEMSTATE, static_cast<WPARAM>(index), static_cast<LPARAM>(block.Address()), timeoutMs);
    if (delivery != Delivery::Handled) block.Abandon();  // the list may read the record later
    return delivery;
}

}  // namespace orvdriver
