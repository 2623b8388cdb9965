#include "icons/layout_statements.h"

#include "icons/layout_database.h"

namespace orvella::layout_sql {

const SqlStatement& CreateManualTable() { return LayoutDatabase::kCreateManualTable; }
const SqlStatement& CreateAutomaticTable() { return LayoutDatabase::kCreateAutomaticTable; }

SqlStatement SelectManual() { return {"SELECT * FROM dbOV", {}}; }
SqlStatement SelectAutomatic() { return {"SELECT * FROM dbOV2", {}}; }

SqlStatement SelectManualByName(const std::string& name) { return {"SELECT * FROM dbOV WHERE name = ?1", {name}}; }

SqlStatement InsertManual(const std::string& date, const std::string& name, const std::string& layoutText) {
    return {"INSERT INTO dbOV (date,name,data) VALUES (?1,?2,?3)", {date, name, layoutText}};
}

SqlStatement SelectManualData(const std::string& name) {
    return {"SELECT data FROM dbOV WHERE (name = ?1)", {name}};
}

SqlStatement SelectAutomaticData(const std::string& name, const std::string& time) {
    return {"SELECT data FROM dbOV2 WHERE (name = ?1) AND (time = ?2)", {name, time}};
}

SqlStatement DeleteManual(const std::string& name) { return {"DELETE FROM dbOV WHERE (name = ?1)", {name}}; }

SqlStatement DeleteAutomatic(const std::string& name, const std::string& time) {
    return {"DELETE FROM dbOV2 WHERE (name = ?1) AND (time = ?2)", {name, time}};
}

SqlStatement SelectAutomaticByData(const std::string& layoutText) {
    return {"SELECT * FROM dbOV2 WHERE data = ?1", {layoutText}};
}

SqlStatement DeleteOldestAutomatic() { return {"DELETE FROM dbOV2 WHERE id = (SELECT MIN(id) AS name FROM dbOV2)", {}}; }

SqlStatement InsertAutomatic(const std::string& date, const std::string& time, const std::string& layoutText) {
    return {"INSERT INTO dbOV2 (date,name,time,data) VALUES (?1,?2,?3,?4)", {date, kAutomaticSaveName, time, layoutText}};
}

}  // namespace orvella::layout_sql
