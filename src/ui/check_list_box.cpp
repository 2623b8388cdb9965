#include "ui/check_list_box.h"

#include <stdexcept>

namespace orvella::ui {

void CheckListBox::SetItems(std::vector<Item> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    Notify(Property::Items);
}

void CheckListBox::InsertItem(int index, Item item) {
    if (index < 0 || index > Count()) throw std::out_of_range("list index out of bounds");
    items_.insert(items_.begin() + index, std::move(item));
    if (itemIndex_ >= index) ++itemIndex_;
    Notify(Property::Items);
}

void CheckListBox::DeleteItem(int index) {
    if (index < 0 || index >= Count()) throw std::out_of_range("list index out of bounds");
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    Notify(Property::Items);
}

void CheckListBox::SetItemText(int index, std::string text) {
    items_.at(static_cast<std::size_t>(index)).text = std::move(text);
    Notify(Property::Items);
}

void CheckListBox::SetItemChecked(int index, bool checked) {
    items_.at(static_cast<std::size_t>(index)).checked = checked;
    Notify(Property::Items);
}

void CheckListBox::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Notify(Property::Selection);
}

}  // namespace orvella::ui
