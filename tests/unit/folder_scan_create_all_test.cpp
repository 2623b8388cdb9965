#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "fakes/picture_engine_harness.h"
#include "pictures/throttled_pump.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class CreateAllListTest : public testing::Test, protected PictureEngineHarness {};

TEST_F(CreateAllListTest, FoldersInSortedOrderEachWithTheFlagOfItsLine) {
    AddPicture("D:\\b\\top.gif");
    AddPicture("D:\\b\\Sub\\deep.jpg");
    AddPicture("C:\\a\\one.jpg");
    AddPicture("C:\\a\\Sub\\skipped.jpg");
    SaveFolders({"D:\\b", "C:\\a"}, "10");

    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\a\\one.jpg", "D:\\b\\Sub\\deep.jpg", "D:\\b\\top.gif"));
}

TEST_F(CreateAllListTest, FolderListedTwiceListsItsPicturesTwice) {
    AddPicture("C:\\Pictures\\Sea\\wave.jpg");
    AddPicture("C:\\Pictures\\sun.bmp");
    SaveFolders({"C:\\Pictures", "C:\\Pictures\\Sea"}, "10");

    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\Pictures\\Sea\\wave.jpg", "C:\\Pictures\\sun.bmp",
                                            "C:\\Pictures\\Sea\\wave.jpg"));
}

TEST_F(CreateAllListTest, NoFolderListOrNoLineKeepsTheList) {
    engine.ListAll = {"C:\\old.jpg"};
    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\old.jpg"));

    SaveFolders({});
    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\old.jpg"));
}

TEST_F(CreateAllListTest, BlankLineIsSkippedNotScannedAsARoot) {
    AddPicture("C:\\root.jpg");
    AddPicture("C:\\Pics\\a.jpg");
    engine.ListAll = {"C:\\old.jpg"};
    SaveFolders({"", "C:\\Pics"}, "11");

    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\Pics\\a.jpg"));
    EXPECT_THAT(folders.listed, ElementsAre("C:\\Pics\\"));
}

TEST_F(CreateAllListTest, SizeLimitComesFromTheSettings) {
    folders.AddFile("C:\\P\\small.jpg", 52223);
    folders.AddFile("C:\\P\\big.jpg", 52224);
    SaveFolders({"C:\\P"});
    settings.onsizelimit = true;
    settings.sizelimit = 50;

    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\P\\big.jpg"));
}

TEST_F(CreateAllListTest, RequestsArrivingDuringAScanAreIgnored) {
    AddPicture("C:\\P\\Sub\\a.jpg");
    AddPicture("C:\\P\\b.jpg");
    SaveFolders({"C:\\P"}, "1");
    files.writes.clear();
    folders.onList = [this] {
        engine.CreateAllList();
        engine.RebuildLists();
        engine.change();
        engine.SetPrevBmp();
    };

    engine.CreateAllList();
    EXPECT_THAT(engine.ListAll, ElementsAre("C:\\P\\Sub\\a.jpg", "C:\\P\\b.jpg"));
    EXPECT_THAT(folders.listed, ElementsAre("C:\\P\\", "C:\\P\\Sub\\"));
    EXPECT_THAT(desktop.set, IsEmpty());
    EXPECT_THAT(files.writes, IsEmpty());

    // Once the scan is over the engine takes requests again.
    folders.onList = nullptr;
    engine.change();
    EXPECT_EQ(desktop.set.size(), 1u);
}

TEST_F(CreateAllListTest, LongScanHandlesPendingEvents) {
    for (int i = 0; i < 3; ++i) AddPicture("C:\\P\\F" + std::to_string(i) + "\\a.jpg");
    SaveFolders({"C:\\P"}, "1");
    int events = 0;
    onEvents = [&] { ++events; };
    // Each folder takes longer than the pump's interval.
    folders.onList = [] { std::this_thread::sleep_for(ThrottledPump::kInterval + std::chrono::milliseconds(1)); };

    engine.CreateAllList();
    EXPECT_GE(events, 3);
}

}  // namespace
}  // namespace orvella
