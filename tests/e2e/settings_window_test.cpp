// The settings window of a run without parameters: where it opens, what its controls write
// (configuration, folder list, autostart entry, desktop shortcut), the lists built by hand, the
// change panel shown from it, and a look at each page.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "e2e/change_panel_scenario.h"
#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace {

constexpr const char* kRunKey = "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kShellFolders = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kProgramPath = "C:\\Orvella\\Orvella.exe";
constexpr int kIdOk = 1;
// The edit box of Wine's folder browser (the id is Wine's own).
constexpr int kFolderEditId = 14149;

const std::vector<PictureFile> kPictures = {
    {"закат.jpg", "#d04020", "JPEG"}, {"море.bmp", "#2060d0", "BMP3"}, {"Горы.GIF", "#30a040", "GIF"}};

class SettingsWindow : public ChangePanelScenario {
protected:
    TopWindow StartSettings() {
        program_ = &StartOrvella();
        const auto window = WaitWindow("TForm1");
        EXPECT_TRUE(window) << "no settings window";
        return window.value_or(TopWindow{});
    }

    // The text of the first child window with this text, and whether the user could see it.
    std::optional<ChildWindow> ChildWithText(const TopWindow& window, const std::string& text) {
        for (const ChildWindow& child : Children(window.hwnd))
            if (child.text == text) return child;
        return std::nullopt;
    }

    std::string FileBytes(const std::string& unixPath) const {
        std::ifstream in(unixPath, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    static bool Contains(const std::string& bytes, const std::string& text) {
        if (bytes.find(text) != std::string::npos) return true;
        std::string utf16;  // ASCII texts as UTF-16LE
        for (char c : text) utf16 += std::string{c, '\0'};
        return bytes.find(utf16) != std::string::npos;
    }
};

TEST_F(SettingsWindow, FirstStartOpensAtOneOneOnTheMainPage) {
    const TopWindow window = StartSettings();
    EXPECT_EQ(window.rect.left, 1);
    EXPECT_EQ(window.rect.top, 1);
    EXPECT_TRUE(window.title.ends_with(" (x64)")) << window.title;
    const auto autoRun = ChildWithText(window, "Запускать программу при старте Windows");
    ASSERT_TRUE(autoRun);
    EXPECT_TRUE(autoRun->visible) << "the main page is not the open one";
    const auto addFolder = ChildWithText(window, "Добавить");
    ASSERT_TRUE(addFolder);
    EXPECT_FALSE(addFolder->visible);
}

TEST_F(SettingsWindow, AColourChoiceWritesTheWholeConfiguration) {
    const TopWindow window = StartSettings();
    ASSERT_TRUE(Select(window.hwnd, ControlRef::Named("ColorButton"), 2));  // after "Custom..." and black: maroon
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] { return ReadIni()["conf"].count("colorbutton") == 1; }));
    auto conf = ReadIni()["conf"];
    EXPECT_EQ(conf["colorbutton"], "128");
    for (const char* key : {"left", "top", "chkconf", "pause", "offchangestart", "offvisible", "onlist", "autoscan",
                            "autorun", "countautosave", "AutoSaveIcon", "page", "showtime", "unic", "sizelimit",
                            "onsizelimit"}) {
        std::string lower = key;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(conf.count(lower), 1u) << key;
    }
    EXPECT_EQ(conf["chkconf"], "");
    EXPECT_EQ(conf["pause"], "10");
}

TEST_F(SettingsWindow, FoldersAddedAndSavedReachTheListAndTheFlags) {
    MakePictures(Prefix(), kPictures);
    WriteIni({{"page", "1"}});
    const TopWindow window = StartSettings();
    ASSERT_TRUE(ClickControl(window.hwnd, "AddDir"));
    const auto dialog = WaitDialog();
    ASSERT_TRUE(dialog) << "no folder dialog";
    Screenshot("folder-dialog");
    ASSERT_TRUE(SetText(dialog->hwnd, ControlRef::WithId(kFolderEditId), kPictureFolder));
    ASSERT_TRUE(PressButton(dialog->hwnd, kIdOk));
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] {
        const auto items = Items(window.hwnd, ControlRef::Named("ListDir"));
        return items && items->size() == 1 && items->front().text == kPictureFolder;
    }));
    ASSERT_TRUE(Check(window.hwnd, ControlRef::Named("ListDir"), 0, true));
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] {
        const auto save = ChildWithText(window, "Сохранить список каталогов");
        return save && save->visible;
    }));
    ASSERT_TRUE(ClickControl(window.hwnd, "SaveDirList"));
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] { return ProgramFileExists("ListDir.txt"); }));
    EXPECT_EQ(ReadProgramFile("ListDir.txt"), FolderListBytes());
    EXPECT_EQ(ReadIni()["conf"]["chkdir"], "1");
}

TEST_F(SettingsWindow, CreateListCountsThePicturesOfTheSavedFolders) {
    MakePictures(Prefix(), kPictures);
    WriteProgramFile("ListDir.txt", FolderListBytes());
    WriteIni({{"page", "1"}, {"onlist", "1"}, {"autoscan", "0"}});
    const TopWindow window = StartSettings();
    ASSERT_TRUE(ClickControl(window.hwnd, "bCreateListScan"));
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] { return ProgramFileExists("ovListNext.txt"); }));
    const auto lines = [](const std::string& bytes) { return std::count(bytes.begin(), bytes.end(), '\n'); };
    EXPECT_EQ(lines(ReadProgramFile("ovListAll.txt")), 3);
    EXPECT_EQ(lines(ReadProgramFile("ovListNext.txt")), 3);
    Screenshot("counted");
}

TEST_F(SettingsWindow, TheAutostartBoxWritesAndRemovesTheRunEntry) {
    const TopWindow window = StartSettings();
    ASSERT_TRUE(ClickControl(window.hwnd, "chkAutoRun"));
    EXPECT_TRUE(PollFor(kWindowTimeout, [&] {
        return RegistryValue(kRunKey, "Orvella") == "\"" + std::string(kProgramPath) + "\" -change";
    }));
    ASSERT_TRUE(ClickControl(window.hwnd, "chkAutoRun"));
    EXPECT_TRUE(PollFor(kWindowTimeout, [&] { return !RegistryValue(kRunKey, "Orvella"); }));
}

TEST_F(SettingsWindow, TheShortcutButtonPutsAChangeModeLinkOnTheDesktop) {
    const TopWindow window = StartSettings();
    const auto desktop = RegistryValue(kShellFolders, "Desktop");
    ASSERT_TRUE(desktop) << "the prefix lists no desktop folder";
    const std::string link = UnixPathOf(Prefix(), *desktop + "\\Сменить обои.lnk");
    ASSERT_TRUE(ClickControl(window.hwnd, "sSpeedButton2"));
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] { return std::filesystem::exists(link); })) << link;
    const std::string bytes = FileBytes(link);
    EXPECT_TRUE(Contains(bytes, "Orvella.exe")) << "no target";
    EXPECT_TRUE(Contains(bytes, "-change")) << "no arguments";
}

TEST_F(SettingsWindow, ShowingThePanelHidesTheWindowUntilThePanelCloses) {
    WriteIni({{"left2", std::to_string(kPanelLeft)}, {"top2", std::to_string(kPanelTop)}});
    const TopWindow window = StartSettings();
    ASSERT_TRUE(ClickControl(window.hwnd, "RunChange"));
    const auto panel = WaitWindow("TForm2");
    ASSERT_TRUE(panel);
    EXPECT_TRUE(WaitWindowHidden(window));
    ASSERT_TRUE(Click(*panel, kExit));
    EXPECT_TRUE(WaitWindow("TForm1")) << "the settings window did not come back";
    EXPECT_FALSE(program_->WaitExit(0ms)) << "the run ended";
}

TEST_F(SettingsWindow, EveryPageAndTheHintsInTheStatusBar) {
    const TopWindow window = StartSettings();
    for (int page = 0; page < 4; ++page) {
        ASSERT_TRUE(Select(window.hwnd, ControlRef::Named("PageControl"), page));
        Screenshot("page-" + std::to_string(page));
    }
    ASSERT_TRUE(Select(window.hwnd, ControlRef::Named("PageControl"), 0));
    const auto box = ChildWithText(window, "Показывать программу при старте");
    ASSERT_TRUE(box);
    ASSERT_TRUE(MouseAt(box->hwnd, 30, 8, Mouse::Hover));
    EXPECT_TRUE(PollFor(10s, [&] { return ChildWithText(window, "Отображение главной формы при старте").has_value(); }))
        << "the hint is not in the status bar";
    Screenshot("hint");
}

}  // namespace
}  // namespace orvella::e2e
