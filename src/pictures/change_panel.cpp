#include "pictures/change_panel.h"

#include <algorithm>
#include <exception>

#include "core/program_folder.h"
#include "platform/dialogs.h"
#include "platform/system_info.h"
#include "settings/program_config.h"
#include "settings/panel_config.h"
#include "settings/settings_window.h"
#include "ui/application.h"

namespace orvella {
namespace {

constexpr const char* kFilesMissing = "Не найдены необходимые файлы! Переустановите программу.";
constexpr int kPanelWidth = 160;
constexpr int kPanelHeight = 78;

}  // namespace

TForm2::TForm2(ui::Application& application, PlatformServices& platform, const CommandLine& commandLine,
               TForm1* settingsWindow)
    : Form("TForm2", application),
      sPanel1("sPanel1", this),
      Label1("Label1", this),
      sSpeedButton1("sSpeedButton1", this),
      Timer1(*this, "Timer1"),
      db(platform.files, platform.sqlite, platform.codec),
      icons(platform.desktopList, platform.dialogs, platform.system, platform.codec, platform.collation),
      autoSave(icons, db, platform.clock, platform.dialogs),
      pictures({platform.files, platform.codec, platform.folders, platform.desktopPicture, platform.random}, runSettings,
               {.processMessages = [this] { App().ProcessMessages(); },
                .countdownOn = [this] { return CountdownOn; },
                .startShowTime = [this] { StartShowTime(); },
                .showPrevButton = {}}),
      platform_(platform),
      commandLine_(commandLine),
      settingsWindow_(settingsWindow) {
    SetBorderStyle(ui::BorderStyle::None);
    SetTopMost(true);
    Label1.SetText("Переместите эту панель\nна желаемое место\nрасположения\nпрограммы");
    Label1.SetVisible(false);
    sSpeedButton1.SetText("Сохранить");
    sSpeedButton1.SetVisible(false);
    Timer1.SetInterval(1000);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

void TForm2::OpenConnection(SqlConnection& connection) {
    try {
        connection.Open(ProgramDir);
    } catch (const DatabaseOpenError&) {
        // Both connections fail together as a rule; the user is told once.
        if (!App().Terminated()) platform_.dialogs.ShowMessage(kFilesMissing);
        App().Terminate();
    }
}

void TForm2::FormCreate() {
    ProgramDir = FolderOf(platform_.system.ExecutablePath());
    pictures.SetProgramFolder(ProgramDir, ProgramConfig(platform_).Path());
    OpenConnection(db.sqlDB);
    OpenConnection(db.sqlDB2);
    db.SqlQuery(LayoutDatabase::kCreateManualTable);
    db.SqlQuery2(LayoutDatabase::kCreateAutomaticTable);
    LoadAppConf();

    Label1.SetBounds({0, 0, kPanelWidth, kPanelHeight});
    SetSize(kPanelWidth, kPanelHeight);
    sPanel1.SetBounds({0, 0, kPanelWidth, kPanelHeight});
    sSpeedButton1.SetBounds({0, kPanelHeight - 22, kPanelWidth, 22});
    pictures.CurBmp = pictures.GetBmp("cur");
}

void TForm2::FormShow() {
    if (!commandLine_.ChangeMode()) {
        // The panel takes over the settings window's current values through the file.
        try {
            if (settingsWindow_ != nullptr) settingsWindow_->SaveAppConf();
            LoadAppConf();
        } catch (const std::exception&) {
        }
        return;
    }

    try {
        LoadAppConf();
    } catch (const std::exception&) {
    }
    App().HideTaskbarEntry();
    sSpeedButton1.SetVisible(false);
    Label1.SetVisible(false);

    if (runSettings.offvisible) {
        CountdownOn = true;
        StartShowTime();
        if (runSettings.offchangestart) change();
    } else {
        SetAlphaBlend(1);
        change();
        DisplayTimeMs = 1;
    }
    if (runSettings.AutoSaveIcon) AutoSaveIcon();

    // Nothing would ever end an unseen run, and it would refuse every later start.
    if (!runSettings.offvisible) App().Terminate();
}

void TForm2::FormDestroy() { SavePosForm(); }

void TForm2::LoadAppConf() {
    const PanelConfig config = ReadPanelConfig(ProgramConfig(platform_));
    SetPosition(config.left, config.top);
    SetColor(config.colorbutton);
    sPanel1.SetColor(config.colorbutton);
    DisplayTimeMs = std::max(config.pause, 0) * 1000LL;
    runSettings = config.run;
}

void TForm2::SavePosForm() {
    ConfigFile config = ProgramConfig(platform_);
    WritePanelPosition(config, Bounds().left, Bounds().top);
}

void TForm2::StartShowTime() {
    CountdownSeconds = static_cast<int>(DisplayTimeMs / 1000);
    SecondsLeft = CountdownSeconds + 1;
    Timer1Timer();
    Timer1.SetEnabled(SecondsLeft > 0);
}

void TForm2::Timer1Timer() {
    --SecondsLeft;
    if (SecondsLeft > 0) return;
    Timer1.SetEnabled(false);
    try {
        SavePosForm();
    } catch (const std::exception&) {
    }
    if (Visible()) App().Terminate();
}

}  // namespace orvella
