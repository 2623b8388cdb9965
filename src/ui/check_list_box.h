#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace orvella::ui {

// A list with a check box in front of every entry; one entry at most is selected.
class CheckListBox : public Control {
public:
    struct Item {
        std::string text;
        bool checked = false;
        bool operator==(const Item&) const = default;
    };

    CheckListBox(std::string name, Control* parent) : Control(ControlKind::CheckListBox, std::move(name), parent) {}

    const std::vector<Item>& Items() const { return items_; }
    int Count() const { return static_cast<int>(items_.size()); }
    void SetItems(std::vector<Item> items);
    void InsertItem(int index, Item item);
    void DeleteItem(int index);
    void SetItemText(int index, std::string text);
    void SetItemChecked(int index, bool checked);
    // -1 when nothing is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    // For the binding: what the user did; the matching event follows through the dispatch.
    void AcceptNativeItemIndex(int index) { itemIndex_ = index; }
    void AcceptNativeChecked(int index, bool checked) { items_.at(static_cast<std::size_t>(index)).checked = checked; }

    std::function<void()> OnClickCheck;  // the user toggled an entry's box
    std::function<void()> OnDblClick;
    std::function<void(int virtualKey)> OnKeyDown;
    // OnClick (Control): the user changed the selection.

private:
    std::vector<Item> items_;
    int itemIndex_ = -1;
};

}  // namespace orvella::ui
