#include "e2e/change_panel_scenario.h"

namespace orvella::e2e {
namespace {

const std::vector<PictureFile> kPictures = {
    {"закат.jpg", "#d04020", "JPEG"}, {"море.bmp", "#2060d0", "BMP3"}, {"Горы.GIF", "#30a040", "GIF"}};

}  // namespace

TopWindow ChangePanelScenario::StartPanel(std::map<std::string, std::string> conf) {
    conf.emplace("left2", std::to_string(kPanelLeft));
    conf.emplace("top2", std::to_string(kPanelTop));
    conf.emplace("AutoSaveIcon", "0");
    WriteIni(conf);
    StartShell();
    program_ = &StartOrvella({"-change"});
    const auto panel = WaitWindow("TForm2");
    EXPECT_TRUE(panel) << "no panel";
    return panel.value_or(TopWindow{});
}

std::vector<std::string> ChangePanelScenario::MakePictureFolder() {
    const auto paths = MakePictures(Prefix(), kPictures);
    WriteProgramFile("ListDir.txt", FolderListBytes());
    return paths;
}

std::string ChangePanelScenario::Wallpaper() {
    return RegistryValue("HKCU\\Control Panel\\Desktop", "Wallpaper").value_or("");
}

bool ChangePanelScenario::WaitWallpaper(const std::function<bool(const std::string&)>& wanted) {
    return PollFor(kWindowTimeout, [&] { return wanted(Wallpaper()); });
}

std::string ChangePanelScenario::BarMiddleColour() {
    return PixelOf(Screenshot("bar"), kPanelLeft + kBarMiddle.x, kPanelTop + kBarMiddle.y);
}

}  // namespace orvella::e2e
