#pragma once
#include "ui/page_control.h"
#include "ui/win32/native_control.h"
#include "ui/win32/native_host.h"

namespace orvella::ui::win32 {

class NativeTabSheet;

// A page control as a tab control whose tabs look like flat buttons, one per page, on the
// background the pages show, the pages being windows inside it that fill its display area; only
// the active page is shown. The user's choice of a tab shows its page, takes it into the model
// and runs OnChange.
class NativePageTabs : public NativeControl {
public:
    NativePageTabs(PageControl& model, NativeControl* parent, BindingContext& context)
        : NativeControl(model, parent, context), pages_(model) {}

    void Created() override;
    void ChildCreated(NativeControl& child) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // A page's title changed.
    void RenameTab(const Control& sheet);

protected:
    void Apply(Property property) override;

private:
    NativeTabSheet& Sheet(std::size_t index) const;
    int IndexOf(const Control& sheet) const;
    RECT DisplayArea() const;
    void PlaceSheets();
    void ShowPage(int index);

    PageControl& pages_;
};

// One page of a page control: a host whose place and visibility the page control decides.
class NativeTabSheet : public NativeHost {
public:
    NativeTabSheet(TabSheet& model, NativePageTabs& pages, BindingContext& context)
        : NativeHost(model, &pages, context), pages_(pages) {}

    void Place(const RECT& area);
    void Show(bool shown);

protected:
    void Apply(Property property) override;

private:
    NativePageTabs& pages_;
};

}  // namespace orvella::ui::win32
