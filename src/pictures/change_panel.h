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
class TForm4;

// The change panel: a small borderless window that changes the desktop picture, counts down its
// display time in change mode and ends the run. It also owns the layout database connections.
class TForm2 : public ui::Form {
public:
    TForm2(ui::Application& application, PlatformServices& platform, const CommandLine& commandLine,
           TForm1* settingsWindow);

    // The preview window of the delete flow; it exists in every run but is created after the panel.
    void SetPreviewWindow(TForm4& previewWindow) { previewWindow_ = &previewWindow; }

    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;
    bool FormHelp() override;

    void LoadAppConf();
    void SavePosForm();
    void StartShowTime();
    void StopShowTime();
    void Timer1Timer();

    // The two faces the settings window shows: the panel itself, or the placement instruction.
    void ShowBody();
    void ShowPlacement();

    void bChangeClick() { pictures.change(); }
    void bChangeMouseEnter();
    void bChangeMouseLeave();
    void N1Click();
    void N1MouseEnter();
    void N1MouseLeave();
    void N3Click();
    void sSpeedButton1Click();
    void FormMouseDown();

    // The start-up work of change mode.
    void change() { pictures.change(); }
    void AutoSaveIcon() { autoSave.AutoSaveIcon(runSettings); }

    // The body and its controls, in the order they lie on each other (later ones on top).
    ui::Panel sPanel1;
    ui::Label sLabel1;
    ui::Bevel sBevel1;
    ui::Label sLabel2;
    ui::SpeedButton bChange;
    ui::ProgressBar Time;
    ui::SpeedButton bDel;
    ui::SpeedButton bExit;
    ui::Image Image1;
    ui::SpeedButton N1;
    // The placement mode, outside the body.
    ui::Label Label1;
    ui::SpeedButton sSpeedButton1;
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

    // Set by the preview window: the file it may delete, and whether it did.
    std::string DelBmp;
    bool BmpDeleted = false;
    // The picture loaded into Image1; empty when none is.
    std::string PreviewPath;

private:
    void OpenConnection(SqlConnection& connection);
    void ResetCountdown();
    void Back();

    PlatformServices& platform_;
    const CommandLine& commandLine_;
    TForm1* settingsWindow_;
    TForm4* previewWindow_ = nullptr;
};

}  // namespace orvella
