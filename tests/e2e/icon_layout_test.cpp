// The automatic save of the desktop's icon layout at a change-mode start, against the fake shell:
// the row stored in the layout database, the "unic" test, the bound on the number of rows, the
// WorkerW desktop, and a start that finds no desktop list.
#include <algorithm>
#include <ctime>
#include <regex>

#include "e2e/layout_rows.h"
#include "e2e/wine_scenario.h"
#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace {

constexpr char kListNotFound[] = "Desktop' не найден :(";
constexpr char kEmptyLayout[] =
    "Ошибка при сборе информации о положении иконок! (Была нажата кнопка \"Свернуть все окна)\")\r\n"
    "Cохраните положения иконок вручную. ";

// A desktop whose sorted order is not its byte order (letter case is ignored: "документы" before
// "Корзина", "readme.txt" before "Zoom"), with a caption that holds ':' and two icons of one caption.
constexpr char kDesktop[] =
    "Корзина:40:30\r\n"
    "документы:40:130\r\n"
    "Zoom:40:230\r\n"
    "Локальный диск (C:):160:30\r\n"
    "Новая папка:160:130\r\n"
    "readme.txt:160:230\r\n"
    "Мой компьютер:280:30\r\n"
    "Новая папка:280:130\r\n"
    "Internet Explorer:280:230\r\n";
// Its captions in the user's locale order, without regard to case.
const std::vector<std::string> kSortedCaptions = {
    "Internet Explorer", "readme.txt", "Zoom", "документы", "Корзина", "Локальный диск (C:)", "Мой компьютер",
    "Новая папка"};

// The panel unseen: the run ends by itself once its start-up work is done.
const std::map<std::string, std::string> kUnseenRun = {{"offvisible", "0"}};

std::string Ansi(const std::string& utf8) { return Cp1251Codec().ToAnsi(utf8); }

std::string LineOf(const ShellIcon& icon) {
    return icon.caption + ":" + std::to_string(icon.x) + ":" + std::to_string(icon.y);
}

// The stored layout text of these icons in Windows-1251: `caption:x:y*` per icon, captions in the
// given order, the lines of one caption in the order of their coordinates' text.
std::string StoredLayout(const std::vector<ShellIcon>& icons, const std::vector<std::string>& captionOrder) {
    std::string text;
    for (const std::string& caption : captionOrder) {
        std::vector<std::string> lines;
        for (const ShellIcon& icon : icons)
            if (icon.caption == caption) lines.push_back(LineOf(icon));
        std::sort(lines.begin(), lines.end());
        for (const std::string& line : lines) text += line + "*";
    }
    return Ansi(text);
}

std::string Today() {
    const std::time_t now = std::time(nullptr);
    char date[16];
    std::strftime(date, sizeof date, "%d.%m.%Y", std::localtime(&now));
    return date;
}

class IconLayouts : public OrvellaScenario {
protected:
    // Starts the fake shell with kDesktop; returns where each icon's bounding rectangle lies, which
    // is what the program reads and stores. Under Wine an icon's rectangle does not start where the
    // icon was placed: that fixed offset is what the program's calibration is for.
    std::vector<ShellIcon> StartDesktop(const std::string& layout = "progman") {
        const std::vector<ShellIcon> placed = StartShell(WriteRootFile("icons.txt", kDesktop), layout);
        const std::vector<ShellIcon> bounds = ShellIconBounds();
        EXPECT_EQ(bounds.size(), placed.size());
        for (size_t i = 0; i < std::min(bounds.size(), placed.size()); ++i) {
            EXPECT_EQ(placed[i].x - bounds[i].x, placed[0].x - bounds[0].x) << placed[i].caption;
            EXPECT_EQ(placed[i].y - bounds[i].y, placed[0].y - bounds[0].y) << placed[i].caption;
        }
        return bounds;
    }

    std::vector<AutomaticSave> AutomaticSaves() { return ReadAutomaticSaves(DatabaseFile()); }

    static void ExpectAutomaticSaveOf(const AutomaticSave& row, const std::vector<ShellIcon>& bounds,
                                      const std::string& dateBefore) {
        EXPECT_EQ(row.data, StoredLayout(bounds, kSortedCaptions));
        EXPECT_EQ(row.name, Ansi("Авто сохранение"));
        EXPECT_TRUE(row.date == dateBefore || row.date == Today()) << row.date;
        EXPECT_TRUE(std::regex_match(row.time, std::regex(R"(\d{1,2}:\d\d:\d\d)"))) << row.time;
    }

    // Presses OK on the next message box, which must have this title and text, and waits until it
    // has gone, so that the next look finds the box after it. `shot` names a screenshot of the box.
    void AnswerMessageBox(const std::string& title, const std::string& text, const std::string& shot) {
        const auto box = WaitMessageBox();
        ASSERT_TRUE(box) << "no message box \"" << text << "\"";
        Screenshot(shot);
        EXPECT_EQ(box->title, title);
        EXPECT_EQ(box->text, text);
        EXPECT_EQ(box->buttons, std::vector<int>{1});
        ASSERT_TRUE(PressButton(box->hwnd, 1));
        ASSERT_TRUE(WaitWindowGone(TopWindow{box->hwnd, box->pid, "#32770", box->title, true, {}}));
    }
};

TEST_F(IconLayouts, StartStoresTheSortedDesktopLayoutAndASecondStartWithUnicStoresNothing) {
    const std::vector<ShellIcon> bounds = StartDesktop();
    WriteIni(kUnseenRun);
    const std::string dateBefore = Today();
    ASSERT_TRUE(RunOrvella({"-change"}));
    const std::vector<AutomaticSave> first = AutomaticSaves();
    ASSERT_EQ(first.size(), 1u);
    ExpectAutomaticSaveOf(first[0], bounds, dateBefore);
    // Storing moved nothing: the calibration puts item 0 back where it was.
    EXPECT_EQ(ShellIconBounds(), bounds);

    ASSERT_TRUE(RunOrvella({"-change"}));
    const std::vector<AutomaticSave> second = AutomaticSaves();
    ASSERT_EQ(second.size(), 1u) << "an identical layout was stored again with \"unic\" 1";
    EXPECT_EQ(second[0].id, first[0].id);
}

TEST_F(IconLayouts, LayoutBelowWorkerWIsFound) {
    const std::vector<ShellIcon> bounds = StartDesktop("workerw");
    WriteIni(kUnseenRun);
    const std::string dateBefore = Today();
    ASSERT_TRUE(RunOrvella({"-change"}));
    const std::vector<AutomaticSave> rows = AutomaticSaves();
    ASSERT_EQ(rows.size(), 1u);
    ExpectAutomaticSaveOf(rows[0], bounds, dateBefore);
}

TEST_F(IconLayouts, TableKeepsAtMostCountAutoSaveRowsDroppingTheOldest) {
    // Three older saves, more than the bound (as after lowering it in the settings).
    const std::vector<AutomaticSave> older = AddAutomaticSaves(DatabaseFile(), {"A:1:1*", "B:2:2*", "C:3:3*"});
    const std::vector<ShellIcon> bounds = StartDesktop();
    WriteIni({{"offvisible", "0"}, {"countautosave", "2"}});
    const std::string dateBefore = Today();

    ASSERT_TRUE(RunOrvella({"-change"}));
    const std::vector<AutomaticSave> afterFirst = AutomaticSaves();
    ASSERT_EQ(afterFirst.size(), 2u);
    EXPECT_EQ(afterFirst[0].id, older[2].id);
    ExpectAutomaticSaveOf(afterFirst[1], bounds, dateBefore);

    ASSERT_EQ(Driver({"shell-move", "0", "400", "300"}).exitCode, 0);
    const std::vector<ShellIcon> moved = ShellIconBounds();
    ASSERT_NE(moved, bounds);
    ASSERT_TRUE(RunOrvella({"-change"}));
    const std::vector<AutomaticSave> afterSecond = AutomaticSaves();
    ASSERT_EQ(afterSecond.size(), 2u);
    EXPECT_EQ(afterSecond[0].id, afterFirst[1].id);
    ExpectAutomaticSaveOf(afterSecond[1], moved, dateBefore);
}

TEST_F(IconLayouts, StartWithoutDesktopListTellsOnceAndKeepsEveryRow) {
    // With a bound of 1 any trimming would show: two rows are more than it allows.
    const std::vector<AutomaticSave> stored = AddAutomaticSaves(DatabaseFile(), {"A:1:1*", "B:2:2*"});
    StartShell({}, "none");
    WriteIni({{"offvisible", "0"}, {"countautosave", "1"}});
    ChildProcess& program = StartOrvella({"-change"});

    AnswerMessageBox("Error", kListNotFound, "not-found");
    AnswerMessageBox("Orvella", kEmptyLayout, "empty-layout");
    // A further box would keep the run waiting.
    EXPECT_TRUE(program.WaitExit(kWindowTimeout)) << "the start did not complete";
    const std::vector<AutomaticSave> after = AutomaticSaves();
    ASSERT_EQ(after.size(), stored.size());
    for (size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].id, stored[i].id);
        EXPECT_EQ(after[i].data, stored[i].data);
    }
}

}  // namespace
}  // namespace orvella::e2e
