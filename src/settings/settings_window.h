#pragma once
#include <string>

#include "core/platform_services.h"
#include "settings/settings_window_config.h"
#include "ui/check_list_box.h"
#include "ui/color_box.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/page_control.h"

namespace orvella {

class TForm2;

// The settings window, the main window of a run without parameters: the options on four pages,
// read from the configuration file at creation and written back by SaveAppConf.
class TForm1 : public ui::Form {
public:
    TForm1(ui::Application& application, PlatformServices& platform);

    static constexpr const char* kVersion = "2.0";
    static constexpr const char* kTitle = "Orvella - Управление рабочим столом";

    // The change panel ("главная форма") that the window shows; created after this window.
    void SetChangePanel(TForm2& changePanel) { changePanel_ = &changePanel; }

    void FormCreate() override;
    void FormShow() override;
    void FormDestroy() override;

    // Writes every setting of the window to the configuration file.
    void SaveAppConf();
    // Writes the folder list and its flags.
    void SaveDirConf();

    // Page 0.
    void RunChangeClick();
    void sSpeedButton1Click();
    void sSpeedButton2Click();
    void chkAutoRunClick();
    void ColorButtonChange() { SaveAppConf(); }
    // Page 1.
    void AddDirClick();
    void DelDirClick();
    void ListDirClick();
    void ListDirClickCheck();
    void ListDirDblClick();
    void ListDirKeyDown(int virtualKey);
    void SaveDirListClick();
    void chkOnListClick();
    void rbAutoScanClick();
    void bCreateListScanClick();
    void spSizeChange();

    ui::PageControl PageControl;
    ui::TabSheet sTabSheet4;
    ui::TabSheet sTabSheet1;
    ui::TabSheet sTabSheet2;
    ui::TabSheet sTabSheet3;
    ui::StatusBar StatusBar1;

    // Page 0, "Основные настройки".
    ui::GroupBox sGroupBox1;
    ui::Button RunChange;
    ui::Button sSpeedButton1;
    ui::Button sSpeedButton2;
    ui::Bevel sBevel1;
    ui::CheckBox chkAutoRun;
    ui::CheckBox chkOffVisible;
    ui::SpinEdit ActiveTime;
    ui::Label sLabel3;
    ui::CheckBox chkShowTime;
    ui::Label sLabel4;
    ui::ColorBox ColorButton;

    // Page 1, " Картинка на рабочем столе".
    ui::Label sLabel1;
    ui::Label sLabel2;
    ui::CheckListBox ListDir;
    ui::Button AddDir;
    ui::Button DelDir;
    ui::Button SaveDirList;
    ui::CheckBox chkOffChangeStart;
    ui::CheckBox chkOnList;
    ui::GroupBox sGroupBox2;
    ui::CheckBox chkSizeLimit;
    ui::SpinEdit spSize;
    ui::Label sLabel10;
    ui::GroupBox PTypeCreateList;
    ui::RadioButton rbAutoScan;
    ui::RadioButton rbManualScan;
    ui::Button bCreateListScan;
    ui::Label lAllCount;

    // Page 3, "О программе".
    ui::Label sLabel5;
    ui::Label sLabelFX1Shadow;
    ui::Label sLabelFX1;
    ui::Label sLabel6;
    ui::Label version;
    ui::Memo mmo1;

    std::string ProgramDir;
    std::string AutoRunName;
    std::string Version;

private:
    void BuildMainPage();
    void BuildFoldersPage();
    void BuildAboutPage();
    void FillFolders();
    // The place a new entry takes in the sorted list: after the entries it sorts equal to.
    int SortedPlace(const std::string& path) const;
    void ApplyListOption();
    void ApplyScanMethod();
    // The folder dialog, opened at `startFolder` when given, else where it was last left.
    std::optional<std::string> SelectDir(const std::string& startFolder = {});

    PlatformServices& platform_;
    TForm2* changePanel_ = nullptr;
    SettingsWindowConfig values_;
    std::string lastFolder_;
};

}  // namespace orvella
