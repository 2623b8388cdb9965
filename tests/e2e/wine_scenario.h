#pragma once
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "e2e/child_process.h"
#include "e2e/driver_records.h"
#include "e2e/ini_text.h"

namespace orvella::e2e {

using namespace std::chrono_literals;

// Asks `probe` every 50 ms until it says yes or the time is up; whether it said yes.
bool PollFor(std::chrono::milliseconds timeout, const std::function<bool()>& probe);

// A control as the driver finds it in a window: by the name the program gives it, or by its id
// (the system's dialogs name none).
struct ControlRef {
    static ControlRef Named(const std::string& name) { return {"--name", name}; }
    static ControlRef WithId(int id) { return {"--id", std::to_string(id)}; }
    std::string option;
    std::string value;
};

// One end-to-end scenario: a fresh copy of the Wine prefix template, the processes started in it,
// the window driver, screenshots, and a teardown that leaves no process behind (each started
// process group is killed, then `wineserver -k` for this prefix only). Waits poll; nothing sleeps
// for a fixed time. A failed scenario leaves a screenshot and the Wine log in build/e2e-shots;
// ORVELLA_E2E_KEEP=1 keeps the scenario's folder for a look afterwards.
class WineScenario : public ::testing::Test {
protected:
    static constexpr std::chrono::milliseconds kWindowTimeout = 30s;

    void SetUp() override;
    void TearDown() override;

    const std::string& Root() const { return root_; }
    const std::string& Prefix() const { return prefix_; }

    // Starts a Windows program (64-bit via wine64, 32-bit via Wine's 32-bit loader) without waiting.
    ChildProcess& Start(const std::vector<std::string>& commandLine, bool is32bit, const std::string& workingDir = {});

    // Starts the fake shell and waits until its icons are placed; returns them. `iconsFile` holds
    // `caption[:x:y]` lines (empty: the shell's default desktop); `layout`: progman, workerw, none.
    std::vector<ShellIcon> StartShell(const std::string& iconsFile = {}, const std::string& layout = "progman");

    // One call of orvdriver.exe; its stdout and exit code.
    RunResult Driver(const std::vector<std::string>& arguments, std::chrono::milliseconds timeout = kWindowTimeout);

    std::vector<TopWindow> Windows(const std::string& className = {});
    std::optional<TopWindow> WaitWindow(const std::string& className, std::chrono::milliseconds timeout = kWindowTimeout);
    bool WaitWindowGone(const TopWindow& window, std::chrono::milliseconds timeout = kWindowTimeout);
    bool WaitWindowHidden(const TopWindow& window, std::chrono::milliseconds timeout = kWindowTimeout);
    std::vector<ChildWindow> Children(const std::string& hwnd);
    std::optional<MessageBoxInfo> WaitMessageBox(std::chrono::milliseconds timeout = kWindowTimeout);
    // Any visible dialog box (class #32770, message boxes too), of the process `pid` when given.
    std::optional<TopWindow> WaitDialog(std::chrono::milliseconds timeout = kWindowTimeout,
                                        std::optional<unsigned long> pid = std::nullopt);
    bool PressButton(const std::string& dialogHwnd, int id);
    // A click on the control the program names `name` (a window of its own), posted as BM_CLICK.
    bool ClickControl(const std::string& hwnd, const std::string& name);
    // The control's text set as a program sets it (WM_SETTEXT); an edit tells its parent of the change.
    bool SetText(const std::string& hwnd, const ControlRef& control, const std::string& text);
    // The entry `index` chosen as a user chooses it, in a combo box, a tab control or a list view.
    bool Select(const std::string& hwnd, const ControlRef& control, int index);
    // Ticks or unticks the box of a list view's entry `index`.
    bool Check(const std::string& hwnd, const ControlRef& control, int index, bool checked);
    // The entries of a list view or a combo box; none when the driver found no such control.
    std::optional<std::vector<ControlItem>> Items(const std::string& hwnd, const ControlRef& control);
    enum class Mouse { Click, Hover, RightClick, DoubleClick };
    // The user's pointer to (x, y) of the window's client area, then what the user does there.
    bool MouseAt(const std::string& hwnd, int x, int y, Mouse action = Mouse::Click);
    // Keys (virtual key codes) pressed one after the other in the program that owns the window.
    bool Keys(const std::string& hwnd, const std::vector<int>& virtualKeys);
    bool Close(const TopWindow& window);
    std::vector<ShellIcon> ShellIcons();
    // The same icons with the top left corner of each one's bounding rectangle instead of its position.
    std::vector<ShellIcon> ShellIconBounds();
    // The value's data as the driver prints it (strings as UTF-8, numbers in decimal).
    std::optional<std::string> RegistryValue(const std::string& key, const std::string& value, bool view32 = true);

    // Writes a file into the scenario's folder; returns its path.
    std::string WriteRootFile(const std::string& name, const std::string& bytes);

    // Saves a picture of the whole screen to build/e2e-shots/<test>-<name>.png; returns its path.
    std::string Screenshot(const std::string& name);
    // The colour at (x, y) of a screenshot, as "r,g,b".
    static std::string PixelOf(const std::string& screenshot, int x, int y);
    // The share (0..1) of plainly red pixels in a region of a screenshot: red text and bars.
    static double RedShare(const std::string& screenshot, const Rect& region);

private:
    Environment WineEnvironment() const;

    std::string root_;
    std::string prefix_;
    std::string log_;
    std::vector<std::unique_ptr<ChildProcess>> processes_;
};

// A scenario with the product folder (Orvella.exe, drvdb.dll, db.spb) copied to C:\Orvella.
class OrvellaScenario : public WineScenario {
protected:
    void SetUp() override;

    std::string ProgramDir() const;  // the Unix path of C:\Orvella

    ChildProcess& StartOrvella(const std::vector<std::string>& parameters = {});
    // Starts the program and waits for its end: its exit code, none when it did not end in time.
    std::optional<int> RunOrvella(const std::vector<std::string>& parameters = {});

    bool ProgramFileExists(const std::string& name) const;
    void RemoveProgramFile(const std::string& name);
    std::string ReadProgramFile(const std::string& name) const;  // the file's bytes, empty when missing
    void WriteProgramFile(const std::string& name, const std::string& bytes);
    std::string DatabaseFile() const;  // the Unix path of C:\Orvella\db.spb
    IniSections ReadIni() const;
    // Writes Orvella.ini with one [conf] section holding these keys (Windows-1251, CR LF).
    void WriteIni(const std::map<std::string, std::string>& conf);
};

}  // namespace orvella::e2e
