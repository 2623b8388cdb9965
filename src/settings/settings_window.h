#pragma once
#include <string>

#include "core/platform_services.h"
#include "icons/result_set.h"
#include "settings/settings_window_config.h"
#include "ui/check_list_box.h"
#include "ui/color_box.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/text_controls.h"

namespace orvella {

class TForm2;
class TForm3;

// The settings window, the main window of a run without parameters: the options on four pages,
// read from the configuration file at creation and written back by SaveAppConf.
class TForm1 : public ui::Form {
public:
    TForm1(ui::Application& application, PlatformServices& platform);

    static constexpr const char* kVersion = "2.0";
    static constexpr const char* kTitle = "Orvella - Управление рабочим столом";

    // The change panel ("главная форма") that the window shows; created after this window.
    void SetChangePanel(TForm2& changePanel) { changePanel_ = &changePanel; }
    // The report window of the layout comparison.
    void SetReportWindow(TForm3& reportWindow) { reportWindow_ = &reportWindow; }

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
    // Page 2.
    void SelectAll(int kind);
    // What tells the current row of the manual table apart: its name; of the automatic table: its
    // name and time.
    std::string GetField1() const;
    struct AutomaticRow {
        std::string name;
        std::string time;
    };
    AutomaticRow GetField2() const;
    void GetPosIndex(int kind);
    void SetPosIndex(int kind);
    void GetCurSaveIcon();
    void pmRestoreClick();
    void pmCompareClick();
    void pmDeleteClick();
    void PopupMenu1Popup();
    void PMOnOff(bool enabled);
    void sbAddPosIconClick();
    void eInputNameChange();
    void eInputNameKeyDown(int virtualKey);
    void Grid1MouseDown();
    void Grid2MouseDown();
    void Grid1KeyDown(int virtualKey);
    void Grid2KeyDown(int virtualKey);
    void Grid1DblClick();

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
    ui::Label sLabel7;
    ui::CheckBox chkShowTime;
    ui::Label sLabel8;
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

    // Page 2, "Ярлыки на рабочем столе".
    ui::Label sLabel3;
    ui::Grid Grid1;
    ui::Panel sPanel3;
    ui::Label sLabel4;
    ui::Edit eInputName;
    ui::Button sbAddPosIcon;
    ui::Bevel sBevel2;
    ui::Label sLabel6;
    ui::Grid Grid2;
    ui::Panel sPanel4;
    ui::CheckBox chkAutoSaveIcon;
    ui::SpinEdit seCountAutoSave;
    ui::Label sLabel5;
    ui::CheckBox chkUnic;
    ui::PopupMenu PopupMenu1;
    // The lines of the stored layout fetched last.
    std::vector<std::string> ListTemp;

    // Page 3, "О программе".
    ui::Label sLabel11;
    ui::Label sLabelFX1Shadow;
    ui::Label sLabelFX1;
    ui::Label sLabel12;
    ui::Label version;
    ui::Memo mmo1;

    std::string ProgramDir;
    std::string AutoRunName;
    std::string Version;

private:
    void BuildMainPage();
    void BuildFoldersPage();
    void BuildLayoutsPage();
    void BuildAboutPage();
    void FillFolders();
    // The place a new entry takes in the sorted list: after the entries it sorts equal to.
    int SortedPlace(const std::string& path) const;
    void ApplyListOption();
    void ApplyScanMethod();
    // The folder dialog, opened at `startFolder` when given, else where it was last left.
    std::optional<std::string> SelectDir(const std::string& startFolder = {});

    ResultSet& Table(int kind) const;
    ui::Grid& GridOf(int kind);
    void ShowRows(int kind);
    void GridRowChosen(int kind);
    void GridKeyDown(int kind, int virtualKey);

    PlatformServices& platform_;
    TForm2* changePanel_ = nullptr;
    TForm3* reportWindow_ = nullptr;
    // The kept row numbers of the manual and the automatic table.
    int keptRows_[2] = {0, 0};
    SettingsWindowConfig values_;
    std::string lastFolder_;
};

}  // namespace orvella
