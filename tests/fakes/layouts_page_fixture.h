#pragma once
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "fakes/change_panel_fixture.h"
#include "icons/report_window.h"

namespace orvella {

// The settings window of a normal run with its saved layouts page, the report window beside it,
// and the layout database in the program folder. What the user does runs through the
// application's dispatch, as the binding runs it.
class LayoutsPageRun : public ChangePanelRun {
public:
    struct ManualRow {
        std::string date, name, data;
        bool operator==(const ManualRow&) const = default;
    };
    struct AutomaticRow {
        std::string date, time, name, data;
        bool operator==(const AutomaticRow&) const = default;
    };

    // Creates the windows of a normal run, the report window among them; rows stored before Show
    // are what earlier runs left.
    void Create(const Settings& settings = {});
    // Shows the settings window, which lists both tables.
    void Show();
    TForm1& Page() const { return *settingsWindow; }
    TForm3& Report() const { return *reportWindow; }

    // Rows written into the database behind the page's back.
    void StoreManual(const std::string& name, const std::string& layoutText, const std::string& date = "01.02.2026");
    void StoreAutomatic(const std::string& date, const std::string& time, const std::string& layoutText);
    // What the database file holds, oldest row first, texts decoded from the code page.
    std::vector<ManualRow> ManualRows() const;
    std::vector<AutomaticRow> AutomaticRows() const;
    std::vector<std::string> ManualNames() const;

    // The user's actions.
    // The name field's whole text becomes `text`, as typing or pasting leaves it.
    void Type(const std::string& text);
    void PressKeyInName(int virtualKey);
    // Types the name and clicks "Сохранить".
    void SaveAs(const std::string& name);
    void Press(ui::Grid& grid);
    // A click on a row: the button goes down, then the row becomes current.
    void ChooseRow(ui::Grid& grid, int row);
    void PressKey(ui::Grid& grid, int virtualKey);
    // Both clicks of a double click on a row.
    void DoubleClick(ui::Grid& grid, int row);
    void OpenMenu();
    // Opens the context menu and chooses the item; a disabled item cannot be chosen.
    void Command(const std::string& item);

    // The names the grid shows, and the name of its current row ("" for none).
    std::vector<std::string> Names(const ui::Grid& grid) const;
    std::string CurrentName(const ui::Grid& grid) const;
    const ui::PopupMenu::Item& MenuItem(const std::string& name) const;
    // Where the fake desktop's icon of that caption stands now.
    std::pair<int, int> PlaceOf(const std::string& caption) const;

    std::unique_ptr<TForm3> reportWindow;
};

}  // namespace orvella
