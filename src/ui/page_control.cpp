#include "ui/page_control.h"

namespace orvella::ui {

void PageControl::SetActivePageIndex(int index) {
    if (index < 0 || index >= PageCount() || index == activePage_) return;
    activePage_ = index;
    Notify(Property::Selection);
}

void StatusBar::SetPanels(std::vector<Panel> panels) {
    panels_ = std::move(panels);
    Notify(Property::Items);
}

void StatusBar::SetPanelText(int index, std::string text) {
    auto& panel = panels_.at(static_cast<std::size_t>(index));
    if (panel.text == text) return;
    panel.text = std::move(text);
    Notify(Property::Items);
}

}  // namespace orvella::ui
