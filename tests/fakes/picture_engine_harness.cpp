#include "fakes/picture_engine_harness.h"

#include "settings/line_file.h"

namespace orvella {

PictureEngineHarness::PictureEngineHarness()
    : engine({files, codec, folders, desktop, random}, settings,
             {.processMessages = [this] { if (onEvents) onEvents(); },
              .countdownOn = [this] { return countdownOn; },
              .startShowTime = [this] { ++countdownStarts; },
              .showPrevButton = [this](bool visible) { prevButton.push_back(visible); }}) {
    settings.onlist = true;
    settings.autoscan = true;
    engine.SetProgramFolder(kDir, kConfigPath);
}

void PictureEngineHarness::SaveFolders(const std::vector<std::string>& folderPaths, const std::string& chkdir) {
    WriteLineFile(files, codec, PathOf("ListDir.txt"), folderPaths);
    if (!chkdir.empty()) files.files[kConfigPath] = "[conf]\r\nchkdir=" + chkdir + "\r\n";
}

void PictureEngineHarness::AddPicture(const std::string& path) {
    files.files[path] = "picture";
    folders.AddFile(path, 100000);
}

std::vector<std::string> PictureEngineHarness::Stored(std::string_view fileName) const {
    return ReadLineFile(files, codec, PathOf(fileName)).value_or(std::vector<std::string>{});
}

void PictureEngineHarness::Store(std::string_view fileName, const std::vector<std::string>& lines) {
    WriteLineFile(files, codec, PathOf(fileName), lines);
}

}  // namespace orvella
