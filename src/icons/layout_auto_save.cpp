#include "icons/layout_auto_save.h"

#include <algorithm>
#include <exception>

#include "icons/icon_engine.h"
#include "icons/layout_database.h"
#include "icons/layout_statements.h"
#include "icons/layout_text.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "settings/run_settings.h"

namespace orvella {

LayoutAutoSave::LayoutAutoSave(IconEngine& icons, LayoutDatabase& db, const Clock& clock, Dialogs& dialogs)
    : icons_(icons), db_(db), clock_(clock), dialogs_(dialogs) {}

void LayoutAutoSave::AutoSaveIcon(const RunSettings& settings) {
    try {
        // Only a hand-edited file holds less than 1; keeping no row would leave no room to save.
        Save(std::max(settings.countautosave, 1), settings.unic);
    } catch (const std::exception&) {
        // A start without a readable desktop or database still completes.
    }
}

void LayoutAutoSave::Save(int keep, bool unique) {
    icons_.GetSetIcon("get");
    const std::string layout = LayoutText(icons_.ListCurIcon);
    // An empty layout is never stored: a few starts without the shell would otherwise push every
    // good save out of the table.
    if (layout.empty()) {
        dialogs_.ShowMessage(kEmptyLayoutMessage);
        return;
    }

    if (!TrimTo(keep)) return;
    if (unique) {
        db_.SqlQuery2(layout_sql::SelectAutomaticByData(layout));
        if (db_.sqlTable2.RecordCount() > 0) return;
    }
    if (!TrimTo(keep - 1)) return;
    const std::string date = clock_.TodayDate();
    const std::string time = clock_.TimeOfDay();
    db_.SqlQuery2(layout_sql::InsertAutomatic(date, time, layout));
}

bool LayoutAutoSave::TrimTo(int limit) {
    db_.SqlQuery2(layout_sql::SelectAutomatic());
    for (int rows = db_.sqlTable2.RecordCount(); rows > limit;) {
        // A delete that fails or removes nothing (a table changed by hand) would otherwise loop
        // for ever.
        if (!db_.SqlQuery2(layout_sql::DeleteOldestAutomatic())) return false;
        db_.SqlQuery2(layout_sql::SelectAutomatic());
        const int left = db_.sqlTable2.RecordCount();
        if (left >= rows) return false;
        rows = left;
    }
    return true;
}

}  // namespace orvella
