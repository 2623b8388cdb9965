#include "pictures/change_panel.h"

#include <algorithm>
#include <exception>

#include "core/program_folder.h"
#include "pictures/preview_window.h"
#include "platform/dialogs.h"
#include "platform/picture_decoder.h"
#include "platform/system_info.h"
#include "settings/panel_config.h"
#include "settings/program_config.h"
#include "settings/settings_window.h"
#include "ui/application.h"

namespace orvella {
namespace {

constexpr const char* kFilesMissing = "Не найдены необходимые файлы! Переустановите программу.";
constexpr int kPanelWidth = 160;
constexpr int kPanelHeight = 78;
constexpr int kSaveButtonHeight = 22;
// The preview window reaches this far below the panel.
constexpr int kPreviewExtraHeight = 30;

}  // namespace

TForm2::TForm2(ui::Application& application, PlatformServices& platform, const CommandLine& commandLine,
               TForm1* settingsWindow)
    : Form("TForm2", application),
      sPanel1("sPanel1", this),
      sLabel1("sLabel1", &sPanel1),
      sBevel1("sBevel1", &sPanel1),
      sLabel2("sLabel2", &sPanel1),
      bChange("bChange", &sPanel1),
      Time("Time", &sPanel1),
      bDel("bDel", &sPanel1),
      bExit("bExit", &sPanel1),
      Image1("Image1", &sPanel1),
      N1("N1", &sPanel1),
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
                .showPrevButton = [this](bool show) { N1.SetVisible(show); }}),
      platform_(platform),
      commandLine_(commandLine),
      settingsWindow_(settingsWindow) {
    SetBorderStyle(ui::BorderStyle::None);
    SetTopMost(true);
    SetScreenSnap(true);
    OnMouseDown = [this] { FormMouseDown(); };
    sPanel1.OnMouseDown = [this] { FormMouseDown(); };

    sLabel1.SetBounds({6, 4, 60, 13});
    sLabel1.SetText("Orvella");
    sLabel1.SetFontColor(ui::kSilver);
    sLabel1.OnClick = [this] { bChangeClick(); };

    sBevel1.SetBounds({6, 17, 148, 2});

    sLabel2.SetBounds({0, 38, 170, 13});
    sLabel2.SetText("'обои' рабочего стола");
    sLabel2.SetAlignment(ui::TextAlign::Center);
    sLabel2.SetFontColor(ui::kWhite);
    sLabel2.OnClick = [this] { bChangeClick(); };

    bChange.SetBounds({1, 1, 158, 51});
    bChange.SetText("СМЕНИТЬ");
    bChange.SetFontStyle(ui::kFontBold);
    bChange.SetFontHeight(24);
    bChange.SetFontColor(ui::kWhite);
    bChange.SetFramed(true);
    bChange.OnClick = [this] { bChangeClick(); };
    bChange.OnMouseEnter = [this] { bChangeMouseEnter(); };
    bChange.OnMouseLeave = [this] { bChangeMouseLeave(); };

    Time.SetBounds({1, 51, 159, 8});
    Time.SetBarColor(ui::kRed);
    Time.SetVisible(false);
    Time.OnMouseDown = [this] { FormMouseDown(); };

    N1.SetBounds({4, 60, 55, 16});
    N1.SetText("<");
    N1.SetFontStyle(ui::kFontBold);
    N1.SetFontHeight(19);
    N1.SetFontColor(ui::kBlack);
    N1.SetHint("Возвратить предыдущую картинку");
    N1.SetShowHint(true);
    N1.OnClick = [this] { N1Click(); };
    N1.OnMouseEnter = [this] { N1MouseEnter(); };
    N1.OnMouseLeave = [this] { N1MouseLeave(); };

    bDel.SetBounds({59, 60, 44, 16});
    bDel.SetGlyph(ui::Glyph::RedBar);
    bDel.SetHint("Удалить текущую картинку с диска");
    bDel.SetShowHint(true);
    bDel.OnClick = [this] { N3Click(); };

    bExit.SetBounds({103, 60, 54, 16});
    bExit.SetText("X");
    bExit.SetFontStyle(ui::kFontBold);
    bExit.SetFontHeight(15);
    bExit.SetFontColor(ui::kBlack);
    bExit.SetHint("Закрыть");
    bExit.SetShowHint(true);
    bExit.OnClick = [this] { sSpeedButton1Click(); };

    Image1.SetBounds({0, 0, kPanelWidth, kPanelHeight});
    Image1.SetVisible(false);

    Label1.SetText("Переместите эту панель\nна желаемое место\nрасположения\nпрограммы");
    Label1.SetFontStyle(ui::kFontBold);
    Label1.SetAlignment(ui::TextAlign::Center);
    Label1.SetCursor(ui::Cursor::SizeAll);
    Label1.SetVisible(false);
    Label1.OnMouseDown = [this] { FormMouseDown(); };

    sSpeedButton1.SetText("Сохранить");
    sSpeedButton1.SetGlyph(ui::Glyph::GreenTick);
    sSpeedButton1.SetTransparent(false);
    sSpeedButton1.SetFramed(true);
    sSpeedButton1.SetVisible(false);
    sSpeedButton1.OnClick = [this] { sSpeedButton1Click(); };

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
    sSpeedButton1.SetBounds({0, kPanelHeight - kSaveButtonHeight, kPanelWidth, kSaveButtonHeight});
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
    Time.SetVisible(runSettings.showtime);

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

// The program has no help file; F1 only keeps the panel's place.
bool TForm2::FormHelp() {
    SavePosForm();
    return true;
}

void TForm2::LoadAppConf() {
    const PanelConfig config = ReadPanelConfig(ProgramConfig(platform_));
    SetPosition(config.left, config.top);
    SetColor(config.colorbutton);
    sPanel1.SetColor(config.colorbutton);
    Time.SetColor(config.colorbutton);
    DisplayTimeMs = std::max(config.pause, 0) * 1000LL;
    runSettings = config.run;
}

void TForm2::SavePosForm() {
    ConfigFile config = ProgramConfig(platform_);
    WritePanelPosition(config, Bounds().left, Bounds().top);
}

// Full again: one tick after this leaves exactly CountdownSeconds to run.
void TForm2::ResetCountdown() {
    CountdownSeconds = static_cast<int>(DisplayTimeMs / 1000);
    SecondsLeft = CountdownSeconds + 1;
    Time.SetMax(CountdownSeconds);
    Timer1Timer();
}

void TForm2::StartShowTime() {
    ResetCountdown();
    Timer1.SetEnabled(SecondsLeft > 0);
}

void TForm2::StopShowTime() {
    if (!CountdownOn) return;
    ResetCountdown();
    Timer1.SetEnabled(false);
}

// The bar keeps the visibility "showtime" gave it: a tick only moves it.
void TForm2::Timer1Timer() {
    --SecondsLeft;
    Time.SetPosition(SecondsLeft);
    if (SecondsLeft > 0) return;
    Timer1.SetEnabled(false);
    try {
        SavePosForm();
    } catch (const std::exception&) {
    }
    if (Visible()) App().Terminate();
}

void TForm2::ShowBody() {
    sPanel1.SetVisible(true);
    Label1.SetVisible(false);
    sSpeedButton1.SetVisible(false);
}

void TForm2::ShowPlacement() {
    Label1.SetVisible(true);
    sSpeedButton1.SetVisible(true);
    sPanel1.SetVisible(false);
}

void TForm2::bChangeMouseEnter() {
    sLabel2.SetFontColor(ui::kRed);
    sLabel1.SetFontColor(ui::kWhite);
}

void TForm2::bChangeMouseLeave() {
    sLabel2.SetFontColor(ui::kWhite);
    sLabel1.SetFontColor(ui::kSilver);
}

void TForm2::Back() {
    pictures.SetPrevBmp();
    Image1.SetVisible(false);
}

void TForm2::N1Click() { Back(); }

void TForm2::N1MouseEnter() {
    const auto& shown = pictures.ListShown;
    if (!N1.Visible() || shown.size() < 2) return;
    const std::string& previous = shown[shown.size() - 2];
    if (previous == PreviewPath) return;
    // Remembered even when it cannot be loaded: no retry until the pointer has left.
    PreviewPath = previous;
    const ui::Rect& bounds = Image1.Bounds();
    if (auto picture = platform_.pictureDecoder.Decode(previous, bounds.width, bounds.height)) {
        Image1.SetPicture(std::move(picture));
        Image1.SetVisible(true);
    }
}

void TForm2::N1MouseLeave() {
    Image1.SetVisible(false);
    PreviewPath.clear();
}

// The preview window is the confirmation: it shows the current picture with "Отменить" and
// "Удалить".
void TForm2::N3Click() {
    // Every started countdown shows its bar unless "showtime" hides it; either way it runs on.
    const bool countdownStarted = CountdownOn;
    StopShowTime();
    if (previewWindow_ != nullptr) {
        const ui::Rect& body = sPanel1.Bounds();
        previewWindow_->SetSize(body.width, body.height + kPreviewExtraHeight);
        previewWindow_->bDel.SetVisible(true);
        previewWindow_->ShowModal();
    }
    // Cleared first: a move on that fails must not be replayed by the next flow's "Отменить".
    if (BmpDeleted) {
        BmpDeleted = false;
        if (N1.Visible()) Back();
        else change();
    }
    if (countdownStarted) StartShowTime();
}

void TForm2::sSpeedButton1Click() {
    SavePosForm();
    Close();
    // In change mode there is no settings window: closing the panel above has ended the run.
    if (settingsWindow_ != nullptr) settingsWindow_->Show();
}

void TForm2::FormMouseDown() {
    Drag();
    StopShowTime();
}

}  // namespace orvella
