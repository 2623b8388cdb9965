#include "fakes/settings_window_fixture.h"

#include <filesystem>

#include "settings/line_file.h"

namespace orvella {

namespace fs = std::filesystem;

SettingsWindowRun::SettingsWindowRun() { fakes.system.executablePath = dir.File("Orvella.exe"); }

TForm1& SettingsWindowRun::Create() {
    window = std::make_unique<TForm1>(app, platform);
    app.CreateForm(*window);
    return *window;
}

void SettingsWindowRun::WriteIni(const std::string& text) const { dir.Write("Orvella.ini", fakes.codec.ToAnsi(text)); }

std::string SettingsWindowRun::Ini() const { return fakes.codec.FromAnsi(dir.Read("Orvella.ini")); }

bool SettingsWindowRun::IniExists() const { return fs::exists(IniPath()); }

void SettingsWindowRun::WriteFolderList(const std::vector<std::string>& lines) {
    WriteLineFile(fakes.files, fakes.codec, FolderListPath(), lines);
}

void SettingsWindowRun::MakeReadOnly(const std::string& name) const {
    if (!fs::exists(dir.File(name))) dir.Write(name, "");
    fs::permissions(dir.File(name), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

// A control without a click handler takes the click and nothing follows, as in the window.
void SettingsWindowRun::Click(ui::Control& control) {
    if (control.OnClick) app.Dispatch(control.OnClick);
}

void SettingsWindowRun::Tick(ui::CheckBox& box, bool checked) {
    box.AcceptNativeChecked(checked);
    Click(box);
}

void SettingsWindowRun::Choose(ui::RadioButton& button) {
    button.AcceptNativeChoice();
    Click(button);
}

void SettingsWindowRun::ChooseColor(ui::Color color) {
    window->ColorButton.AcceptNativeSelected(color);
    app.Dispatch(window->ColorButton.OnChange);
}

void SettingsWindowRun::Select(int index) {
    window->ListDir.AcceptNativeItemIndex(index);
    app.Dispatch(window->ListDir.OnClick);
}

void SettingsWindowRun::TickFolder(int index, bool checked) {
    window->ListDir.AcceptNativeChecked(index, checked);
    app.Dispatch(window->ListDir.OnClickCheck);
}

void SettingsWindowRun::PressKeyInFolders(int virtualKey) {
    app.Dispatch([this, virtualKey] { window->ListDir.OnKeyDown(virtualKey); });
}

std::vector<std::string> SettingsWindowRun::Folders() const {
    std::vector<std::string> folders;
    for (const auto& item : window->ListDir.Items()) folders.push_back(item.text + (item.checked ? " [x]" : ""));
    return folders;
}

}  // namespace orvella
