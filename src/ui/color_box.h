#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace orvella::ui {

// A drop-down list of colours, each shown as a swatch with its name. The custom entry, when
// there is one, asks the user for any colour.
class ColorBox : public Control {
public:
    struct Entry {
        std::string name;
        Color color = 0;
        bool operator==(const Entry&) const = default;
    };

    ColorBox(std::string name, Control* parent) : Control(ControlKind::ColorBox, std::move(name), parent) {}

    const std::vector<Entry>& Entries() const { return entries_; }
    void SetEntries(std::vector<Entry> entries, std::string customEntryName);
    // Empty when the box has no custom entry; it comes first in the list.
    const std::string& CustomEntryName() const { return customEntryName_; }

    Color Selected() const { return selected_; }
    // A colour outside the list becomes the custom entry's colour. No OnChange: only the user's
    // choice is a change.
    void SetSelected(Color color);
    // For the binding: the user chose a colour; OnChange follows through the dispatch.
    void AcceptNativeSelected(Color color) { selected_ = color; }
    std::function<void()> OnChange;

private:
    std::vector<Entry> entries_;
    std::string customEntryName_;
    Color selected_ = 0;
};

}  // namespace orvella::ui
