#pragma once
#include <string>
#include <vector>

namespace orvella::e2e {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// A record of `orvdriver.exe windows` / `wait`.
struct TopWindow {
    std::string hwnd;
    unsigned long pid = 0;
    std::string className;
    std::string title;
    bool visible = false;
    Rect rect;
};

// A record of `orvdriver.exe children`.
struct ChildWindow {
    std::string hwnd;
    std::string parent;
    std::string className;
    std::string text;
    int id = 0;
    bool visible = false;
    Rect rect;
    std::string name;  // the name the program gives the control, if any
};

// A record of `orvdriver.exe msgbox`.
struct MessageBoxInfo {
    std::string hwnd;
    unsigned long pid = 0;
    std::string title;
    std::string text;
    std::vector<int> buttons;
};

// A record of `orvdriver.exe items`: an entry of a list view (its text, whether its box is ticked and
// whether it is selected) or of a combo box (its text alone).
struct ControlItem {
    std::string text;
    bool checked = false;
    bool selected = false;
    bool operator==(const ControlItem&) const = default;
};

// An icon line of the fake shell: `caption:x:y`, split at its last two ':'.
struct ShellIcon {
    std::string caption;
    int x = 0, y = 0;
    bool operator==(const ShellIcon&) const = default;
};

// A record of `orvdriver.exe reg`: the value's name, type and data (strings as UTF-8, numbers in
// decimal).
struct RegistryRecord {
    std::string name;
    std::string type;
    std::string data;
};

std::vector<TopWindow> ParseTopWindows(const std::string& output);
std::vector<ChildWindow> ParseChildWindows(const std::string& output);
std::vector<MessageBoxInfo> ParseMessageBoxes(const std::string& output);
std::vector<ControlItem> ParseControlItems(const std::string& output);
std::vector<ShellIcon> ParseShellIcons(const std::string& output);
std::vector<RegistryRecord> ParseRegistryRecords(const std::string& output);

}  // namespace orvella::e2e
