#include "ui/win32/color_combo.h"

#include <utility>

#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/color_dialog.h"
#include "ui/win32/fonts.h"
#include "ui/win32/private_messages.h"
#include "ui/win32/text_painting.h"
#include "ui/win32/window_subclass.h"

namespace orvella::ui::win32 {
namespace {

// Around a swatch, and between it and the name.
constexpr int kSwatchMargin = 2;
constexpr int kNameGap = 4;

COLORREF NameColor(const DRAWITEMSTRUCT& item) {
    if ((item.itemState & ODS_DISABLED) != 0) return GetSysColor(COLOR_GRAYTEXT);
    return GetSysColor((item.itemState & ODS_SELECTED) != 0 ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
}

int FaceColorIndex(const DRAWITEMSTRUCT& item) {
    if ((item.itemState & ODS_DISABLED) != 0) return COLOR_BTNFACE;
    return (item.itemState & ODS_SELECTED) != 0 ? COLOR_HIGHLIGHT : COLOR_WINDOW;
}

}  // namespace

void NativeColorCombo::Created() {
    SubclassWindow(Handle());
    FitItemHeight();
    Fill();
}

void NativeColorCombo::Apply(Property property) {
    switch (property) {
        case Property::Items: Fill(); break;
        case Property::Selection: ShowColor(box_.Selected()); break;
        case Property::Font:
            NativeControl::Apply(property);
            FitItemHeight();
            break;
        case Property::Text: break;  // the entries are the text
        default: NativeControl::Apply(property); break;
    }
}

Color NativeColorCombo::ColorOfRow(int row) const {
    return row < CustomRows() ? customColor_ : box_.Entries()[static_cast<std::size_t>(row - CustomRows())].color;
}

const std::string& NativeColorCombo::NameOfRow(int row) const {
    return row < CustomRows() ? box_.CustomEntryName()
                              : box_.Entries()[static_cast<std::size_t>(row - CustomRows())].name;
}

// Fixed owner-drawn rows are as high as the combo box asked at its creation, in the font it had
// then: they follow the model's font instead.
void NativeColorCombo::FitItemHeight() {
    const int height = LineHeight(Font()) + 2 * kSwatchMargin;
    SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), height);
    SendMessageW(Handle(), CB_SETITEMHEIGHT, 0, height);
}

void NativeColorCombo::Fill() {
    SendMessageW(Handle(), CB_RESETCONTENT, 0, 0);
    for (int row = 0; row < RowCount(); ++row) {
        const std::wstring name = ToUtf16(NameOfRow(row));
        SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    ShowColor(box_.Selected());
}

void NativeColorCombo::ShowColor(Color color) {
    int row = -1;
    const auto& entries = box_.Entries();
    for (std::size_t i = 0; i < entries.size() && row < 0; ++i) {
        if (entries[i].color == color) row = static_cast<int>(i) + CustomRows();
    }
    if (row < 0 && CustomRows() > 0) {
        customColor_ = color;
        row = 0;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

bool NativeColorCombo::OnCommand(WORD code) {
    switch (code) {
        case CBN_SELCHANGE:
            if (SendMessageW(Handle(), CB_GETDROPPEDSTATE, 0, 0) != FALSE) {
                choosing_ = true;
            } else {
                Picked();
            }
            return true;
        case CBN_SELENDCANCEL:
            // The list was closed without a choice: the entry shown is the model's again.
            choosing_ = false;
            ShowColor(box_.Selected());
            return true;
        case CBN_CLOSEUP:
            if (std::exchange(choosing_, false)) Picked();
            return true;
        default: return false;
    }
}

void NativeColorCombo::Picked() {
    const int row = static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0));
    if (row < 0 || row >= RowCount()) return;
    // The dialog waits until the combo box has finished with the mouse and its list.
    if (row < CustomRows()) {
        if (!askPosted_) askPosted_ = PostMessageW(Handle(), kPickCustomColor, 0, 0) != FALSE;
        return;
    }
    const Color color = ColorOfRow(row);
    if (color == box_.Selected()) return;
    ColorBox& box = box_;
    App().Dispatch([&box, color] {
        box.AcceptNativeSelected(color);
        if (box.OnChange) box.OnChange();
    });
}

void NativeColorCombo::PickCustom() {
    const auto chosen = AskColor(GetAncestor(Handle(), GA_ROOT), ToColorRef(box_.Selected()));
    if (!chosen) {
        ShowColor(box_.Selected());
        return;
    }
    const auto color = static_cast<Color>(*chosen);
    ShowColor(color);
    ColorBox& box = box_;
    App().Dispatch([&box, color] {
        box.AcceptNativeSelected(color);
        if (box.OnChange) box.OnChange();
    });
}

bool NativeColorCombo::HandleMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != kPickCustomColor) return false;
    askPosted_ = false;
    PickCustom();
    result = 0;
    return true;
}

bool NativeColorCombo::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(FaceColorIndex(item)));
    const int row = static_cast<int>(item.itemID);
    if (row >= 0 && row < RowCount()) {
        const int side = item.rcItem.bottom - item.rcItem.top - 2 * kSwatchMargin;
        const RECT swatch{item.rcItem.left + kSwatchMargin, item.rcItem.top + kSwatchMargin,
                          item.rcItem.left + kSwatchMargin + side, item.rcItem.bottom - kSwatchMargin};
        FillRect(dc, &swatch, swatch_.For(ToColorRef(ColorOfRow(row))));
        FrameRect(dc, &swatch, GetSysColorBrush(COLOR_WINDOWTEXT));
        const RECT name{swatch.right + kNameGap, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
        DrawTextIn(dc, NameOfRow(row), name, {Font(), NameColor(item)},
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) DrawFocusRect(dc, &item.rcItem);
    return true;
}

}  // namespace orvella::ui::win32
