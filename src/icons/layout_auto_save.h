#pragma once

namespace orvella {

class Clock;
class Dialogs;
class IconEngine;
class LayoutDatabase;
struct RunSettings;

// The layout saved at each change-mode start into the automatic table, which keeps at most
// "countautosave" rows, the oldest going first.
class LayoutAutoSave {
public:
    LayoutAutoSave(IconEngine& icons, LayoutDatabase& db, const Clock& clock, Dialogs& dialogs);

    static constexpr const char* kEmptyLayoutMessage =
        "Ошибка при сборе информации о положении иконок! (Была нажата кнопка \"Свернуть все окна)\")\r\n"
        "Cохраните положения иконок вручную. ";

    // Reads the desktop and stores its layout, unless it is empty or, with "unic", already stored.
    // Ends silently on any error; never raises.
    void AutoSaveIcon(const RunSettings& settings);

private:
    void Save(int keep, bool unique);
    // Deletes the oldest rows while more than `limit` remain. False when a delete failed or
    // removed no row.
    bool TrimTo(int limit);

    IconEngine& icons_;
    LayoutDatabase& db_;
    const Clock& clock_;
    Dialogs& dialogs_;
};

}  // namespace orvella
