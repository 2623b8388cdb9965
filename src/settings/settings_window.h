#pragma once
#include <string>

#include "core/platform_services.h"
#include "settings/settings_window_config.h"
#include "ui/control.h"
#include "ui/form.h"

namespace orvella {

class TForm2;

// The settings window, the main window of a run without parameters.
class TForm1 : public ui::Form {
public:
    TForm1(ui::Application& application, PlatformServices& platform);

    // The change panel ("главная форма") that the window shows; created after this window.
    void SetChangePanel(TForm2& changePanel) { changePanel_ = &changePanel; }

    static constexpr const char* kVersion = "2.0";
    static constexpr const char* kTitle = "Orvella - Управление рабочим столом";

    void FormCreate() override;
    void FormDestroy() override;

    // Writes every setting of the window to the configuration file.
    void SaveAppConf();

    void RunChangeClick();
    void sSpeedButton1Click();

    ui::Button RunChange;
    ui::Button sSpeedButton1;

    std::string ProgramDir;
    std::string AutoRunName;

private:
    PlatformServices& platform_;
    TForm2* changePanel_ = nullptr;
    SettingsWindowConfig values_;
};

}  // namespace orvella
