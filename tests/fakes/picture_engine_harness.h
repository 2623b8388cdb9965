#pragma once
#include <functional>
#include <string>
#include <vector>

#include "fakes/fake_desktop_picture.h"
#include "fakes/fake_file_system.h"
#include "fakes/fake_folder_tree.h"
#include "fakes/fake_random.h"
#include "pictures/picture_engine.h"
#include "platform/cp1251_codec.h"

namespace orvella {

// A picture engine on fakes, in the program folder C:\Orvella\, with "onlist" and "autoscan" on.
class PictureEngineHarness {
public:
    static constexpr const char* kDir = "C:\\Orvella\\";
    static constexpr const char* kConfigPath = "C:\\Orvella\\Orvella.ini";

    PictureEngineHarness();

    static std::string PathOf(std::string_view fileName) { return kDir + std::string(fileName); }
    // "ListDir.txt" with these lines (CR LF) and "chkdir".
    void SaveFolders(const std::vector<std::string>& folders, const std::string& chkdir = "");
    // A picture file that exists on the disk and in the folder tree.
    void AddPicture(const std::string& path);
    // A list file's lines, decoded; an empty vector for an empty or missing file.
    std::vector<std::string> Stored(std::string_view fileName) const;
    void Store(std::string_view fileName, const std::vector<std::string>& lines);

    FakeFileSystem files;
    Cp1251Codec codec;
    FakeFolderTree folders;
    FakeDesktopPicture desktop;
    FakeRandom random;
    RunSettings settings;

    bool countdownOn = false;
    int countdownStarts = 0;
    std::vector<bool> prevButton;  // every state "<" was given
    std::function<void()> onEvents;  // runs when the engine handles pending events

    PictureEngine engine;
};

}  // namespace orvella
