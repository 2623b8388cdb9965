#pragma once
#include <string>

#include "core/platform_services.h"
#include "core/run_mode.h"
#include "icons/icon_engine.h"
#include "icons/layout_auto_save.h"
#include "icons/layout_database.h"
#include "pictures/picture_engine.h"
#include "settings/run_settings.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace orvella {

class TForm1;

// The change panel: a small borderless window that changes the desktop picture, counts down its
// display time in change mode and ends the run. It also owns the layout database connections.
class TForm2 : public ui::Form {
public:
    TForm2(ui::Application& application, PlatformServices& platform, const CommandLine& commandLine,
           TForm1* settingsWindow);

    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;

    void LoadAppConf();
    void SavePosForm();
    void StartShowTime();
    void Timer1Timer();

    // The start-up work of change mode.
    void change() { pictures.change(); }
    void AutoSaveIcon() { autoSave.AutoSaveIcon(runSettings); }

    ui::Panel sPanel1;
    ui::Label Label1;
    ui::Button sSpeedButton1;
    ui::Timer Timer1;

    std::string ProgramDir;
    RunSettings runSettings;
    LayoutDatabase db;
    IconEngine icons;
    LayoutAutoSave autoSave;
    PictureEngine pictures;

    bool CountdownOn = false;
    long long DisplayTimeMs = 0;
    int CountdownSeconds = 0;
    int SecondsLeft = 0;

private:
    void OpenConnection(SqlConnection& connection);
    PlatformServices& platform_;
    const CommandLine& commandLine_;
    TForm1* settingsWindow_;
};

}  // namespace orvella
