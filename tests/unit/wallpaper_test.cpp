#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/picture_engine_harness.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class SetWallPaperTest : public testing::Test, protected PictureEngineHarness {};

TEST_F(SetWallPaperTest, OneCharacterChangesNothingButStillRestartsTheCountdown) {
    countdownOn = true;
    engine.CurBmp = "C:\\a.jpg";
    engine.SetWallPaper("x");
    engine.SetWallPaper("Ж");
    EXPECT_EQ(engine.CurBmp, "C:\\a.jpg");
    EXPECT_THAT(desktop.set, IsEmpty());
    EXPECT_EQ(countdownStarts, 2);
}

TEST_F(SetWallPaperTest, CountdownRestartsOnlyWhileItIsOn) {
    engine.SetWallPaper("C:\\a.jpg");
    EXPECT_EQ(countdownStarts, 0);
    countdownOn = true;
    engine.SetWallPaper("C:\\b.jpg");
    EXPECT_EQ(countdownStarts, 1);
}

TEST_F(SetWallPaperTest, AnyOtherPathIsSetAndBecomesCurrent) {
    const std::string path124 = "C:\\" + std::string(117, 'p') + ".jpg";
    const std::string path300 = "C:\\Фото\\" + std::string(280, 'p') + ".jpg";
    ASSERT_EQ(path124.size(), 124u);
    for (const std::string& path : {std::string("C:\\Фото\\Море.jpg"), path124, path300, std::string("ab")}) {
        engine.SetWallPaper(path);
        EXPECT_EQ(engine.CurBmp, path);
        EXPECT_EQ(desktop.set.back(), path);
    }
    // An empty path asks for no picture.
    engine.SetWallPaper("");
    EXPECT_EQ(engine.CurBmp, "");
    EXPECT_EQ(desktop.set.back(), "");
}

TEST_F(SetWallPaperTest, CurrentPictureIsSetBeforeTheDesktopChanges) {
    struct Observing : DesktopPicture {
        void Set(const std::string&) noexcept override { seen = engine->CurBmp; }
        const PictureEngine* engine = nullptr;
        std::string seen;
    } observing;
    PictureEngine observed({files, codec, folders, observing, random}, settings);
    observing.engine = &observed;
    observed.SetWallPaper("C:\\b.jpg");
    EXPECT_EQ(observing.seen, "C:\\b.jpg");
}

class SetPrevBmpTest : public testing::Test, protected PictureEngineHarness {
protected:
    const std::string kA = "C:\\A.jpg";
    const std::string kB = "C:\\B.jpg";
    const std::string kC = "C:\\C.jpg";
    const std::string kD = "C:\\D.jpg";
};

TEST_F(SetPrevBmpTest, StepsBackAndPutsTheCurrentPictureBackIntoTheCycle) {
    Store("ovListShown.txt", {kA, kB, kC});
    Store("ovListNext.txt", {kD});
    engine.ListShown = {"stale"};
    files.writes.clear();
    countdownOn = true;

    engine.SetPrevBmp();
    EXPECT_THAT(desktop.set, ElementsAre(kB));
    EXPECT_EQ(engine.CurBmp, kB);
    EXPECT_EQ(countdownStarts, 1);
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre(kA, kB));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kD, kC));
    EXPECT_THAT(files.writes, ElementsAre(PathOf("ovListShown.txt"), PathOf("ovListNext.txt")));
    EXPECT_THAT(prevButton, ElementsAre(true));

    engine.SetPrevBmp();
    EXPECT_THAT(desktop.set, ElementsAre(kB, kA));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre(kD, kC, kB));
    EXPECT_THAT(prevButton, ElementsAre(true, false));
}

TEST_F(SetPrevBmpTest, CurrentPictureAlreadyToComeInAnotherCaseIsNotAddedAgain) {
    Store("ovListShown.txt", {"C:\\A.jpg", "C:\\Фото\\Б.jpg"});
    Store("ovListNext.txt", {"c:\\фото\\б.JPG"});
    engine.SetPrevBmp();
    EXPECT_THAT(desktop.set, ElementsAre("C:\\A.jpg"));
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre("c:\\фото\\б.JPG"));
}

TEST_F(SetPrevBmpTest, SingleShownPictureOnlyHidesBack) {
    Store("ovListShown.txt", {kA});
    files.writes.clear();
    engine.SetPrevBmp();
    EXPECT_THAT(desktop.set, IsEmpty());
    EXPECT_THAT(files.writes, IsEmpty());
    EXPECT_THAT(prevButton, ElementsAre(false));
}

}  // namespace
}  // namespace orvella
