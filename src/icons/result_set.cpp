#include "icons/result_set.h"

#include <algorithm>
#include <cctype>

namespace orvella {
namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

void ResultSet::Close() {
    active_ = false;
    columns_.clear();
    rows_.clear();
    current_ = 0;
}

void ResultSet::Load(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows) {
    columns_ = std::move(columns);
    rows_ = std::move(rows);
    current_ = rows_.empty() ? 0 : 1;
    active_ = true;
}

void ResultSet::RequireActive() const {
    if (!active_) throw ResultSetError("Cannot perform this operation on a closed dataset");
}

int ResultSet::RecordCount() const {
    RequireActive();
    return static_cast<int>(rows_.size());
}

int ResultSet::RecNo() const {
    RequireActive();
    return current_;
}

void ResultSet::SetRecNo(int row) {
    RequireActive();
    if (rows_.empty()) return;
    current_ = std::clamp(row, 1, static_cast<int>(rows_.size()));
}

std::string ResultSet::FieldAsText(const std::string& column) const {
    RequireActive();
    const auto it = std::find_if(columns_.begin(), columns_.end(),
                                 [&](const std::string& name) { return SameNameIgnoringCase(name, column); });
    if (it == columns_.end()) throw ResultSetError("Field '" + column + "' not found");
    if (current_ == 0) return {};
    return rows_[static_cast<std::size_t>(current_ - 1)][static_cast<std::size_t>(it - columns_.begin())];
}

std::vector<std::vector<std::string>> ResultSet::RowsOf(const std::vector<std::string>& columns) const {
    if (!active_) return {};
    std::vector<std::ptrdiff_t> indexes;
    for (const std::string& column : columns) {
        const auto it = std::find_if(columns_.begin(), columns_.end(),
                                     [&](const std::string& name) { return SameNameIgnoringCase(name, column); });
        indexes.push_back(it == columns_.end() ? -1 : it - columns_.begin());
    }
    std::vector<std::vector<std::string>> rows;
    rows.reserve(rows_.size());
    for (const auto& row : rows_) {
        std::vector<std::string> cells;
        for (const std::ptrdiff_t index : indexes) {
            cells.push_back(index < 0 ? std::string() : row[static_cast<std::size_t>(index)]);
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

}  // namespace orvella
