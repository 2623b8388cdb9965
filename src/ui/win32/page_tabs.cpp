#include "ui/win32/page_tabs.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/utf16.h"
#include "ui/application.h"
#include "ui/win32/window_subclass.h"

namespace orvella::ui::win32 {
namespace {

constexpr int kTabPadding = 4;

void SetTabText(HWND tabs, int index, const std::string& text, UINT message) {
    std::wstring wide = ToUtf16(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    SendMessageW(tabs, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

void NativePageTabs::Created() {
    SubclassWindow(Handle());
    // Flat buttons need less room around their texts than tabs: more of them fit in a row.
    SendMessageW(Handle(), TCM_SETPADDING, 0, MAKELPARAM(kTabPadding, kTabPadding));
    const auto& sheets = pages_.Children();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        SetTabText(Handle(), static_cast<int>(i), sheets[i]->Text(), TCM_INSERTITEMW);
    }
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
}

void NativePageTabs::ChildCreated(NativeControl& child) {
    auto& sheet = static_cast<NativeTabSheet&>(child);
    sheet.Place(DisplayArea());
    sheet.Show(IndexOf(sheet.Model()) == pages_.ActivePageIndex());
}

NativeTabSheet& NativePageTabs::Sheet(std::size_t index) const {
    return static_cast<NativeTabSheet&>(*Children()[index]);
}

int NativePageTabs::IndexOf(const Control& sheet) const {
    const auto& sheets = pages_.Children();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (sheets[i] == &sheet) return static_cast<int>(i);
    }
    return -1;
}

void NativePageTabs::RenameTab(const Control& sheet) {
    const int index = IndexOf(sheet);
    if (index >= 0) SetTabText(Handle(), index, sheet.Text(), TCM_SETITEMW);
}

void NativePageTabs::Apply(Property property) {
    switch (property) {
        case Property::Selection:
            SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(pages_.ActivePageIndex()), 0);
            ShowPage(pages_.ActivePageIndex());
            break;
        case Property::Bounds:
        case Property::Font:
            // The display area moves with the size and with the tabs' height.
            NativeControl::Apply(property);
            PlaceSheets();
            break;
        case Property::Text: break;  // the pages' titles are the tabs' texts
        default: NativeControl::Apply(property); break;
    }
}

RECT NativePageTabs::DisplayArea() const {
    RECT area;
    GetClientRect(Handle(), &area);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
    return area;
}

void NativePageTabs::PlaceSheets() {
    const RECT area = DisplayArea();
    for (std::size_t i = 0; i < Children().size(); ++i) Sheet(i).Place(area);
}

// The new page comes before the old one goes, so nothing behind them shows in between.
void NativePageTabs::ShowPage(int index) {
    const auto count = Children().size();
    if (index >= 0 && static_cast<std::size_t>(index) < count) Sheet(static_cast<std::size_t>(index)).Show(true);
    for (std::size_t i = 0; i < count; ++i) {
        if (static_cast<int>(i) != index) Sheet(i).Show(false);
    }
}

bool NativePageTabs::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) return false;
    const int index = static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
    ShowPage(index);
    if (index >= 0 && index != pages_.ActivePageIndex()) {
        PageControl& pages = pages_;
        App().Dispatch([&pages, index] {
            pages.AcceptNativePage(index);
            if (pages.OnChange) pages.OnChange();
        });
    }
    result = 0;
    return true;
}

bool NativePageTabs::HandleMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_ERASEBKGND) return false;
    RECT client;
    GetClientRect(Handle(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, BackgroundBrush());
    result = 1;
    return true;
}

void NativeTabSheet::Place(const RECT& area) {
    MoveWindow(Handle(), area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
    Model().AcceptNativeBounds({area.left, area.top, area.right - area.left, area.bottom - area.top});
}

void NativeTabSheet::Show(bool shown) {
    // The window's own flag: the form may still be hidden.
    const bool flagged = (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    if (flagged == shown) return;
    ShowWindow(Handle(), shown ? SW_SHOWNA : SW_HIDE);
    VisibilityChanged();
}

void NativeTabSheet::Apply(Property property) {
    switch (property) {
        case Property::Visible:  // the page control shows the active page
        case Property::Bounds: break;
        case Property::Text: pages_.RenameTab(Model()); break;
        default: NativeHost::Apply(property); break;
    }
}

}  // namespace orvella::ui::win32
