#include "e2e/ini_text.h"

#include <algorithm>
#include <sstream>

#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

IniSections ParseIni(const std::string& cp1251Bytes) {
    const std::string text = Cp1251Codec().FromAnsi(cp1251Bytes);
    IniSections sections;
    std::string section;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = Trim(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
            sections[section];
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos) sections[section][Lower(Trim(line.substr(0, equals)))] = line.substr(equals + 1);
    }
    return sections;
}

}  // namespace orvella::e2e
