#include "fakes/layouts_page_fixture.h"

#include <sqlite3.h>

#include <stdexcept>

#include "icons/layout_statements.h"

namespace orvella {
namespace {

// Every row of `query`, each column as the text stored.
std::vector<std::vector<std::string>> ReadRows(const std::string& file, const char* query) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + file);
    }
    sqlite3_stmt* statement = nullptr;
    std::vector<std::vector<std::string>> rows;
    if (sqlite3_prepare_v2(db, query, -1, &statement, nullptr) == SQLITE_OK) {
        while (sqlite3_step(statement) == SQLITE_ROW) {
            std::vector<std::string> row;
            for (int column = 0; column < sqlite3_column_count(statement); ++column) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
                const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, column));
                row.emplace_back(text == nullptr ? std::string() : std::string(text, size));
            }
            rows.push_back(std::move(row));
        }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

int NameColumn(const ui::Grid& grid) { return static_cast<int>(grid.Columns().size()) - 1; }

}  // namespace

void LayoutsPageRun::Create(const Settings& settings) {
    ChangePanelRun::Create(Mode::Normal, settings);
    reportWindow = std::make_unique<TForm3>(app, platform);
    settingsWindow->SetReportWindow(*reportWindow);
    app.CreateForm(*reportWindow);
}

void LayoutsPageRun::Show() {
    app.Dispatch([this] { settingsWindow->Show(); });
}

void LayoutsPageRun::StoreManual(const std::string& name, const std::string& layoutText, const std::string& date) {
    if (!panel->db.SqlQuery(layout_sql::InsertManual(date, name, layoutText))) throw std::runtime_error("not stored");
}

void LayoutsPageRun::StoreAutomatic(const std::string& date, const std::string& time, const std::string& layoutText) {
    if (!panel->db.SqlQuery2(layout_sql::InsertAutomatic(date, time, layoutText))) {
        throw std::runtime_error("not stored");
    }
}

std::vector<LayoutsPageRun::ManualRow> LayoutsPageRun::ManualRows() const {
    std::vector<ManualRow> rows;
    for (const auto& row : ReadRows(dir.File("db.spb"), "SELECT date, name, data FROM dbOV ORDER BY id")) {
        rows.push_back({fakes.codec.FromAnsi(row[0]), fakes.codec.FromAnsi(row[1]), fakes.codec.FromAnsi(row[2])});
    }
    return rows;
}

std::vector<LayoutsPageRun::AutomaticRow> LayoutsPageRun::AutomaticRows() const {
    std::vector<AutomaticRow> rows;
    for (const auto& row : ReadRows(dir.File("db.spb"), "SELECT date, time, name, data FROM dbOV2 ORDER BY id")) {
        rows.push_back({fakes.codec.FromAnsi(row[0]), fakes.codec.FromAnsi(row[1]), fakes.codec.FromAnsi(row[2]),
                        fakes.codec.FromAnsi(row[3])});
    }
    return rows;
}

std::vector<std::string> LayoutsPageRun::ManualNames() const {
    std::vector<std::string> names;
    for (const ManualRow& row : ManualRows()) names.push_back(row.name);
    return names;
}

void LayoutsPageRun::Type(const std::string& text) {
    ui::Edit& field = settingsWindow->eInputName;
    app.Dispatch([&field, &text] {
        field.AcceptNativeText(text);
        if (field.OnChange) field.OnChange();
    });
}

void LayoutsPageRun::PressKeyInName(int virtualKey) {
    ui::Edit& field = settingsWindow->eInputName;
    app.Dispatch([&field, virtualKey] { field.OnKeyDown(virtualKey); });
}

void LayoutsPageRun::SaveAs(const std::string& name) {
    Type(name);
    app.Dispatch(settingsWindow->sbAddPosIcon.OnClick);
}

void LayoutsPageRun::Press(ui::Grid& grid) { app.Dispatch(grid.OnMouseDown); }

void LayoutsPageRun::ChooseRow(ui::Grid& grid, int row) {
    Press(grid);
    app.Dispatch([&grid, row] {
        grid.AcceptNativeRow(row);
        if (grid.OnClick) grid.OnClick();
    });
}

void LayoutsPageRun::PressKey(ui::Grid& grid, int virtualKey) {
    app.Dispatch([&grid, virtualKey] { grid.OnKeyDown(virtualKey); });
}

void LayoutsPageRun::DoubleClick(ui::Grid& grid, int row) {
    ChooseRow(grid, row);
    Press(grid);
    app.Dispatch(grid.OnDblClick);
}

void LayoutsPageRun::OpenMenu() { app.Dispatch(settingsWindow->PopupMenu1.OnPopup); }

void LayoutsPageRun::Command(const std::string& item) {
    OpenMenu();
    const ui::PopupMenu::Item& chosen = MenuItem(item);
    if (chosen.enabled) app.Dispatch(chosen.onClick);
}

std::vector<std::string> LayoutsPageRun::Names(const ui::Grid& grid) const {
    std::vector<std::string> names;
    for (const auto& row : grid.Rows()) names.push_back(row[static_cast<std::size_t>(NameColumn(grid))]);
    return names;
}

std::string LayoutsPageRun::CurrentName(const ui::Grid& grid) const {
    if (grid.Row() < 0) return "";
    return grid.Rows()[static_cast<std::size_t>(grid.Row())][static_cast<std::size_t>(NameColumn(grid))];
}

const ui::PopupMenu::Item& LayoutsPageRun::MenuItem(const std::string& name) const {
    return settingsWindow->PopupMenu1.ItemNamed(name);
}

std::pair<int, int> LayoutsPageRun::PlaceOf(const std::string& caption) const {
    const std::string bytes = fakes.codec.ToAnsi(caption);
    for (const auto& item : fakes.desktopList.items) {
        if (item.caption == bytes) return {item.x, item.y};
    }
    throw std::runtime_error("no icon " + caption);
}

}  // namespace orvella
