#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/picture_engine_harness.h"
#include "settings/settings_errors.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;

class ListFilesTest : public testing::Test, protected PictureEngineHarness {};

TEST_F(ListFilesTest, SavedInTheAnsiCodePageWithCrLfAfterEveryLine) {
    engine.ListAll = {"C:\\Фото\\Море.jpg", "D:\\b.gif"};
    engine.ListNext = {};
    engine.ListShown = {""};
    engine.SaveList("all");
    engine.SaveList("next");
    engine.SaveList("shown");
    EXPECT_EQ(files.files[PathOf("ovListAll.txt")], "C:\\\xD4\xEE\xF2\xEE\\\xCC\xEE\xF0\xE5.jpg\r\nD:\\b.gif\r\n");
    EXPECT_EQ(files.files[PathOf("ovListNext.txt")], "");
    EXPECT_EQ(files.files[PathOf("ovListShown.txt")], "\r\n");
}

TEST_F(ListFilesTest, ReaderToleratesEveryLineEnd) {
    files.files[PathOf("ovListNext.txt")] = "a\r\nb\nc\rd\r\n\r\ne";
    engine.LoadList("next");
    EXPECT_THAT(engine.ListNext, ElementsAre("a", "b", "c", "d", "", "e"));
}

TEST_F(ListFilesTest, MissingFileLoadsAsEmptyList) {
    engine.ListShown = {"stale"};
    engine.LoadList("shown");
    EXPECT_THAT(engine.ListShown, IsEmpty());
}

TEST_F(ListFilesTest, AnUnreadableFileIsReportedAndNeverOverwritten) {
    Store("ovListShown.txt", {"C:\\a.jpg", "C:\\b.jpg"});
    files.unreadable.insert(PathOf("ovListShown.txt"));
    engine.ListShown = {"kept"};
    EXPECT_THROW(engine.LoadList("shown"), FileOpenError);
    EXPECT_THAT(engine.ListShown, ElementsAre("kept"));

    settings.onlist = true;
    settings.autoscan = false;
    Store("ovListAll.txt", {"C:\\c.jpg"});
    EXPECT_THROW(engine.change(), FileOpenError);
    files.unreadable.clear();
    EXPECT_THAT(Stored("ovListShown.txt"), ElementsAre("C:\\a.jpg", "C:\\b.jpg"));
}

TEST_F(ListFilesTest, UnknownNamesDoNothing) {
    engine.ListAll = {"a"};
    files.files[PathOf("ovListAll.txt")] = "b\r\n";
    engine.LoadList("All");
    engine.SaveList("current");
    EXPECT_THAT(engine.ListAll, ElementsAre("a"));
    EXPECT_THAT(files.writes, IsEmpty());
}

TEST_F(ListFilesTest, RefusedWriteIsReportedAndKeepsFileAndList) {
    Store("ovListNext.txt", {"old"});
    files.RefuseWrites(PathOf("ovListNext.txt"));
    engine.ListNext = {"new"};
    EXPECT_THROW(
        try { engine.SaveList("next"); } catch (const FileCreateError& e) {
            EXPECT_THAT(e.what(), testing::HasSubstr("Cannot create file \"C:\\Orvella\\ovListNext.txt\""));
            throw;
        },
        FileCreateError);
    EXPECT_THAT(Stored("ovListNext.txt"), ElementsAre("old"));
    EXPECT_THAT(engine.ListNext, ElementsAre("new"));
}

TEST_F(ListFilesTest, GetBmpAnswersFromTheStoredShownList) {
    EXPECT_EQ(engine.GetBmp("cur"), "");
    Store("ovListShown.txt", {"C:\\a.jpg"});
    EXPECT_EQ(engine.GetBmp("cur"), "C:\\a.jpg");
    EXPECT_EQ(engine.GetBmp("prev"), "");
    Store("ovListShown.txt", {"C:\\a.jpg", "C:\\b.jpg", "C:\\c.jpg"});
    EXPECT_EQ(engine.GetBmp("cur"), "C:\\c.jpg");
    EXPECT_EQ(engine.GetBmp("prev"), "C:\\b.jpg");
    EXPECT_EQ(engine.GetBmp("next"), "");
    EXPECT_THAT(engine.ListShown, ElementsAre("C:\\a.jpg", "C:\\b.jpg", "C:\\c.jpg"));
    EXPECT_THAT(prevButton, ElementsAre(false, false, false, true, true, true));
}

}  // namespace
}  // namespace orvella
