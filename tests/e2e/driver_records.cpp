#include "e2e/driver_records.h"

#include <cstdlib>
#include <sstream>

namespace orvella::e2e {
namespace {

std::string Unescape(const std::string& field) {
    std::string text;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            text += field[i];
            continue;
        }
        switch (field[++i]) {
            case 't': text += '\t'; break;
            case 'r': text += '\r'; break;
            case 'n': text += '\n'; break;
            default: text += field[i]; break;
        }
    }
    return text;
}

// Every line's fields, unescaped.
std::vector<std::vector<std::string>> AllRecords(const std::string& output) {
    std::vector<std::vector<std::string>> records;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> fields;
        size_t start = 0;
        for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(Unescape(line.substr(start, tab - start)));
        fields.push_back(Unescape(line.substr(start)));
        records.push_back(std::move(fields));
    }
    return records;
}

// The lines with exactly `fieldCount` fields.
std::vector<std::vector<std::string>> Records(const std::string& output, size_t fieldCount) {
    std::vector<std::vector<std::string>> records;
    for (auto& fields : AllRecords(output))
        if (fields.size() == fieldCount) records.push_back(std::move(fields));
    return records;
}

Rect ParseRect(const std::string& text) {
    Rect rect;
    std::sscanf(text.c_str(), "%d,%d,%d,%d", &rect.left, &rect.top, &rect.right, &rect.bottom);
    return rect;
}

}  // namespace

std::vector<TopWindow> ParseTopWindows(const std::string& output) {
    std::vector<TopWindow> windows;
    for (const auto& f : Records(output, 6))
        windows.push_back({f[0], std::strtoul(f[1].c_str(), nullptr, 10), f[2], f[3], f[4] == "1", ParseRect(f[5])});
    return windows;
}

std::vector<ChildWindow> ParseChildWindows(const std::string& output) {
    std::vector<ChildWindow> windows;
    for (const auto& f : Records(output, 8))
        windows.push_back({f[0], f[1], f[2], f[3], std::atoi(f[4].c_str()), f[5] == "1", ParseRect(f[6]), f[7]});
    return windows;
}

std::vector<MessageBoxInfo> ParseMessageBoxes(const std::string& output) {
    std::vector<MessageBoxInfo> boxes;
    for (const auto& f : Records(output, 5)) {
        MessageBoxInfo box{f[0], std::strtoul(f[1].c_str(), nullptr, 10), f[2], f[3], {}};
        std::istringstream ids(f[4]);
        for (std::string id; std::getline(ids, id, ',');) box.buttons.push_back(std::atoi(id.c_str()));
        boxes.push_back(std::move(box));
    }
    return boxes;
}

std::vector<RegistryRecord> ParseRegistryRecords(const std::string& output) {
    std::vector<RegistryRecord> records;
    for (const auto& f : Records(output, 3)) records.push_back({f[0], f[1], f[2]});
    return records;
}

std::vector<ControlItem> ParseControlItems(const std::string& output) {
    std::vector<ControlItem> items;
    for (const auto& f : AllRecords(output)) {
        if (f.size() == 1) items.push_back({f[0], false, false});
        else if (f.size() == 3) items.push_back({f[0], f[1] == "1", f[2] == "1"});
    }
    return items;
}

std::vector<ShellIcon> ParseShellIcons(const std::string& output) {
    std::vector<ShellIcon> icons;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t last = line.rfind(':');
        const size_t middle = last == std::string::npos || last == 0 ? std::string::npos : line.rfind(':', last - 1);
        if (middle == std::string::npos) continue;
        icons.push_back({line.substr(0, middle), std::atoi(line.substr(middle + 1, last - middle - 1).c_str()),
                         std::atoi(line.substr(last + 1).c_str())});
    }
    return icons;
}

}  // namespace orvella::e2e
