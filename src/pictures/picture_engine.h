#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/run_settings.h"

namespace orvella {

class AnsiCodec;
class DesktopPicture;
class FileSystem;
class FolderEnumerator;
class RandomSource;

// What the picture engine asks of the operating system.
struct PictureServices {
    FileSystem& files;
    const AnsiCodec& codec;
    const FolderEnumerator& folders;
    DesktopPicture& desktop;
    RandomSource& random;
};

// What the picture engine asks of the change panel that owns it. Each may be left empty.
struct PicturePanelHooks {
    std::function<void()> processMessages;  // handle pending window events
    std::function<bool()> countdownOn;      // `CountdownOn`
    std::function<void()> startShowTime;    // restart the countdown from full
    std::function<void(bool)> showPrevButton;  // show or hide "<" (`N1`)
};

// The desktop picture rotation: the scan of the picture folders, the three picture lists and
// their files, the choice of the next picture and the desktop picture itself. A change, a scan or
// a step back requested while one of them runs (window events are handled during them) is
// ignored, so the lists and their files are never left half built.
class PictureEngine {
public:
    static constexpr std::string_view kAllFileName = "ovListAll.txt";
    static constexpr std::string_view kNextFileName = "ovListNext.txt";
    static constexpr std::string_view kShownFileName = "ovListShown.txt";

    PictureEngine(PictureServices services, const RunSettings& settings, PicturePanelHooks hooks = {});

    // The program's folder (ending with a separator), where the list files and "ListDir.txt"
    // lie, and the configuration file that holds "chkdir".
    void SetProgramFolder(std::string programDir, std::string configPath);

    // Rescans the saved picture folders into ListAll; keeps ListAll when there is no folder list
    // or it holds no line. Blank lines are skipped.
    void CreateAllList();
    // The list bound to "all", "next" or "shown" from or to its file; other names do nothing. A
    // missing file loads as an empty list; a file that cannot be written throws FileCreateError
    // and keeps its old content.
    void LoadList(std::string_view name);
    void SaveList(std::string_view name);
    // ListNext from ListAll less the stored shown list; starts a new cycle (and empties the shown
    // file) when that leaves nothing.
    void CreateNextList();
    // Draws, sets and records the next picture as "onlist" and "autoscan" say.
    void change();
    // The whole rebuild behind "Создать список": scan, save "all", new next list, save "next".
    // `allSaved` hears the number of all pictures as soon as their list is saved.
    void RebuildLists(const std::function<void(std::size_t)>& allSaved = {});
    // "cur": the last entry of the stored shown list; "prev": the one before it; else empty.
    std::string GetBmp(std::string_view kind);
    // Whether "<" may be shown (two shown pictures or more); the panel is told as well.
    bool CheckStatusPrevButton();
    void SetWallPaper(const std::string& path);
    // Back to the previous picture; the current one returns to the pictures still to show.
    void SetPrevBmp();

    std::vector<std::string> ListAll;
    std::vector<std::string> ListNext;
    std::vector<std::string> ListShown;
    // The path last handed to the desktop.
    std::string CurBmp;

private:
    std::vector<std::string>* ListNamed(std::string_view name);
    std::string ListFilePath(std::string_view name) const;
    void ScanFolders();
    void ChangeWithList();
    void ChangeWithoutList();
    std::string GetRandomBmp(std::vector<std::string>& list);

    PictureServices services_;
    const RunSettings& settings_;
    PicturePanelHooks hooks_;
    std::string programDir_;
    std::string configPath_;
    bool busy_ = false;
};

}  // namespace orvella
