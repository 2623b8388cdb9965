// The desktop picture at change-mode starts with a real picture folder: the picture set for the
// user, the three list files in Windows-1251 with CR LF, and one picture per start until each of
// them has been shown once.
#include <algorithm>
#include <optional>
#include <set>

#include "e2e/picture_folder.h"
#include "e2e/wine_scenario.h"
#include "platform/cp1251_codec.h"

namespace orvella::e2e {
namespace {

// One of each kind; a type is told by the name's last three characters in any letter case.
const std::vector<PictureFile> kPictures = {
    {"закат.jpg", "#d04020", "JPEG"}, {"море.bmp", "#2060d0", "BMP3"}, {"Горы.GIF", "#30a040", "GIF"}};

// The lines of a list file, each of which must end with CR LF; none when the file is not so made.
std::optional<std::vector<std::string>> CrLfLines(const std::string& ansiBytes) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = ansiBytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
        const std::string line = ansiBytes.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) return std::nullopt;
        lines.push_back(Cp1251Codec().FromAnsi(line));
    }
    if (start != ansiBytes.size()) return std::nullopt;
    return lines;
}

class PictureRotation : public OrvellaScenario {
protected:
    // Makes the pictures and lists their folder for the scan; returns their paths in the scan's
    // order (JPEG, BMP, GIF).
    std::vector<std::string> MakePictureFolder() {
        const std::vector<std::string> paths = MakePictures(Prefix(), kPictures);
        WriteProgramFile("ListDir.txt", FolderListBytes());
        return paths;
    }

    std::vector<std::string> ListFile(const std::string& name) {
        const auto lines = CrLfLines(ReadProgramFile(name));
        EXPECT_TRUE(lines) << name << " is not Windows-1251 lines each ended by CR LF";
        return lines.value_or(std::vector<std::string>{});
    }
};

TEST_F(PictureRotation, EachStartShowsAPictureNotShownBeforeUntilAllWereShown) {
    const std::vector<std::string> pictures = MakePictureFolder();
    StartShell();
    WriteIni({{"offvisible", "0"}, {"AutoSaveIcon", "0"}});

    std::vector<std::string> shownBefore;
    for (size_t start = 1; start <= pictures.size(); ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        ASSERT_TRUE(RunOrvella({"-change"}));
        EXPECT_EQ(ListFile("ovListAll.txt"), pictures);

        const std::vector<std::string> shown = ListFile("ovListShown.txt");
        ASSERT_EQ(shown.size(), start);
        EXPECT_TRUE(std::equal(shownBefore.begin(), shownBefore.end(), shown.begin())) << "an earlier entry changed";
        const std::string drawn = shown.back();
        EXPECT_EQ(std::count(pictures.begin(), pictures.end(), drawn), 1) << drawn;
        EXPECT_EQ(std::count(shown.begin(), shown.end(), drawn), 1) << drawn << " was shown before";
        EXPECT_EQ(RegistryValue("HKCU\\Control Panel\\Desktop", "Wallpaper"), drawn);

        std::vector<std::string> notShown;
        for (const std::string& picture : pictures)
            if (std::find(shown.begin(), shown.end(), picture) == shown.end()) notShown.push_back(picture);
        EXPECT_EQ(ListFile("ovListNext.txt"), notShown);
        shownBefore = shown;
    }
    EXPECT_EQ(std::set<std::string>(shownBefore.begin(), shownBefore.end()),
              std::set<std::string>(pictures.begin(), pictures.end()));
    Screenshot("desktop");
}

}  // namespace
}  // namespace orvella::e2e
