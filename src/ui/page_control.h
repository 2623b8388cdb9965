#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace orvella::ui {

// One page of a page control; its Text is the tab's title.
class TabSheet : public Control {
public:
    TabSheet(std::string name, Control* parent) : Control(ControlKind::TabSheet, std::move(name), parent) {}
};

// Pages with tabs shown as flat buttons; only the active page is seen. Its children are the pages,
// in tab order.
class PageControl : public Control {
public:
    PageControl(std::string name, Control* parent) : Control(ControlKind::PageControl, std::move(name), parent) {}

    int PageCount() const { return static_cast<int>(Children().size()); }
    int ActivePageIndex() const { return activePage_; }
    // An index outside the pages leaves the active page as it is.
    void SetActivePageIndex(int index);
    // For the binding: the user picked a tab; OnChange follows through the dispatch.
    void AcceptNativePage(int index) { activePage_ = index; }
    std::function<void()> OnChange;

private:
    int activePage_ = 0;
};

// A bar along the window's bottom with text panels of fixed widths.
class StatusBar : public Control {
public:
    struct Panel {
        int width = 0;
        std::string text;
        bool centred = false;
        bool operator==(const Panel&) const = default;
    };

    StatusBar(std::string name, Control* parent) : Control(ControlKind::StatusBar, std::move(name), parent) {}

    const std::vector<Panel>& Panels() const { return panels_; }
    void SetPanels(std::vector<Panel> panels);
    void SetPanelText(int index, std::string text);

private:
    std::vector<Panel> panels_;
};

}  // namespace orvella::ui
