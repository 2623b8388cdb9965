#include "ui/color_box.h"

namespace orvella::ui {

void ColorBox::SetEntries(std::vector<Entry> entries, std::string customEntryName) {
    entries_ = std::move(entries);
    customEntryName_ = std::move(customEntryName);
    Notify(Property::Items);
}

void ColorBox::SetSelected(Color color) {
    if (color == selected_) return;
    selected_ = color;
    Notify(Property::Selection);
}

}  // namespace orvella::ui
