#include "pictures/picture_engine.h"

#include <algorithm>

#include "pictures/folder_scan.h"
#include "pictures/next_list.h"
#include "pictures/random_draw.h"
#include "pictures/throttled_pump.h"
#include "platform/desktop_picture.h"
#include "platform/file_system.h"
#include "settings/config_file.h"
#include "settings/folder_list.h"
#include "settings/line_file.h"
#include "settings/settings_errors.h"
#include "settings/text_order.h"

namespace orvella {
namespace {

// Marks the engine busy for the length of one operation, whatever way it ends.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

// Exactly one character: one code point, whatever its UTF-8 length.
bool IsOneCharacter(const std::string& text) {
    if (text.empty()) return false;
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }) == 1;
}

std::string PickShown(const std::vector<std::string>& shown, std::string_view kind) {
    if (kind == "cur" && !shown.empty()) return shown.back();
    if (kind == "prev" && shown.size() >= 2) return shown[shown.size() - 2];
    return {};
}

}  // namespace

PictureEngine::PictureEngine(PictureServices services, const RunSettings& settings, PicturePanelHooks hooks)
    : services_(services), settings_(settings), hooks_(std::move(hooks)) {}

void PictureEngine::SetProgramFolder(std::string programDir, std::string configPath) {
    programDir_ = std::move(programDir);
    configPath_ = std::move(configPath);
}

std::vector<std::string>* PictureEngine::ListNamed(std::string_view name) {
    if (name == "all") return &ListAll;
    if (name == "next") return &ListNext;
    if (name == "shown") return &ListShown;
    return nullptr;
}

std::string PictureEngine::ListFilePath(std::string_view name) const {
    const std::string_view file = name == "all" ? kAllFileName : name == "next" ? kNextFileName : kShownFileName;
    return programDir_ + std::string(file);
}

void PictureEngine::LoadList(std::string_view name) {
    std::vector<std::string>* list = ListNamed(name);
    if (list == nullptr) return;
    const std::string path = ListFilePath(name);
    auto lines = ReadLineFile(services_.files, services_.codec, path);
    if (!lines && services_.files.FileExists(path)) throw FileOpenError(path);
    list->clear();
    if (lines) *list = std::move(*lines);
}

void PictureEngine::SaveList(std::string_view name) {
    if (const std::vector<std::string>* list = ListNamed(name)) {
        WriteLineFile(services_.files, services_.codec, ListFilePath(name), *list);
    }
}

void PictureEngine::CreateAllList() {
    if (busy_) return;
    BusyScope busy(busy_);
    ScanFolders();
}

void PictureEngine::ScanFolders() {
    const std::string listPath = programDir_ + std::string(kFolderListFileName);
    if (!services_.files.FileExists(listPath)) return;
    const ConfigFile config(services_.files, services_.codec, configPath_);
    const std::vector<FolderEntry> folders = ReadFolders(services_.files, services_.codec, listPath, config);
    if (folders.empty()) return;

    ThrottledPump pump(hooks_.processMessages);
    const SizeLimit sizeLimit{settings_.onsizelimit, settings_.sizelimit};
    std::vector<std::string> found;
    for (const FolderEntry& folder : folders) {
        // An empty line would otherwise scan the current drive's root.
        if (folder.path.empty()) continue;
        ScanDir(folder.path, folder.includeSubfolders, sizeLimit, services_.folders, pump, found);
    }
    ListAll = std::move(found);
}

void PictureEngine::CreateNextList() {
    ListShown.clear();
    TrimListText(ListAll);
    ListNext = ListAll;
    if (!services_.files.FileExists(ListFilePath("shown"))) return;
    LoadList("shown");
    RemoveShown(ListNext, ListShown);
    if (!ListNext.empty()) return;
    // Every picture has been shown: a new cycle begins.
    ListNext = ListAll;
    ListShown.clear();
    SaveList("shown");
}

std::string PictureEngine::GetRandomBmp(std::vector<std::string>& list) {
    ThrottledPump pump(hooks_.processMessages);
    return orvella::GetRandomBmp(list, CurBmp, ListShown, {services_.files, services_.random, pump});
}

void PictureEngine::change() {
    if (busy_) return;
    BusyScope busy(busy_);
    if (settings_.onlist) {
        ChangeWithList();
    } else {
        ChangeWithoutList();
    }
}

void PictureEngine::ChangeWithList() {
    if (settings_.autoscan) {
        ScanFolders();
        SaveList("all");
        CreateNextList();
        LoadList("shown");
    } else {
        LoadList("all");
        LoadList("next");
        LoadList("shown");
        if (ListNext.empty()) {
            if (ListAll.empty()) {
                ScanFolders();
                SaveList("all");
            }
            CreateNextList();
        }
    }
    if (ListNext.empty()) return;

    const std::string path = GetRandomBmp(ListNext);
    if (!path.empty()) SetWallPaper(path);
    // Saved also after a fruitless draw, so that the entries it dropped stay dropped.
    SaveList("next");
    SaveList("shown");
    CheckStatusPrevButton();
}

void PictureEngine::ChangeWithoutList() {
    ListShown.clear();
    ScanFolders();
    if (ListAll.empty()) return;
    const std::string path = GetRandomBmp(ListAll);
    if (path.empty()) return;
    SetWallPaper(path);
    CheckStatusPrevButton();
}

void PictureEngine::RebuildLists(const std::function<void(std::size_t)>& allSaved) {
    if (busy_) return;
    BusyScope busy(busy_);
    ScanFolders();
    SaveList("all");
    if (allSaved) allSaved(ListAll.size());
    CreateNextList();
    SaveList("next");
}

std::string PictureEngine::GetBmp(std::string_view kind) {
    if (busy_) {
        // The lists are mid-change: answer from the file and leave them alone.
        auto stored = ReadLineFile(services_.files, services_.codec, ListFilePath("shown"));
        return stored ? PickShown(*stored, kind) : std::string();
    }
    LoadList("shown");
    CheckStatusPrevButton();
    return PickShown(ListShown, kind);
}

bool PictureEngine::CheckStatusPrevButton() {
    const bool visible = ListShown.size() >= 2;
    if (hooks_.showPrevButton) hooks_.showPrevButton(visible);
    return visible;
}

void PictureEngine::SetWallPaper(const std::string& path) {
    if (hooks_.countdownOn && hooks_.startShowTime && hooks_.countdownOn()) hooks_.startShowTime();
    if (IsOneCharacter(path)) return;
    CurBmp = path;
    services_.desktop.Set(path);
}

void PictureEngine::SetPrevBmp() {
    if (busy_) return;
    BusyScope busy(busy_);
    LoadList("next");
    LoadList("shown");
    if (ListShown.size() >= 2) {
        const std::string current = ListShown.back();
        const bool alreadyNext = std::any_of(ListNext.begin(), ListNext.end(), [&current](const std::string& entry) {
            return CompareIgnoringCase(entry, current) == 0;
        });
        if (!alreadyNext) ListNext.push_back(current);
        SetWallPaper(ListShown[ListShown.size() - 2]);
        ListShown.pop_back();
        SaveList("shown");
        SaveList("next");
    }
    CheckStatusPrevButton();
}

}  // namespace orvella
