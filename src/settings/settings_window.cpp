#include "settings/settings_window.h"

#include "core/program_folder.h"
#include "platform/system_info.h"
#include "settings/program_config.h"

namespace orvella {

TForm1::TForm1(ui::Application& application, PlatformServices& platform)
    : Form("TForm1", application), platform_(platform) {
    SetBorderStyle(ui::BorderStyle::Single);
    SetClientSize(592, 340);
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

}  // namespace orvella
