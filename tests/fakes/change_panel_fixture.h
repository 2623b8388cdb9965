#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/run_mode.h"
#include "fakes/fake_platform_services.h"
#include "fakes/temp_dir.h"
#include "pictures/change_panel.h"
#include "pictures/preview_window.h"
#include "settings/settings_window.h"
#include "ui/headless_application.h"

namespace orvella {

// A program folder with the layout database and three pictures a, b and c, each decodable in a
// colour of its own, and the windows of one run built over it as the program builds them.
// Pictures are drawn from the stored list of all three ("autoscan" off) and the panel starts
// without changing the picture ("offchangestart" off); a run's settings add to these or override
// them. The random draw takes the first entry unless scripted otherwise.
class ChangePanelRun {
public:
    enum class Mode { Normal, Change };
    using Settings = std::map<std::string, std::string>;

    static constexpr std::uint32_t kColorA = 0xFF0000AAu;
    static constexpr std::uint32_t kColorB = 0xFF00BB00u;
    static constexpr std::uint32_t kColorC = 0xFFCC0000u;

    ChangePanelRun();

    // Writes the settings, then creates the windows: the settings window first in normal mode,
    // the change panel, the preview window.
    void Create(Mode mode, const Settings& settings = {});
    // Shows the panel as a run does: as the main window in change mode, by the settings window's
    // "Показать главную форму" in normal mode.
    void ShowPanel();
    void Start(Mode mode, const Settings& settings = {}) {
        Create(mode, settings);
        ShowPanel();
    }

    // Ticks of the panel's timer, each dispatched as the binding dispatches it.
    void Tick(int count = 1);
    // What the user does while the preview window is up; then runs the panel's delete button.
    void DeleteFlow(const std::function<void(TForm4&)>& user);

    std::string Picture(std::string_view name) const { return (dir.Path() / "pics" / name).string(); }
    bool Exists(const std::string& path) const;
    void StoreList(std::string_view fileName, const std::vector<std::string>& paths);
    std::vector<std::string> Stored(std::string_view fileName) const;
    std::string Ini() const;
    std::string IniPath() const { return dir.File("Orvella.ini"); }
    // Writes to the configuration file are refused from now on.
    void MakeIniReadOnly() const;

    TempDir dir;
    FakePlatformServices fakes;
    PlatformServices platform = fakes.Services();
    ui::HeadlessApplication app{fakes.dialogs};
    const std::string a = Picture("a.jpg");
    const std::string b = Picture("b.jpg");
    const std::string c = Picture("c.jpg");

    std::unique_ptr<CommandLine> commandLine;
    std::unique_ptr<TForm1> settingsWindow;
    std::unique_ptr<TForm2> panel;
    std::unique_ptr<TForm4> preview;
};

}  // namespace orvella
