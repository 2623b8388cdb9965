#include "ui/text_controls.h"

namespace orvella::ui {

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    itemIndex_ = -1;
    Notify(Property::Items);
}

void ListBox::SetItemIndex(int index) {
    if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
    if (index == itemIndex_) return;
    itemIndex_ = index;
    Notify(Property::Selection);
}

void Grid::SetColumns(std::vector<Column> columns) {
    columns_ = std::move(columns);
    Notify(Property::Items);
}

void Grid::SetRows(std::vector<std::vector<std::string>> rows, int current) {
    rows_ = std::move(rows);
    row_ = current >= 0 && current < static_cast<int>(rows_.size()) ? current : -1;
    Notify(Property::Items);
}

void Grid::SetRow(int row) {
    if (row < -1 || row >= static_cast<int>(rows_.size())) row = -1;
    if (row == row_) return;
    row_ = row;
    Notify(Property::Selection);
}

}  // namespace orvella::ui
