#include "icons/layout_database.h"

namespace orvella {

const SqlStatement LayoutDatabase::kCreateManualTable{
    "CREATE TABLE dbOV (id INTEGER PRIMARY KEY AUTOINCREMENT, date DATE, name CHAR(24), data BLOB)", {}};
const SqlStatement LayoutDatabase::kCreateAutomaticTable{
    "CREATE TABLE dbOV2 (id INTEGER PRIMARY KEY AUTOINCREMENT, date DATE, time TIME, name CHAR(24), data BLOB)", {}};

bool LayoutDatabase::Send(SqlConnection& connection, const SqlStatement& statement, ResultSet& result) {
    result.Close();
    if (statement.text.empty()) return true;
    return connection.Execute(statement, result);
}

}  // namespace orvella
