#include "settings/settings_window.h"

#include <exception>

#include "core/program_folder.h"
#include "pictures/change_panel.h"
#include "platform/system_info.h"
#include "settings/program_config.h"

namespace orvella {

TForm1::TForm1(ui::Application& application, PlatformServices& platform)
    : Form("TForm1", application),
      RunChange("RunChange", this),
      sSpeedButton1("sSpeedButton1", this),
      platform_(platform) {
    SetBorderStyle(ui::BorderStyle::Single);
    SetClientSize(592, 340);
    RunChange.SetBounds({16, 16, 150, 25});
    RunChange.SetText("Показать главную форму");
    RunChange.OnClick = [this] { RunChangeClick(); };
    sSpeedButton1.SetBounds({16, 48, 150, 36});
    sSpeedButton1.SetText("Задать расположение\nна экране");
    sSpeedButton1.OnClick = [this] { sSpeedButton1Click(); };
}

void TForm1::FormCreate() {
    SetText(std::string(kTitle) + (platform_.system.IsWin64() ? " (x64)" : " (x86)"));
    AutoRunName = "Orvella";
    ProgramDir = FolderOf(platform_.system.ExecutablePath());
    values_ = ReadSettingsWindowConfig(ProgramConfig(platform_));
    SetPosition(values_.left, values_.top);
}

void TForm1::FormDestroy() { SaveAppConf(); }

void TForm1::SaveAppConf() {
    values_.left = Bounds().left;
    values_.top = Bounds().top;
    ConfigFile config = ProgramConfig(platform_);
    WriteSettingsWindowConfig(config, values_, /*autorun=*/false);
}

// The panel brings this window back with its "X" or "Сохранить".
void TForm1::RunChangeClick() {
    if (changePanel_ == nullptr) return;
    try {
        changePanel_->ShowBody();
        changePanel_->Show();
        Hide();
    } catch (const std::exception&) {
    }
}

// The window stays behind the panel while the user places it.
void TForm1::sSpeedButton1Click() {
    if (changePanel_ == nullptr) return;
    changePanel_->ShowPlacement();
    changePanel_->ShowModal();
}

}  // namespace orvella
