#include "e2e/wine_scenario.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>
#include <thread>

#include "e2e/e2e_paths.h"
#include "e2e/wine_suite.h"
#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace fs = std::filesystem;
namespace {

std::string TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "-" + info->name();
    for (char& c : name)
        if (c == '/') c = '_';
    return name;
}


std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

}  // namespace

bool PollFor(std::chrono::milliseconds timeout, const std::function<bool()>& probe) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!probe()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

void WineScenario::SetUp() {
    WineSuite& suite = WineSuite::Get();
    ASSERT_TRUE(suite.Ready()) << suite.Error();
    std::string pattern = (fs::temp_directory_path() / "orvella-e2e-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
    prefix_ = root_ + "/prefix";
    log_ = root_ + "/wine.log";
    const RunResult copied = RunAndCapture({"bash", suite.Script(), "new-prefix", prefix_}, {}, 120s);
    ASSERT_EQ(copied.exitCode, 0) << "copying the prefix template failed";
    // A server that outlives each short driver call, started before anything inherits our pipes.
    SpawnOptions options{WineEnvironment(), {}, log_};
    ASSERT_EQ(RunAndCapture({"wineserver", "-p"}, options, 30s).exitCode, 0);
}

void WineScenario::TearDown() {
    if (HasFailure() && WineSuite::Get().Ready()) {
        Screenshot("failure");
        std::error_code ignored;
        fs::copy_file(log_, ShotsDir() + "/" + TestName() + "-wine.log", fs::copy_options::overwrite_existing, ignored);
    }
    for (auto process = processes_.rbegin(); process != processes_.rend(); ++process) (*process)->Kill();
    processes_.clear();
    if (root_.empty()) return;
    RunAndCapture({"bash", WineSuite::Get().Script(), "stop-prefix", prefix_}, {}, 60s);
    if (std::getenv("ORVELLA_E2E_KEEP")) {
        std::cout << "scenario kept in " << root_ << "\n";
        return;
    }
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

Environment WineScenario::WineEnvironment() const {
    Environment environment = WineSuite::Get().WineEnvironment();
    environment["WINEPREFIX"] = prefix_;
    return environment;
}

ChildProcess& WineScenario::Start(const std::vector<std::string>& commandLine, bool is32bit,
                                  const std::string& workingDir) {
    std::vector<std::string> argv = {WineSuite::Get().Value(is32bit ? "ORVELLA_WINE32" : "ORVELLA_WINE64")};
    argv.insert(argv.end(), commandLine.begin(), commandLine.end());
    processes_.push_back(std::make_unique<ChildProcess>(argv, SpawnOptions{WineEnvironment(), workingDir, log_}));
    return *processes_.back();
}

std::vector<ShellIcon> WineScenario::StartShell(const std::string& iconsFile, const std::string& layout) {
    const std::string ready = root_ + "/shell-ready.txt";
    std::vector<std::string> commandLine = {WineSuite::Get().Value("ORVELLA_TOOLS_DIR") + "/fakeshell.exe", "--layout",
                                            layout, "--ready", WindowsPath(ready)};
    if (!iconsFile.empty()) {
        commandLine.push_back("--icons");
        commandLine.push_back(WindowsPath(iconsFile));
    }
    ChildProcess& shell = Start(commandLine, false);
    const bool placed = PollFor(kWindowTimeout, [&] { return fs::exists(ready) || !shell.Running(); });
    EXPECT_TRUE(placed && fs::exists(ready)) << "the fake shell did not get ready";
    return ParseShellIcons(ReadWholeFile(ready));
}

RunResult WineScenario::Driver(const std::vector<std::string>& arguments, std::chrono::milliseconds timeout) {
    std::vector<std::string> argv = {WineSuite::Get().Value("ORVELLA_WINE64"),
                                     WineSuite::Get().Value("ORVELLA_TOOLS_DIR") + "/orvdriver.exe"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    // The driver keeps its own timeout; this one only guards against a hung Wine.
    return RunAndCapture(argv, SpawnOptions{WineEnvironment(), {}, log_}, timeout + 30s);
}

std::vector<TopWindow> WineScenario::Windows(const std::string& className) {
    std::vector<std::string> arguments = {"windows"};
    if (!className.empty()) arguments.insert(arguments.end(), {"--class", className});
    return ParseTopWindows(Driver(arguments).output);
}

std::optional<TopWindow> WineScenario::WaitWindow(const std::string& className, std::chrono::milliseconds timeout) {
    const RunResult found = Driver({"wait", "--class", className, "--visible", "--timeout", std::to_string(timeout.count())}, timeout);
    const auto windows = ParseTopWindows(found.output);
    if (found.exitCode != 0 || windows.empty()) return std::nullopt;
    return windows.front();
}

bool WineScenario::WaitWindowGone(const TopWindow& window, std::chrono::milliseconds timeout) {
    return Driver({"wait-gone", window.hwnd, "--timeout", std::to_string(timeout.count())}, timeout).exitCode == 0;
}

bool WineScenario::WaitWindowHidden(const TopWindow& window, std::chrono::milliseconds timeout) {
    return Driver({"wait-gone", window.hwnd, "--hidden", "--timeout", std::to_string(timeout.count())}, timeout)
               .exitCode == 0;
}

std::vector<ChildWindow> WineScenario::Children(const std::string& hwnd) {
    return ParseChildWindows(Driver({"children", hwnd}).output);
}

std::optional<MessageBoxInfo> WineScenario::WaitMessageBox(std::chrono::milliseconds timeout) {
    const RunResult found = Driver({"msgbox", "--timeout", std::to_string(timeout.count())}, timeout);
    const auto boxes = ParseMessageBoxes(found.output);
    if (found.exitCode != 0 || boxes.empty()) return std::nullopt;
    return boxes.front();
}

std::optional<TopWindow> WineScenario::WaitDialog(std::chrono::milliseconds timeout, std::optional<unsigned long> pid) {
    std::vector<std::string> arguments = {"dialog", "--timeout", std::to_string(timeout.count())};
    if (pid) arguments.insert(arguments.end(), {"--pid", std::to_string(*pid)});
    const RunResult found = Driver(arguments, timeout);
    const auto windows = ParseTopWindows(found.output);
    if (found.exitCode != 0 || windows.empty()) return std::nullopt;
    return windows.front();
}

bool WineScenario::PressButton(const std::string& dialogHwnd, int id) {
    return Driver({"press", dialogHwnd, std::to_string(id)}).exitCode == 0;
}

bool WineScenario::ClickControl(const std::string& hwnd, const std::string& name) {
    return Driver({"click", hwnd, "--name", name}).exitCode == 0;
}

bool WineScenario::SetText(const std::string& hwnd, const ControlRef& control, const std::string& text) {
    return Driver({"settext", hwnd, control.option, control.value, text}).exitCode == 0;
}

bool WineScenario::Select(const std::string& hwnd, const ControlRef& control, int index) {
    return Driver({"select", hwnd, control.option, control.value, std::to_string(index)}).exitCode == 0;
}

bool WineScenario::Check(const std::string& hwnd, const ControlRef& control, int index, bool checked) {
    const std::string state = checked ? "1" : "0";
    return Driver({"check", hwnd, control.option, control.value, std::to_string(index), state}).exitCode == 0;
}

std::optional<std::vector<ControlItem>> WineScenario::Items(const std::string& hwnd, const ControlRef& control) {
    const RunResult listed = Driver({"items", hwnd, control.option, control.value});
    if (listed.exitCode != 0) return std::nullopt;
    return ParseControlItems(listed.output);
}

bool WineScenario::MouseAt(const std::string& hwnd, int x, int y, Mouse action) {
    std::vector<std::string> command = {"mouse", hwnd, std::to_string(x), std::to_string(y)};
    switch (action) {
        case Mouse::Click: break;
        case Mouse::Hover: command.push_back("--hover"); break;
        case Mouse::RightClick: command.push_back("--right"); break;
        case Mouse::DoubleClick: command.push_back("--double"); break;
    }
    return Driver(command).exitCode == 0;
}

bool WineScenario::Keys(const std::string& hwnd, const std::vector<int>& virtualKeys) {
    std::vector<std::string> command = {"keys", hwnd};
    for (const int key : virtualKeys) command.push_back(std::to_string(key));
    return Driver(command).exitCode == 0;
}

bool WineScenario::Close(const TopWindow& window) { return Driver({"close", window.hwnd}).exitCode == 0; }

std::vector<ShellIcon> WineScenario::ShellIcons() { return ParseShellIcons(Driver({"shell-icons"}).output); }

std::vector<ShellIcon> WineScenario::ShellIconBounds() {
    return ParseShellIcons(Driver({"shell-icons", "--bounds"}).output);
}

std::optional<std::string> WineScenario::RegistryValue(const std::string& key, const std::string& value, bool view32) {
    const RunResult read = Driver({"reg", key, value, "--view", view32 ? "32" : "64"});
    if (read.exitCode != 0) return std::nullopt;
    const std::vector<RegistryRecord> records = ParseRegistryRecords(read.output);
    if (records.empty()) return std::nullopt;
    return records.front().data;
}

std::string WineScenario::WriteRootFile(const std::string& name, const std::string& bytes) {
    const std::string path = root_ + "/" + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string WineScenario::Screenshot(const std::string& name) {
    fs::create_directories(ShotsDir());
    const std::string path = ShotsDir() + "/" + TestName() + "-" + name + ".png";
    RunAndCapture({"import", "-display", WineSuite::Get().Display(), "-window", "root", path}, {}, 30s);
    return path;
}

double WineScenario::RedShare(const std::string& screenshot, const Rect& region) {
    const std::string crop = std::to_string(region.Width()) + "x" + std::to_string(region.Height()) + "+" +
                             std::to_string(region.left) + "+" + std::to_string(region.top);
    const RunResult share = RunAndCapture(
        {"convert", screenshot, "-crop", crop, "+repage", "-fx", "r>0.75 && g<0.3 && b<0.3", "-format", "%[fx:mean]", "info:"},
        {}, 30s);
    return share.exitCode == 0 ? std::atof(share.output.c_str()) : -1.0;
}

std::string WineScenario::PixelOf(const std::string& screenshot, int x, int y) {
    const std::string where = std::to_string(x) + "," + std::to_string(y);
    return RunAndCapture({"convert", screenshot, "-format", "%[fx:int(255*p{" + where + "}.r)],%[fx:int(255*p{" + where +
                                                            "}.g)],%[fx:int(255*p{" + where + "}.b)]",
                          "info:"},
                         {}, 30s)
        .output;
}

void OrvellaScenario::SetUp() {
    WineScenario::SetUp();
    if (HasFatalFailure()) return;
    const fs::path output = OutputDir();
    ASSERT_TRUE(fs::exists(output / "Orvella.exe")) << "no Orvella.exe in " << output.string()
                                                    << " (build the Windows target or set ORVELLA_OUTPUT_DIR)";
    fs::create_directories(ProgramDir());
    for (const char* name : {"Orvella.exe", "drvdb.dll", "db.spb"})
        fs::copy_file(output / name, fs::path(ProgramDir()) / name, fs::copy_options::overwrite_existing);
}

std::string OrvellaScenario::ProgramDir() const { return Prefix() + "/drive_c/Orvella"; }

ChildProcess& OrvellaScenario::StartOrvella(const std::vector<std::string>& parameters) {
    std::vector<std::string> commandLine = {"C:\\Orvella\\Orvella.exe"};
    commandLine.insert(commandLine.end(), parameters.begin(), parameters.end());
    return Start(commandLine, true, ProgramDir());
}

std::optional<int> OrvellaScenario::RunOrvella(const std::vector<std::string>& parameters) {
    return StartOrvella(parameters).WaitExit(kWindowTimeout);
}

bool OrvellaScenario::ProgramFileExists(const std::string& name) const {
    return fs::exists(fs::path(ProgramDir()) / name);
}

void OrvellaScenario::RemoveProgramFile(const std::string& name) { fs::remove(fs::path(ProgramDir()) / name); }

std::string OrvellaScenario::ReadProgramFile(const std::string& name) const {
    return ReadWholeFile(ProgramDir() + "/" + name);
}

void OrvellaScenario::WriteProgramFile(const std::string& name, const std::string& bytes) {
    std::ofstream(ProgramDir() + "/" + name, std::ios::binary) << bytes;
}

std::string OrvellaScenario::DatabaseFile() const { return ProgramDir() + "/db.spb"; }

IniSections OrvellaScenario::ReadIni() const { return ParseIni(ReadProgramFile("Orvella.ini")); }

void OrvellaScenario::WriteIni(const std::map<std::string, std::string>& conf) {
    std::string text = "[conf]\r\n";
    for (const auto& [key, value] : conf) text += key + "=" + value + "\r\n";
    std::ofstream(ProgramDir() + "/Orvella.ini", std::ios::binary) << Cp1251Codec().ToAnsi(text);
}

}  // namespace orvella::e2e
