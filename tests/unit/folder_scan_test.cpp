#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_folder_tree.h"
#include "pictures/folder_scan.h"
#include "pictures/picture_types.h"
#include "pictures/throttled_pump.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Paths = std::vector<std::string>;

struct TypeCase {
    const char* name;
    std::optional<std::size_t> type;  // 0 jpg, 1 bmp, 2 gif
};

TEST(PictureTypeTest, LastThreeCharactersWithLatinCaseIgnored) {
    const TypeCase cases[] = {
        {"Photo.JPG", 0},  {"photo.jpg", 0},      {"photo.jpeg", std::nullopt}, {"holidayjpg", 0},
        {"gif", 2},        {"if", std::nullopt},  {"", std::nullopt},           {"Scan.bMp", 1},
        {"фото.gif", 2},   {"a.jpgЖ", std::nullopt}, {"a.JPG ", std::nullopt},  {"picture.png", std::nullopt},
    };
    for (const TypeCase& c : cases) EXPECT_EQ(PictureTypeOf(c.name), c.type) << c.name;
}

TEST(PictureTypeTest, SizeLimitCountsWholeKilobytesAboveTheLimit) {
    EXPECT_FALSE(PassesSizeLimit(51200, true, 50));
    EXPECT_FALSE(PassesSizeLimit(52223, true, 50));
    EXPECT_TRUE(PassesSizeLimit(52224, true, 50));
    EXPECT_TRUE(PassesSizeLimit(5'000'000'000ull, true, 50));  // beyond 32 bits
    EXPECT_TRUE(PassesSizeLimit(0, false, 50));
    EXPECT_TRUE(PassesSizeLimit(0, true, -1));
    EXPECT_FALSE(PassesSizeLimit(0, true, 0));
}

class FolderScanTest : public testing::Test {
protected:
    Paths Scan(const std::string& folder, bool includeSubfolders, SizeLimit limit = {}) {
        Paths list{"kept"};
        ScanDir(folder, includeSubfolders, limit, tree, pump, list);
        return list;
    }

    FakeFolderTree tree;
    ThrottledPump pump{nullptr};
};

TEST_F(FolderScanTest, TypesInOrderWithSubfolderPicturesWhereTheSubfolderWasMet) {
    tree.AddFile("C:\\Pics\\b1.gif");
    tree.AddFile("C:\\Pics\\a1.jpg");
    tree.AddFile("C:\\Pics\\Sub\\s.bmp");
    tree.AddFile("C:\\Pics\\Sub\\s.JPG");
    tree.AddFile("C:\\Pics\\c1.bmp");
    tree.AddFile("C:\\Pics\\a2.jpg");
    tree.AddFile("C:\\Pics\\notes.txt");

    EXPECT_THAT(Scan("C:\\Pics", true),
                ElementsAre("kept", "C:\\Pics\\a1.jpg", "C:\\Pics\\Sub\\s.JPG", "C:\\Pics\\a2.jpg",
                            "C:\\Pics\\Sub\\s.bmp", "C:\\Pics\\c1.bmp", "C:\\Pics\\b1.gif"));
    EXPECT_THAT(Scan("C:\\Pics\\", false),
                ElementsAre("kept", "C:\\Pics\\a1.jpg", "C:\\Pics\\a2.jpg", "C:\\Pics\\c1.bmp", "C:\\Pics\\b1.gif"));
}

TEST_F(FolderScanTest, EachFolderOfTheTreeIsListedOnce) {
    tree.AddFile("C:\\Pics\\A\\B\\x.jpg");
    tree.AddFile("C:\\Pics\\C\\y.gif");
    Scan("C:\\Pics", true);
    EXPECT_THAT(tree.listed, ElementsAre("C:\\Pics\\", "C:\\Pics\\A\\", "C:\\Pics\\A\\B\\", "C:\\Pics\\C\\"));
}

TEST_F(FolderScanTest, FolderNamedLikeAPictureIsEnteredButNotListed) {
    tree.AddFile("C:\\Pics\\album.jpg\\inside.jpg");
    EXPECT_THAT(Scan("C:\\Pics", true), ElementsAre("kept", "C:\\Pics\\album.jpg\\inside.jpg"));
    EXPECT_THAT(Scan("C:\\Pics", false), ElementsAre("kept"));
}

TEST_F(FolderScanTest, HiddenAndSystemEntriesAreNeitherListedNorEntered) {
    tree.AddFile("C:\\Pics\\shown.jpg");
    tree.AddFile("C:\\Pics\\hidden.jpg", 0, true);
    tree.AddFile("C:\\Pics\\system.jpg", 0, false, true);
    tree.AddFile("C:\\Pics\\Secret\\in.jpg");
    tree.AddFolder("C:\\Pics\\Secret", true);
    tree.AddFile("C:\\Pics\\Sys\\in.jpg");
    tree.AddFolder("C:\\Pics\\Sys", false, true);

    EXPECT_THAT(Scan("C:\\Pics", true), ElementsAre("kept", "C:\\Pics\\shown.jpg"));
    EXPECT_THAT(tree.listed, ElementsAre("C:\\Pics\\"));
}

TEST_F(FolderScanTest, SizeLimitAppliesToPicturesOnly) {
    tree.AddFile("C:\\P\\at50k.jpg", 51200);
    tree.AddFile("C:\\P\\under51k.jpg", 52223);
    tree.AddFile("C:\\P\\at51k.jpg", 52224);
    tree.AddFile("C:\\P\\empty.gif", 0);
    EXPECT_THAT(Scan("C:\\P", false, {true, 50}), ElementsAre("kept", "C:\\P\\at51k.jpg"));
    EXPECT_THAT(Scan("C:\\P", false, {false, 50}),
                ElementsAre("kept", "C:\\P\\at50k.jpg", "C:\\P\\under51k.jpg", "C:\\P\\at51k.jpg", "C:\\P\\empty.gif"));
}

TEST_F(FolderScanTest, DriveRootGetsNoSecondBackslash) {
    tree.AddFile("C:\\sea.jpg");
    tree.AddFile("C:\\Pictures\\sky.jpg");
    EXPECT_THAT(Scan("C:\\", true), ElementsAre("kept", "C:\\sea.jpg", "C:\\Pictures\\sky.jpg"));
}

TEST_F(FolderScanTest, MissingFolderAddsNothing) { EXPECT_THAT(Scan("D:\\Nothing", true), ElementsAre("kept")); }

TEST(ThrottledPumpTest, PumpsOncePerIntervalOfWork) {
    using namespace std::chrono_literals;
    auto now = std::chrono::steady_clock::time_point{};
    int pumps = 0;
    ThrottledPump pump([&] { ++pumps; }, [&] { return now; });

    for (int entry = 0; entry < 100; ++entry) {  // one entry per millisecond
        now += 1ms;
        pump.Tick();
    }
    EXPECT_EQ(pumps, 100 / 20);

    // Handlers that take long do not make the next tick pump again at once.
    ThrottledPump slow([&] {
        ++pumps;
        now += 50ms;
    }, [&] { return now; });
    pumps = 0;
    now += 20ms;
    slow.Tick();
    slow.Tick();
    EXPECT_EQ(pumps, 1);
}

TEST(ThrottledPumpTest, ScanPumpsDuringALongFolder) {
    using namespace std::chrono_literals;
    FakeFolderTree tree;
    for (int i = 0; i < 1000; ++i) tree.AddFile("C:\\P\\f" + std::to_string(i) + ".jpg");
    auto now = std::chrono::steady_clock::time_point{};
    int pumps = 0;
    ThrottledPump pump([&] { ++pumps; }, [&] { return now += 1ms; });
    Paths list;
    ScanDir("C:\\P", false, {}, tree, pump, list);
    EXPECT_EQ(list.size(), 1000u);
    EXPECT_GE(pumps, 20);
}

}  // namespace
}  // namespace orvella
