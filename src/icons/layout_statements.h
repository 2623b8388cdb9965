#pragma once
#include <string>

#include "icons/sql_connection.h"

namespace orvella::layout_sql {

// Every statement the program sends to the layout database. Values are bound (?1, ?2...), so the
// texts stored are exactly the values given, whatever quotes or column names they hold.

inline constexpr const char* kAutomaticSaveName = "Авто сохранение";

const SqlStatement& CreateManualTable();
const SqlStatement& CreateAutomaticTable();
SqlStatement SelectManual();
SqlStatement SelectAutomatic();
SqlStatement SelectManualByName(const std::string& name);
SqlStatement InsertManual(const std::string& date, const std::string& name, const std::string& layoutText);
SqlStatement SelectManualData(const std::string& name);
SqlStatement SelectAutomaticData(const std::string& name, const std::string& time);
SqlStatement DeleteManual(const std::string& name);
SqlStatement DeleteAutomatic(const std::string& name, const std::string& time);
SqlStatement SelectAutomaticByData(const std::string& layoutText);
SqlStatement DeleteOldestAutomatic();
SqlStatement InsertAutomatic(const std::string& date, const std::string& time, const std::string& layoutText);

}  // namespace orvella::layout_sql
