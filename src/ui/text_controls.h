#pragma once
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace orvella::ui {

// A one-line text field.
class Edit : public Control {
public:
    Edit(std::string name, Control* parent) : Control(ControlKind::Edit, std::move(name), parent) {}
    // For the binding: the user typed or pasted; OnChange follows through the dispatch.
    void AcceptNativeText(std::string text) { SetTextQuietly(std::move(text)); }
    std::function<void()> OnChange;  // the user changed the text
    std::function<void(int virtualKey)> OnKeyDown;
};

// A list of text lines; one line at most is selected.
class ListBox : public Control {
public:
    ListBox(std::string name, Control* parent) : Control(ControlKind::ListBox, std::move(name), parent) {}
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    // -1 when no line is selected.
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);
    void AcceptNativeItemIndex(int index) { itemIndex_ = index; }

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

// Rows of a result set shown in titled columns, whole rows selected, nothing edited.
class Grid : public Control {
public:
    struct Column {
        std::string title;
        int width = 0;
        bool centred = false;
        bool operator==(const Column&) const = default;
    };

    Grid(std::string name, Control* parent) : Control(ControlKind::Grid, std::move(name), parent) {}
    const std::vector<Column>& Columns() const { return columns_; }
    void SetColumns(std::vector<Column> columns);
    const std::vector<std::vector<std::string>>& Rows() const { return rows_; }
    // The rows anew, with `current` (0-based, -1 for none) as the current row.
    void SetRows(std::vector<std::vector<std::string>> rows, int current);
    int Row() const { return row_; }
    void SetRow(int row);
    // For the binding: the user made another row current; OnClick follows through the dispatch.
    void AcceptNativeRow(int row) { row_ = row; }

    std::function<void(int virtualKey)> OnKeyDown;
    std::function<void()> OnDblClick;

private:
    std::vector<Column> columns_;
    std::vector<std::vector<std::string>> rows_;
    int row_ = -1;
};

}  // namespace orvella::ui
