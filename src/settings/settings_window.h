#pragma once
#include <string>

#include "core/platform_services.h"
#include "settings/settings_window_config.h"
#include "ui/form.h"

namespace orvella {

// The settings window, the main window of a run without parameters.
class TForm1 : public ui::Form {
public:
    TForm1(ui::Application& application, PlatformServices& platform);

    static constexpr const char* kVersion = "2.0";
    static constexpr const char* kTitle = "Orvella - Управление рабочим столом";

    void FormCreate() override;
    void FormDestroy() override;

    // Writes every setting of the window to the configuration file.
    void SaveAppConf();

    std::string ProgramDir;
    std::string AutoRunName;

private:
    PlatformServices& platform_;
    SettingsWindowConfig values_;
};

}  // namespace orvella
