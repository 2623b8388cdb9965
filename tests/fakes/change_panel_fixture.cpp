#include "fakes/change_panel_fixture.h"

#include <filesystem>

#include "settings/line_file.h"

namespace orvella {

namespace fs = std::filesystem;

ChangePanelRun::ChangePanelRun() {
    fakes.system.executablePath = dir.File("Orvella.exe");
    dir.Write("db.spb", "");
    fs::create_directory(dir.Path() / "pics");
    const std::pair<const std::string&, std::uint32_t> pictures[] = {{a, kColorA}, {b, kColorB}, {c, kColorC}};
    for (const auto& [path, color] : pictures) {
        dir.Write("pics/" + fs::path(path).filename().string(), "picture");
        fakes.pictureDecoder.Add(path, color);
    }
    StoreList(PictureEngine::kAllFileName, {a, b, c});
}

void ChangePanelRun::Create(Mode mode, const Settings& settings) {
    Settings all = {{"autoscan", "0"}, {"offchangestart", "0"}};
    for (const auto& [key, value] : settings) all[key] = value;
    std::string ini = "[conf]\r\n";
    for (const auto& [key, value] : all) ini += key + "=" + value + "\r\n";
    dir.Write("Orvella.ini", fakes.codec.ToAnsi(ini));

    commandLine = std::make_unique<CommandLine>(mode == Mode::Change ? std::vector<std::string>{"-change"}
                                                                     : std::vector<std::string>{});
    if (mode == Mode::Normal) settingsWindow = std::make_unique<TForm1>(app, platform);
    panel = std::make_unique<TForm2>(app, platform, *commandLine, settingsWindow.get());
    preview = std::make_unique<TForm4>(app, platform, *panel);
    panel->SetPreviewWindow(*preview);
    if (settingsWindow) {
        settingsWindow->SetChangePanel(*panel);
        app.CreateForm(*settingsWindow);
    }
    app.CreateForm(*panel);
    app.CreateForm(*preview);
}

void ChangePanelRun::ShowPanel() {
    if (settingsWindow) {
        settingsWindow->Show();
        settingsWindow->RunChange.OnClick();
    } else {
        app.Dispatch([this] { panel->Show(); });
    }
}

void ChangePanelRun::Tick(int count) {
    for (int i = 0; i < count; ++i) app.Dispatch([this] { panel->Timer1.Fire(); });
}

void ChangePanelRun::DeleteFlow(const std::function<void(TForm4&)>& user) {
    app.whileModal = [this, &user](ui::Form&) { user(*preview); };
    app.Dispatch([this] { panel->bDel.OnClick(); });
    app.whileModal = nullptr;
}

bool ChangePanelRun::Exists(const std::string& path) const { return fs::exists(path); }

void ChangePanelRun::StoreList(std::string_view fileName, const std::vector<std::string>& paths) {
    WriteLineFile(fakes.files, fakes.codec, dir.File(std::string(fileName)), paths);
}

std::vector<std::string> ChangePanelRun::Stored(std::string_view fileName) const {
    return ReadLineFile(fakes.files, fakes.codec, dir.File(std::string(fileName))).value_or(std::vector<std::string>{});
}

std::string ChangePanelRun::Ini() const { return fakes.codec.FromAnsi(dir.Read("Orvella.ini")); }

void ChangePanelRun::MakeIniReadOnly() const {
    fs::permissions(IniPath(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
}

}  // namespace orvella
