#pragma once
#include <string>

#include "icons/result_set.h"
#include "icons/sql_connection.h"

namespace orvella {

// The two connections of the layout database, one for the layouts saved by hand (table dbOV)
// and one for the automatic saves (table dbOV2), each with the rows of its last statement.
class LayoutDatabase {
public:
    LayoutDatabase(FileSystem& files, SqliteLoader& loader, const AnsiCodec& codec)
        : sqlDB(files, loader, codec), sqlDB2(files, loader, codec) {}

    static const SqlStatement kCreateManualTable;
    static const SqlStatement kCreateAutomaticTable;

    // Run one statement on the manual or the automatic connection; false on any failure, never
    // raise. An empty statement sends nothing and succeeds.
    bool SqlQuery(const SqlStatement& statement) { return Send(sqlDB, statement, sqlTable); }
    bool SqlQuery2(const SqlStatement& statement) { return Send(sqlDB2, statement, sqlTable2); }

    SqlConnection sqlDB;
    SqlConnection sqlDB2;
    ResultSet sqlTable;
    ResultSet sqlTable2;

private:
    static bool Send(SqlConnection& connection, const SqlStatement& statement, ResultSet& result);
};

}  // namespace orvella
