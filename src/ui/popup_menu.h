#pragma once
#include <functional>
#include <string>
#include <vector>

namespace orvella::ui {

// A context menu: the controls that name it open it. It has no window of its own until it opens.
class PopupMenu {
public:
    struct Item {
        std::string name;
        std::string caption;  // empty for a separator
        bool enabled = true;
        std::function<void()> onClick;
        bool IsSeparator() const { return caption.empty(); }
    };

    explicit PopupMenu(std::string name) : name_(std::move(name)) {}
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;

    const std::string& Name() const { return name_; }
    // The items in order; found by name for the handlers that change them.
    std::vector<Item>& Items() { return items_; }
    const std::vector<Item>& Items() const { return items_; }
    Item& ItemNamed(const std::string& name);
    void Add(Item item) { items_.push_back(std::move(item)); }

    // Free for the form's own use.
    int Tag = 0;
    // Runs each time the menu opens, before it shows; it may change the items.
    std::function<void()> OnPopup;

private:
    std::string name_;
    std::vector<Item> items_;
};

}  // namespace orvella::ui
