#pragma once
#include <memory>
#include <string>
#include <vector>

#include "fakes/fake_platform_services.h"
#include "fakes/temp_dir.h"
#include "settings/settings_window.h"
#include "ui/headless_application.h"

namespace orvella {

// A program folder and the settings window created over it as a normal run creates it, alone:
// without the change panel its buttons that need the panel do nothing. What the user does runs
// through the application's dispatch, as the binding runs it.
class SettingsWindowRun {
public:
    SettingsWindowRun();

    // Creates the window over what the folder holds now; a run creates it once.
    TForm1& Create();

    void WriteIni(const std::string& text) const;
    std::string Ini() const;
    bool IniExists() const;
    std::string IniPath() const { return dir.File("Orvella.ini"); }
    // "ListDir.txt" as the program writes it (ANSI, CR LF).
    void WriteFolderList(const std::vector<std::string>& lines);
    std::string FolderListPath() const { return dir.File("ListDir.txt"); }
    // Writes to this file of the program folder are refused from now on.
    void MakeReadOnly(const std::string& name) const;

    // The user's actions.
    void Click(ui::Control& control);
    void Tick(ui::CheckBox& box, bool checked);
    void Choose(ui::RadioButton& button);
    void ChooseColor(ui::Color color);
    // Selects an entry of the folder list (-1: none), by mouse or keyboard.
    void Select(int index);
    void TickFolder(int index, bool checked);
    void DoubleClickFolders() { app.Dispatch(window->ListDir.OnDblClick); }
    void PressKeyInFolders(int virtualKey);

    // The folder list's entries as "text" for an unticked entry and "text [x]" for a ticked one.
    std::vector<std::string> Folders() const;

    TempDir dir;
    FakePlatformServices fakes;
    PlatformServices platform = fakes.Services();
    ui::HeadlessApplication app{fakes.dialogs};
    std::unique_ptr<TForm1> window;
};

}  // namespace orvella
