// The settings window's page of saved icon layouts: the layouts saved by hand and the automatic
// saves side by side, saving the desktop under a name, and the context menu that restores,
// compares and deletes.
#include <exception>
#include <string>

#include "icons/layout_comparison.h"
#include "icons/layout_statements.h"
#include "icons/layout_text.h"
#include "icons/report_file.h"
#include "icons/report_window.h"
#include "pictures/change_panel.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "settings/settings_window.h"

namespace orvella {
namespace {

constexpr int kDeleteKey = 46;
constexpr int kEnterKey = 13;
constexpr int kManual = 1;
constexpr int kAutomatic = 2;
constexpr std::size_t kNameLength = 24;

// The columns the grids show, in their order.
const std::vector<std::string> kManualColumns = {"date", "name"};
const std::vector<std::string> kAutomaticColumns = {"date", "time", "name"};

}  // namespace

void TForm1::BuildLayoutsPage() {
    sLabel3.SetBounds({8, 4, 276, 14});
    sLabel3.SetText("Вручную сохраненные позиции ярлыков");
    Grid1.SetBounds({8, 20, 276, 200});
    Grid1.SetColumns({{"Дата", 80, true}, {"Название", 180, false}});
    sPanel3.SetBounds({8, 226, 276, 30});
    sLabel4.SetBounds({0, 6, 60, 16});
    sLabel4.SetText("Название:");
    eInputName.SetBounds({62, 3, 134, 22});
    eInputName.SetHint("Имя сохраненным позициям ярлыков");
    sbAddPosIcon.SetBounds({202, 2, 74, 25});
    sbAddPosIcon.SetText("Сохранить");

    sBevel2.SetBounds({291, 4, 2, 272});

    sLabel6.SetBounds({300, 4, 276, 14});
    sLabel6.SetText("Автоматически сохраненные позиции ярлыков");
    Grid2.SetBounds({300, 20, 276, 170});
    Grid2.SetColumns({{"Дата", 80, true}, {"Время", 80, true}, {"  ", 110, true}});
    sPanel4.SetBounds({300, 196, 276, 80});
    chkAutoSaveIcon.SetBounds({0, 0, 276, 20});
    chkAutoSaveIcon.SetText("Сохранять позиции ярлыков при старте");
    chkAutoSaveIcon.SetHint("Сохранять позиции ярлыков при старте программы");
    seCountAutoSave.SetBounds({0, 26, 60, 22});
    seCountAutoSave.SetRange(1, 99);
    sLabel5.SetBounds({66, 30, 200, 16});
    sLabel5.SetText("Количество авто-сохранений");
    chkUnic.SetBounds({0, 54, 276, 20});
    chkUnic.SetText("Сохранять только уникальные позиции");
    chkUnic.SetHint("Сохранять только в случае изменения положения ярлыков");

    PopupMenu1.Add({"pmRestore", "Восстановить сохраненные позиции иконок", true, [this] { pmRestoreClick(); }});
    PopupMenu1.Add({"pmCompare", "Сравнить сохраненные позиции с текущими", true, [this] { pmCompareClick(); }});
    PopupMenu1.Add({"N2", "", true, {}});
    PopupMenu1.Add({"pmDelete", "Удалить запись", true, [this] { pmDeleteClick(); }});
    PopupMenu1.OnPopup = [this] { PopupMenu1Popup(); };
    for (ui::Grid* grid : {&Grid1, &Grid2}) grid->popupMenu = &PopupMenu1;

    Grid1.OnMouseDown = [this] { Grid1MouseDown(); };
    Grid2.OnMouseDown = [this] { Grid2MouseDown(); };
    Grid1.OnKeyDown = [this](int key) { Grid1KeyDown(key); };
    Grid2.OnKeyDown = [this](int key) { Grid2KeyDown(key); };
    Grid1.OnDblClick = [this] { Grid1DblClick(); };
    Grid2.OnDblClick = [this] { Grid1DblClick(); };
    Grid1.OnClick = [this] { GridRowChosen(kManual); };
    Grid2.OnClick = [this] { GridRowChosen(kAutomatic); };
    eInputName.OnChange = [this] { eInputNameChange(); };
    eInputName.OnKeyDown = [this](int key) { eInputNameKeyDown(key); };
    sbAddPosIcon.OnClick = [this] { sbAddPosIconClick(); };
}

ResultSet& TForm1::Table(int kind) const {
    return kind == kManual ? changePanel_->db.sqlTable : changePanel_->db.sqlTable2;
}

ui::Grid& TForm1::GridOf(int kind) { return kind == kManual ? Grid1 : Grid2; }

// The grid shows its result set's rows; its current row is the set's.
void TForm1::ShowRows(int kind) {
    const ResultSet& table = Table(kind);
    const auto& columns = kind == kManual ? kManualColumns : kAutomaticColumns;
    const int current = table.Active() ? table.RecNo() - 1 : -1;
    GridOf(kind).SetRows(table.RowsOf(columns), current);
}

void TForm1::SelectAll(int kind) {
    if (changePanel_ == nullptr || (kind != kManual && kind != kAutomatic)) return;
    try {
        if (kind == kManual) changePanel_->db.SqlQuery(layout_sql::SelectManual());
        else changePanel_->db.SqlQuery2(layout_sql::SelectAutomatic());
        ShowRows(kind);
    } catch (const std::exception&) {
    }
}

std::string TForm1::GetField1() const { return Table(kManual).FieldAsText("name"); }

TForm1::AutomaticRow TForm1::GetField2() const {
    const ResultSet& table = Table(kAutomatic);
    return {table.FieldAsText("name"), table.FieldAsText("time")};
}

void TForm1::GetPosIndex(int kind) { keptRows_[kind == kManual ? 0 : 1] = Table(kind).RecNo(); }

void TForm1::SetPosIndex(int kind) {
    try {
        Table(kind).SetRecNo(keptRows_[kind == kManual ? 0 : 1]);
        GridOf(kind).SetRow(Table(kind).RecNo() - 1);
    } catch (const std::exception&) {
    }
}

void TForm1::GridRowChosen(int kind) {
    if (changePanel_ == nullptr) return;
    const int row = GridOf(kind).Row();
    if (row >= 0 && Table(kind).Active()) Table(kind).SetRecNo(row + 1);
}

void TForm1::GetCurSaveIcon() {
    if (changePanel_ == nullptr) return;
    const int kind = PopupMenu1.Tag;
    if (kind != kManual && kind != kAutomatic) return;
    LayoutDatabase& db = changePanel_->db;
    GetPosIndex(kind);
    if (kind == kManual) {
        db.SqlQuery(layout_sql::SelectManualData(GetField1()));
    } else {
        const AutomaticRow row = GetField2();
        db.SqlQuery2(layout_sql::SelectAutomaticData(row.name, row.time));
    }
    const ResultSet& fetched = Table(kind);
    const std::string data = fetched.RecordCount() > 0 ? fetched.FieldAsText("data") : std::string();
    ListTemp = LinesOfText(SplitLines(data, kLayoutLineSeparator));
    SelectAll(kind);
    SetPosIndex(kind);
}

void TForm1::pmRestoreClick() {
    if (changePanel_ == nullptr) return;
    GetCurSaveIcon();
    changePanel_->icons.GetSetIcon("set", ListTemp);
}

void TForm1::pmCompareClick() {
    if (changePanel_ == nullptr) return;
    changePanel_->icons.GetSetIcon("get");
    GetCurSaveIcon();
    const std::vector<std::string> report = CompareLayouts(ListTemp, changePanel_->icons.ListCurIcon);
    WriteReport(platform_.files, platform_.codec, ProgramDir + kReportFileName, report);
    if (reportWindow_ != nullptr) reportWindow_->ShowReport(report);
}

void TForm1::pmDeleteClick() {
    if (!platform_.dialogs.ShowDlg("Удалить выбранную запись?")) return;
    const int kind = PopupMenu1.Tag;
    if (changePanel_ == nullptr || (kind != kManual && kind != kAutomatic)) return;
    GetPosIndex(kind);
    if (kind == kManual) {
        changePanel_->db.SqlQuery(layout_sql::DeleteManual(GetField1()));
    } else {
        const AutomaticRow row = GetField2();
        changePanel_->db.SqlQuery2(layout_sql::DeleteAutomatic(row.name, row.time));
    }
    SelectAll(kind);
    // The row after the deleted one takes its number; after the last row, the new last row.
    SetPosIndex(kind);
}

void TForm1::PMOnOff(bool enabled) {
    for (const char* name : {"pmRestore", "pmCompare", "pmDelete"}) PopupMenu1.ItemNamed(name).enabled = enabled;
}

void TForm1::PopupMenu1Popup() {
    if (changePanel_ == nullptr) return;
    const int kind = PopupMenu1.Tag;
    if (kind != kManual && kind != kAutomatic) return;
    const ResultSet& table = Table(kind);
    std::string& caption = PopupMenu1.ItemNamed("pmDelete").caption;
    if (!table.Active() || table.RecordCount() == 0) {
        PMOnOff(false);
        caption = "Удалить запись:";
        return;
    }
    PMOnOff(true);
    caption = "Удалить запись: " + table.FieldAsText("name");
    if (kind == kAutomatic) caption += " от " + table.FieldAsText("date") + " " + table.FieldAsText("time");
}

void TForm1::sbAddPosIconClick() {
    if (changePanel_ == nullptr) return;
    const std::string name(TrimBlanks(eInputName.Text()));
    eInputName.SetText(name);
    if (name.empty()) {
        platform_.dialogs.ShowMessage("Введите имя!");
        return;
    }
    LayoutDatabase& db = changePanel_->db;
    db.SqlQuery(layout_sql::SelectManualByName(name));
    if (db.sqlTable.Active() && db.sqlTable.RecordCount() > 0) {
        platform_.dialogs.ShowMessage("Совпадение имени!");
        SelectAll(kManual);
        return;
    }
    // The name test left its own rows in the set the grid shows: list the table again also when
    // the desktop cannot be read, so that the grid's rows and the commands on them agree.
    try {
        changePanel_->icons.GetSetIcon("get");
    } catch (...) {
        SelectAll(kManual);
        throw;
    }
    const std::string layout =
        JoinLines(TextOfLines(changePanel_->icons.ListCurIcon), std::string(1, kLayoutLineSeparator));
    db.SqlQuery(layout_sql::InsertManual(platform_.clock.TodayDate(), name, layout));
    SelectAll(kManual);
    eInputName.SetText("");
}

// Counted in characters, not bytes: the column holds 24 of them.
void TForm1::eInputNameChange() {
    const std::string& text = eInputName.Text();
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
        if (++characters > kNameLength) {
            eInputName.SetText(text.substr(0, i));
            platform_.dialogs.ShowMessage("Не больше 24 символов!");
            return;
        }
    }
}

void TForm1::eInputNameKeyDown(int virtualKey) {
    if (virtualKey == kEnterKey) sbAddPosIconClick();
}

void TForm1::Grid1MouseDown() { PopupMenu1.Tag = kManual; }

void TForm1::Grid2MouseDown() { PopupMenu1.Tag = kAutomatic; }

void TForm1::GridKeyDown(int kind, int virtualKey) {
    if (changePanel_ == nullptr) return;
    const ResultSet& table = Table(kind);
    if (!table.Active() || table.RecordCount() == 0) return;
    PopupMenu1.Tag = kind;
    if (virtualKey == kDeleteKey) pmDeleteClick();
    else if (virtualKey == kEnterKey) pmRestoreClick();
}

void TForm1::Grid1KeyDown(int virtualKey) { GridKeyDown(kManual, virtualKey); }

void TForm1::Grid2KeyDown(int virtualKey) { GridKeyDown(kAutomatic, virtualKey); }

// The first press of the double click made the grid's table active.
void TForm1::Grid1DblClick() { pmRestoreClick(); }

}  // namespace orvella
