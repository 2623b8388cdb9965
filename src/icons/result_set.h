#pragma once
#include <stdexcept>
#include <string>
#include <vector>

namespace orvella {

class ResultSetError : public std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The rows of the last statement run on a connection, all fetched, with a current row. A closed
// result set (none run yet, or the last one failed) raises when asked for its rows.
class ResultSet {
public:
    void Close();
    void Load(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);

    bool Active() const { return active_; }
    int RecordCount() const;
    // The current row, 1-based; 0 when there are no rows.
    int RecNo() const;
    void SetRecNo(int row);
    // A column of the current row as text, by the column's name (letter case ignored).
    std::string FieldAsText(const std::string& column) const;
    // The columns' values of every row, in the order of `columns` (names, letter case ignored);
    // none when the set is closed.
    std::vector<std::vector<std::string>> RowsOf(const std::vector<std::string>& columns) const;

private:
    void RequireActive() const;

    bool active_ = false;
    std::vector<std::string> columns_;
    std::vector<std::vector<std::string>> rows_;
    int current_ = 0;
};

}  // namespace orvella
