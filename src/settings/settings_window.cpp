#include "settings/settings_window.h"

#include <exception>

#include "core/program_folder.h"
#include "pictures/change_panel.h"
#include "platform/system_info.h"
#include "settings/autostart.h"
#include "settings/color_choices.h"
#include "settings/desktop_link.h"
#include "settings/program_config.h"

namespace orvella {
namespace {

constexpr int kClientWidth = 592;
constexpr int kClientHeight = 340;
constexpr int kStatusBarHeight = 20;
constexpr int kAboutPage = 3;

}  // namespace

TForm1::TForm1(ui::Application& application, PlatformServices& platform)
    : Form("TForm1", application),
      PageControl("PageControl", this),
      sTabSheet4("sTabSheet4", &PageControl),
      sTabSheet1("sTabSheet1", &PageControl),
      sTabSheet2("sTabSheet2", &PageControl),
      sTabSheet3("sTabSheet3", &PageControl),
      StatusBar1("StatusBar1", this),
      sGroupBox1("sGroupBox1", &sTabSheet4),
      RunChange("RunChange", &sGroupBox1),
      sSpeedButton1("sSpeedButton1", &sGroupBox1),
      sSpeedButton2("sSpeedButton2", &sGroupBox1),
      sBevel1("sBevel1", &sGroupBox1),
      chkAutoRun("chkAutoRun", &sGroupBox1),
      chkOffVisible("chkOffVisible", &sGroupBox1),
      ActiveTime("ActiveTime", &sGroupBox1),
      sLabel7("sLabel7", &sGroupBox1),
      chkShowTime("chkShowTime", &sGroupBox1),
      sLabel8("sLabel8", &sGroupBox1),
      ColorButton("ColorButton", &sGroupBox1),
      sLabel1("sLabel1", &sTabSheet1),
      sLabel2("sLabel2", &sTabSheet1),
      ListDir("ListDir", &sTabSheet1),
      AddDir("AddDir", &sTabSheet1),
      DelDir("DelDir", &sTabSheet1),
      SaveDirList("SaveDirList", &sTabSheet1),
      chkOffChangeStart("chkOffChangeStart", &sTabSheet1),
      chkOnList("chkOnList", &sTabSheet1),
      sGroupBox2("sGroupBox2", &sTabSheet1),
      chkSizeLimit("chkSizeLimit", &sGroupBox2),
      spSize("spSize", &sGroupBox2),
      sLabel10("sLabel10", &sGroupBox2),
      PTypeCreateList("PTypeCreateList", &sTabSheet1),
      rbAutoScan("rbAutoScan", &PTypeCreateList),
      rbManualScan("rbManualScan", &PTypeCreateList),
      bCreateListScan("bCreateListScan", &PTypeCreateList),
      lAllCount("lAllCount", &PTypeCreateList),
      sLabel3("sLabel3", &sTabSheet2),
      Grid1("Grid1", &sTabSheet2),
      sPanel3("sPanel3", &sTabSheet2),
      sLabel4("sLabel4", &sPanel3),
      eInputName("eInputName", &sPanel3),
      sbAddPosIcon("sbAddPosIcon", &sPanel3),
      sBevel2("sBevel2", &sTabSheet2),
      sLabel6("sLabel6", &sTabSheet2),
      Grid2("Grid2", &sTabSheet2),
      sPanel4("sPanel4", &sTabSheet2),
      chkAutoSaveIcon("chkAutoSaveIcon", &sPanel4),
      seCountAutoSave("seCountAutoSave", &sPanel4),
      sLabel5("sLabel5", &sPanel4),
      chkUnic("chkUnic", &sPanel4),
      PopupMenu1("PopupMenu1"),
      sLabel11("sLabel11", &sTabSheet3),
      sLabelFX1Shadow("sLabelFX1Shadow", &sTabSheet3),
      sLabelFX1("sLabelFX1", &sTabSheet3),
      sLabel12("sLabel12", &sTabSheet3),
      version("version", &sTabSheet3),
      mmo1("mmo1", &sTabSheet3),
      platform_(platform) {
    SetBorderStyle(ui::BorderStyle::Single);
    SetClientSize(kClientWidth, kClientHeight);
    SetColor(static_cast<ui::Color>(0x80000000u | 22u));  // the system's light 3-D colour
    SetScreenSnap(true);

    PageControl.SetBounds({0, 0, kClientWidth, kClientHeight - kStatusBarHeight});
    sTabSheet4.SetText("Основные настройки");
    sTabSheet1.SetText(" Картинка на рабочем столе");
    sTabSheet2.SetText("Ярлыки на рабочем столе");
    sTabSheet3.SetText("О программе");
    // Built with the last page open; the stored page, when valid, replaces it at creation.
    PageControl.SetActivePageIndex(kAboutPage);

    StatusBar1.SetBounds({0, kClientHeight - kStatusBarHeight, kClientWidth, kStatusBarHeight});
    StatusBar1.SetPanels({{480, "", false}, {100, "", true}});
    // Every hint of this window shows in the status bar.
    OnHint = [this](const std::string& hint) { StatusBar1.SetPanelText(0, hint); };

    BuildMainPage();
    BuildFoldersPage();
    BuildLayoutsPage();
    BuildAboutPage();
}

void TForm1::BuildMainPage() {
    sGroupBox1.SetBounds({8, 6, 566, 262});
    sGroupBox1.SetText(" Главная форма (с кнопкой \"Сменить\") ");
    sGroupBox1.SetFontStyle(ui::kFontBold);

    RunChange.SetBounds({12, 28, 214, 28});
    RunChange.SetText("Показать главную форму");
    RunChange.OnClick = [this] { RunChangeClick(); };
    sSpeedButton1.SetBounds({12, 64, 214, 40});
    sSpeedButton1.SetText("Задать расположение\nна экране");
    sSpeedButton1.OnClick = [this] { sSpeedButton1Click(); };
    sSpeedButton2.SetBounds({12, 112, 214, 40});
    sSpeedButton2.SetWordWrap(true);
    sSpeedButton2.SetText("Создать на рабочем столе  ярлык \"Сменить обои\"");
    sSpeedButton2.OnClick = [this] { sSpeedButton2Click(); };
    sBevel1.SetBounds({238, 24, 2, 226});

    chkAutoRun.SetBounds({252, 28, 304, 20});
    chkAutoRun.SetText("Запускать программу при старте Windows");
    chkAutoRun.OnClick = [this] { chkAutoRunClick(); };
    chkOffVisible.SetBounds({252, 56, 304, 20});
    chkOffVisible.SetText("Показывать программу при старте");
    chkOffVisible.SetHint("Отображение главной формы при старте");

    const std::string activeTimeHint = "Время отображения главной формы с  кнопкой \"Сменить\"";
    ActiveTime.SetBounds({252, 84, 70, 22});
    ActiveTime.SetRange(0, 9999);
    ActiveTime.SetHint(activeTimeHint);
    sLabel7.SetBounds({328, 88, 40, 16});
    sLabel7.SetText("сек.");
    sLabel7.SetHint(activeTimeHint);

    chkShowTime.SetBounds({252, 114, 304, 20});
    chkShowTime.SetText("Показывать оставшееся время");
    chkShowTime.SetHint("Показывать на главной форме оставшееся время до закрытия");

    sLabel8.SetBounds({252, 150, 200, 16});
    sLabel8.SetText("Цвет главной формы:");
    ColorButton.SetBounds({252, 170, 220, 300});
    ColorButton.SetEntries(PanelColorChoices(), kCustomColorEntry);
    ColorButton.OnChange = [this] { ColorButtonChange(); };
}

void TForm1::FormCreate() {
    Version = kVersion;
    const std::string title = std::string(kTitle) + (platform_.system.IsWin64() ? " (x64)" : " (x86)");
    SetText(title);
    version.SetText(Version);
    sLabelFX1.SetText(title);
    sLabelFX1Shadow.SetText(title);
    AutoRunName = "Orvella";
    ProgramDir = FolderOf(platform_.system.ExecutablePath());

    const ConfigFile config = ProgramConfig(platform_);
    values_ = ReadSettingsWindowConfig(config);
    SetPosition(values_.left, values_.top);
    FillFolders();
    ColorButton.SetSelected(values_.colorbutton);
    ActiveTime.SetValue(values_.pause);
    chkOffChangeStart.SetChecked(values_.run.offchangestart);
    chkOffVisible.SetChecked(values_.run.offvisible);
    chkOnList.SetChecked(values_.run.onlist);
    rbAutoScan.SetChecked(values_.run.autoscan);
    seCountAutoSave.SetValue(values_.run.countautosave);
    chkAutoSaveIcon.SetChecked(values_.run.AutoSaveIcon);
    PageControl.SetActivePageIndex(values_.page);
    chkShowTime.SetChecked(values_.run.showtime);
    chkUnic.SetChecked(values_.run.unic);
    spSize.SetValue(values_.run.sizelimit);
    chkSizeLimit.SetChecked(values_.run.onsizelimit);

    rbManualScan.SetChecked(!rbAutoScan.Checked());
    ApplyListOption();
    ApplyScanMethod();
}

// The registry alone decides the autostart box; setting it here runs no handler.
void TForm1::FormShow() {
    chkAutoRun.SetChecked(IsAutoRun(platform_.registry, AutoRunName));
    SelectAll(1);
    SelectAll(2);
}

void TForm1::FormDestroy() { SaveAppConf(); }

void TForm1::SaveAppConf() {
    values_.left = Bounds().left;
    values_.top = Bounds().top;
    values_.colorbutton = ColorButton.Selected();
    values_.pause = ActiveTime.Value();
    values_.run.offchangestart = chkOffChangeStart.Checked();
    values_.run.offvisible = chkOffVisible.Checked();
    values_.run.onlist = chkOnList.Checked();
    values_.run.autoscan = rbAutoScan.Checked();
    values_.run.countautosave = seCountAutoSave.Value();
    values_.run.AutoSaveIcon = chkAutoSaveIcon.Checked();
    values_.page = PageControl.ActivePageIndex();
    values_.run.showtime = chkShowTime.Checked();
    values_.run.unic = chkUnic.Checked();
    values_.run.sizelimit = spSize.Value();
    values_.run.onsizelimit = chkSizeLimit.Checked();
    ConfigFile config = ProgramConfig(platform_);
    WriteSettingsWindowConfig(config, values_, chkAutoRun.Checked());
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

void TForm1::sSpeedButton2Click() {
    CreateDesktopLink(platform_.registry, platform_.shellLinks, platform_.system.ExecutablePath());
}

void TForm1::chkAutoRunClick() {
    ApplyAutoRunChoice(chkAutoRun.Checked(), platform_.registry, platform_.dialogs, AutoRunName,
                       platform_.system.ExecutablePath());
}

}  // namespace orvella
