// The saved layouts page against the fake shell: saving the desktop under a name, restoring it from
// the grid three ways, comparing it with the desktop (report file and window), and deleting rows.
#include <algorithm>

#include "e2e/layout_rows.h"
#include "e2e/wine_scenario.h"
#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace {

constexpr char kDesktop[] =
    "Корзина:40:30\r\n"
    "Мой компьютер:40:130\r\n"
    "Документы:160:30\r\n"
    "Диск D: данные:160:130\r\n";

constexpr int kLayoutsPage = 2;
constexpr int kDown = 40;
constexpr int kEnter = 13;
constexpr int kDelete = 46;
constexpr int kEscape = 27;
constexpr int kIdYes = 6;
// Inside the first row of a grid, below its column titles.
constexpr int kFirstRowX = 40;
constexpr int kFirstRowY = 30;

class LayoutsPage : public OrvellaScenario {
protected:
    // The fake desktop, the settings window on the layouts page; the icons' places as stored.
    std::vector<ShellIcon> StartPage() {
        StartShell(WriteRootFile("icons.txt", kDesktop));
        const std::vector<ShellIcon> bounds = ShellIconBounds();
        program_ = &StartOrvella();
        const auto window = WaitWindow("TForm1");
        EXPECT_TRUE(window) << "no settings window";
        window_ = window.value_or(TopWindow{});
        EXPECT_TRUE(Select(window_.hwnd, ControlRef::Named("PageControl"), kLayoutsPage));
        grid_ = ChildNamed("Grid1");
        return bounds;
    }

    std::string ChildNamed(const std::string& name) {
        for (const ChildWindow& child : Children(window_.hwnd))
            if (child.name == name) return child.hwnd;
        return {};
    }

    std::vector<std::string> ManualNames() {
        std::vector<std::string> names;
        for (const std::string& bytes : ReadManualNames(DatabaseFile())) names.push_back(Cp1251Codec().FromAnsi(bytes));
        return names;
    }

    void SaveAs(const std::string& name) {
        const size_t before = ManualNames().size();
        ASSERT_TRUE(SetText(window_.hwnd, ControlRef::Named("eInputName"), name));
        ASSERT_TRUE(ClickControl(window_.hwnd, "sbAddPosIcon"));
        ASSERT_TRUE(PollFor(kWindowTimeout, [&] { return ManualNames().size() == before + 1; })) << name;
    }

    void MoveFirstIcon() { ASSERT_EQ(Driver({"shell-move", "0", "400", "300"}).exitCode, 0); }

    bool IconsBackAt(const std::vector<ShellIcon>& bounds) {
        return PollFor(kWindowTimeout, [&] { return ShellIconBounds() == bounds; });
    }

    ChildProcess* program_ = nullptr;
    TopWindow window_;
    std::string grid_;
};

TEST_F(LayoutsPage, RestoresTheSavedPlacesByMenuEnterAndDoubleClick) {
    const std::vector<ShellIcon> bounds = StartPage();
    SaveAs("Рабочий");
    EXPECT_EQ(ManualNames(), std::vector<std::string>{"Рабочий"});
    ASSERT_FALSE(grid_.empty());

    MoveFirstIcon();
    ASSERT_TRUE(MouseAt(grid_, kFirstRowX, kFirstRowY, Mouse::RightClick));
    ASSERT_TRUE(WaitWindow("#32768", 10s)) << "no context menu";
    Screenshot("menu");
    ASSERT_TRUE(Keys(grid_, {kDown, kEnter}));
    EXPECT_TRUE(IconsBackAt(bounds)) << "restore from the menu";

    MoveFirstIcon();
    ASSERT_TRUE(MouseAt(grid_, kFirstRowX, kFirstRowY));
    ASSERT_TRUE(Keys(grid_, {kEnter}));
    EXPECT_TRUE(IconsBackAt(bounds)) << "restore by Enter";

    MoveFirstIcon();
    ASSERT_TRUE(MouseAt(grid_, kFirstRowX, kFirstRowY, Mouse::DoubleClick));
    EXPECT_TRUE(IconsBackAt(bounds)) << "restore by double click";
}

TEST_F(LayoutsPage, CompareWritesTheReportAndShowsIt) {
    StartPage();
    SaveAs("Рабочий");
    MoveFirstIcon();
    const std::string moved = ShellIcons().front().caption;
    ASSERT_TRUE(MouseAt(grid_, kFirstRowX, kFirstRowY, Mouse::RightClick));
    ASSERT_TRUE(Keys(grid_, {kDown, kDown, kEnter}));
    const auto report = WaitWindow("TForm3");
    ASSERT_TRUE(report) << "no report window";
    EXPECT_EQ(report->title, "Отчет:");
    ASSERT_TRUE(ProgramFileExists("report.txt"));
    const std::string text = Cp1251Codec().FromAnsi(ReadProgramFile("report.txt"));
    const std::string rule(63, '-');
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "Сохранено иконок: 4, текущее количество: 4");
    EXPECT_NE(text.find(rule + "\r\nСовпадений: 3\r\n" + rule + "\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find(rule + "\r\nПеремещены: 1\r\n" + rule + "\r\n" + moved + "\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.find("Новые"), std::string::npos) << text;
    EXPECT_EQ(text.find("Удалены"), std::string::npos) << text;
    Screenshot("report");
}

TEST_F(LayoutsPage, DeletesTheChosenRowAfterConfirmingAndOnlyIt) {
    AddAutomaticSaves(DatabaseFile(), {Cp1251Codec().ToAnsi("Корзина:40:30*")});
    StartPage();
    SaveAs("a\"b");
    SaveAs("name");
    SaveAs("другой");
    Screenshot("rows");
    ASSERT_TRUE(MouseAt(grid_, kFirstRowX, kFirstRowY));
    ASSERT_TRUE(Select(window_.hwnd, ControlRef::Named("Grid1"), 1));
    ASSERT_TRUE(Keys(grid_, {kDelete}));
    const auto box = WaitMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text, "Удалить выбранную запись?");
    ASSERT_TRUE(PressButton(box->hwnd, kIdYes));
    EXPECT_TRUE(PollFor(kWindowTimeout, [&] { return ManualNames().size() == 2; }));
    EXPECT_EQ(ManualNames(), (std::vector<std::string>{"a\"b", "другой"}));
    ASSERT_TRUE(Keys(grid_, {kEscape}));
}

}  // namespace
}  // namespace orvella::e2e
