#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fakes/picture_engine_harness.h"
#include "settings/settings_errors.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using testing::UnorderedElementsAre;
using Paths = std::vector<std::string>;

const std::string kA = "C:\\Pics\\a.jpg";
const std::string kB = "C:\\Pics\\b.jpg";
const std::string kC = "C:\\Pics\\c.jpg";

class ChangeTest : public testing::Test, protected PictureEngineHarness {
protected:
    void ThreePictures() {
        for (const auto& path : {kA, kB, kC}) AddPicture(path);
        SaveFolders({"C:\\Pics"});
    }
};

TEST_F(ChangeTest, FullCycleShowsEachPictureOnceThenStartsAgainWithoutTheCurrentOne) {
    ThreePictures();
    random.script = {1, 1, 0};
    engine.change();
    engine.change();
    engine.change();
    EXPECT_THAT(desktop.set, ElementsAre(kB, kC, kA));
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kB, kC, kA));
    EXPECT_THAT(Stored("ovListNext.txt"), IsEmpty());
    EXPECT_THAT(prevButton, ElementsAre(false, true, true));

    // The new cycle: the first draw hits the picture on the desktop, which is dropped.
    random.script = {0, 1};
    engine.change();
    EXPECT_THAT(desktop.set, ElementsAre(kB, kC, kA, kC));
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kC));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kB));
    EXPECT_THAT(Stored("ovListAll.txt"), ElementsAre(kA, kB, kC));
    EXPECT_EQ(prevButton.back(), false);
}

TEST_F(ChangeTest, EveryCombinationOfOnlistAndAutoscanSetsAPicture) {
    for (const bool onlist : {true, false}) {
        for (const bool autoscan : {true, false}) {
            PictureEngineHarness h;
            h.settings.onlist = onlist;
            h.settings.autoscan = autoscan;
            for (const auto& path : {kA, kB, kC}) h.AddPicture(path);
            h.SaveFolders({"C:\\Pics"});
            std::set<std::string> seen;
            for (int i = 0; i < 3; ++i) {
                h.random.script = {2};
                h.engine.change();
                seen.insert(h.engine.CurBmp);
            }
            EXPECT_EQ(h.desktop.set.size(), 3u) << onlist << autoscan;
            // Only the shown list keeps the pictures from coming again.
            EXPECT_EQ(seen.size(), onlist ? 3u : 2u) << onlist << autoscan;
        }
    }
}

TEST_F(ChangeTest, WithoutTheShownListNoListFileIsTouchedAndBackStaysHidden) {
    settings.onlist = false;
    ThreePictures();
    files.writes.clear();
    for (int i = 0; i < 3; ++i) engine.change();
    EXPECT_EQ(desktop.set.size(), 3u);
    EXPECT_THAT(files.writes, IsEmpty());
    EXPECT_THAT(prevButton, ElementsAre(false, false, false));
    EXPECT_THAT(engine.ListShown, ElementsAre(engine.CurBmp));
}

TEST_F(ChangeTest, StoredNextListIsUsedAsItIsWithoutAScan) {
    settings.autoscan = false;
    ThreePictures();
    Store("ovListAll.txt", {kA, kB, kC});
    Store("ovListNext.txt", {kC});
    Store("ovListShown.txt", {kA, kB});
    engine.change();
    EXPECT_THAT(desktop.set, ElementsAre(kC));
    EXPECT_THAT(folders.listed, IsEmpty());
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kA, kB, kC));
}

TEST_F(ChangeTest, EmptyStoredListsAreRebuiltFromAScan) {
    settings.autoscan = false;
    ThreePictures();
    Store("ovListShown.txt", {kB});
    engine.change();
    EXPECT_THAT(Stored("ovListAll.txt"), ElementsAre(kA, kB, kC));
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kB, kA));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kC));
}

TEST_F(ChangeTest, OnlyTheCurrentPictureLeftLeavesTheDesktopAndSavesAnEmptyNextList) {
    settings.autoscan = false;
    ThreePictures();
    Store("ovListAll.txt", {kA, kB, kC});
    Store("ovListNext.txt", {kC});
    Store("ovListShown.txt", {kA, kB});
    engine.CurBmp = kC;
    engine.change();
    EXPECT_THAT(desktop.set, IsEmpty());
    EXPECT_EQ(files.files[PathOf("ovListNext.txt")], "");
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kA, kB));
}

TEST_F(ChangeTest, MissingPicturesAreDroppedFromTheStoredList) {
    settings.autoscan = false;
    Store("ovListAll.txt", {"C:\\gone1.jpg", "C:\\gone2.jpg"});
    Store("ovListNext.txt", {"C:\\gone1.jpg", "C:\\gone2.jpg"});
    engine.change();
    EXPECT_THAT(desktop.set, IsEmpty());
    EXPECT_EQ(files.files[PathOf("ovListNext.txt")], "");
}

TEST_F(ChangeTest, NewPicturesJoinTheCurrentCycleWhenScanningEachTime) {
    ThreePictures();
    Store("ovListShown.txt", {kA, "c:\\PICS\\B.JPG", kA});
    AddPicture("C:\\Pics\\d.jpg");
    random.script = {1};
    engine.change();
    // A and B count as shown (case ignored; A listed twice takes one entry only once).
    EXPECT_THAT(desktop.set, ElementsAre("C:\\Pics\\d.jpg"));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kC));
}

TEST_F(ChangeTest, NoFolderListInAFreshRunEmptiesTheShownFileAndChangesNothing) {
    Store("ovListShown.txt", {kA, kB});
    Store("ovListNext.txt", {kC});
    files.writes.clear();
    engine.change();
    EXPECT_THAT(desktop.set, IsEmpty());
    EXPECT_THAT(files.writes, ElementsAre(PathOf("ovListAll.txt"), PathOf("ovListShown.txt")));
    EXPECT_EQ(files.files[PathOf("ovListAll.txt")], "");
    EXPECT_EQ(files.files[PathOf("ovListShown.txt")], "");
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kC));
}

TEST_F(ChangeTest, RefusedListFileStopsTheChangeWithTheErrorAndTheEngineGoesOn) {
    ThreePictures();
    files.RefuseWrites(PathOf("ovListNext.txt"));
    EXPECT_THROW(engine.change(), FileCreateError);
    EXPECT_EQ(desktop.set.size(), 1u);
    EXPECT_FALSE(files.FileExists(PathOf("ovListShown.txt")));

    files.RefuseWrites(PathOf("ovListNext.txt"), 1);
    engine.change();
    EXPECT_EQ(desktop.set.size(), 2u);
}

TEST_F(ChangeTest, RebuildScansSavesAndStartsTheNextListFromTheShownOne) {
    ThreePictures();
    Store("ovListShown.txt", {kA});
    engine.RebuildLists();
    EXPECT_THAT(Stored("ovListAll.txt"), ElementsAre(kA, kB, kC));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kB, kC));
    EXPECT_THAT(desktop.set, IsEmpty());
}

TEST_F(ChangeTest, RequestsArrivingDuringADrawAreIgnored) {
    settings.autoscan = false;
    ThreePictures();
    Store("ovListAll.txt", {kA, kB, kC});
    Store("ovListNext.txt", {"C:\\gone.jpg", kA});
    Store("ovListShown.txt", {kB, kC});
    random.onDraw = [this] {
        engine.change();
        engine.SetPrevBmp();
        engine.RebuildLists();
        // The current picture is still answered, from the file, without touching the lists.
        EXPECT_EQ(engine.GetBmp("cur"), kC);
    };
    engine.change();
    EXPECT_EQ(random.draws, 2);
    EXPECT_THAT(desktop.set, ElementsAre(kA));
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kB, kC, kA));
    EXPECT_THAT(Stored("ovListNext.txt"), IsEmpty());
}

}  // namespace
}  // namespace orvella
