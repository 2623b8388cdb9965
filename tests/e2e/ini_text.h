#pragma once
#include <map>
#include <string>

namespace orvella::e2e {

// An INI file as the program left it: section -> key -> value, names in lower case (they match
// without regard to case), texts converted from Windows-1251 to UTF-8.
using IniSections = std::map<std::string, std::map<std::string, std::string>>;

IniSections ParseIni(const std::string& cp1251Bytes);

}  // namespace orvella::e2e
