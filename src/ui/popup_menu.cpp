#include "ui/popup_menu.h"

#include <stdexcept>

namespace orvella::ui {

PopupMenu::Item& PopupMenu::ItemNamed(const std::string& name) {
    for (Item& item : items_)
        if (item.name == name) return item;
    throw std::out_of_range("no menu item " + name);
}

}  // namespace orvella::ui
