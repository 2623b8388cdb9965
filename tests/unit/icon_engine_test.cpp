#include "icons/icon_engine.h"

#include <gtest/gtest.h>

#include "fakes/fake_collation.h"
#include "fakes/fake_desktop_list.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_platform.h"
#include "platform/cp1251_codec.h"

namespace orvella {
namespace {

using Lines = std::vector<std::string>;
using Step = FakeDesktopList::Step;

class IconEngineTest : public ::testing::Test {
protected:
    // An icon whose bounding rectangle's corner is at (x, y).
    void AddIcon(const std::string& caption, std::int32_t x, std::int32_t y) {
        desktop.items.push_back({codec.ToAnsi(caption), x + desktop.offsetX, y + desktop.offsetY});
    }
    // Where the icon's rectangle lies now.
    std::pair<std::int32_t, std::int32_t> Corner(std::size_t index) const {
        const auto& item = desktop.items[index];
        return {item.x - desktop.offsetX, item.y - desktop.offsetY};
    }

    void TearDown() override { EXPECT_EQ(desktop.violations, Lines{}); }

    FakeDesktopList desktop;
    FakeDialogs dialogs;
    FakeSystemInfo system;
    Cp1251Codec codec;
    FakeCollation collation;
    IconEngine engine{desktop, dialogs, system, codec, collation};
};

TEST_F(IconEngineTest, GetReadsEveryIconSortedWithoutRegardToCase) {
    desktop.offsetX = 21;
    desktop.offsetY = 4;
    AddIcon("mail", 10, -80);
    AddIcon("Корзина", 0, 0);
    AddIcon("Docs", 10, 5);
    AddIcon("docs", 10, 5);
    AddIcon("Archive ", 200, 7);
    AddIcon("", 1, 1);
    AddIcon("Docs", 10, 5);
    engine.ListCurIcon = {"stale:1:1"};

    engine.GetSetIcon("get");

    EXPECT_EQ(engine.ListCurIcon, (Lines{":1:1", "Archive :200:7", "Docs:10:5", "Docs:10:5", "docs:10:5",
                                         "mail:10:-80", "Корзина:0:0"}));
    EXPECT_EQ(Corner(0), std::make_pair(10, -80));
    EXPECT_EQ(engine.IconX, 0);
    EXPECT_EQ(engine.IconY, 0);
    EXPECT_TRUE(desktop.AllReleased());
    EXPECT_TRUE(dialogs.errors.empty());
}

TEST_F(IconEngineTest, CalibrationCarriesTheOffsetBetweenPositionAndRectangle) {
    desktop.offsetX = 4;
    desktop.offsetY = 2;
    AddIcon("Docs", 100, 50);
    AddIcon("Mail", 300, 60);

    engine.GetSetIcon("set", {"Mail:-10:500", "Docs:7:9"});

    // Item 0 is sent where its rectangle is, which shows the offset, then put back.
    ASSERT_GE(desktop.moves.size(), 2u);
    EXPECT_EQ(desktop.moves[0], (FakeDesktopList::Move{0, 100, 50}));
    EXPECT_EQ(desktop.moves[1], (FakeDesktopList::Move{0, 104, 52}));
    EXPECT_EQ(Corner(0), std::make_pair(7, 9));
    EXPECT_EQ(Corner(1), std::make_pair(-10, 500));
    EXPECT_TRUE(engine.ListCurIcon.empty());
    EXPECT_TRUE(desktop.AllReleased());
}

TEST_F(IconEngineTest, CalibrationLeavesItemZeroWhereItBegan) {
    desktop.offsetX = 4;
    desktop.offsetY = 2;
    AddIcon("Docs", 100, 50);
    AddIcon("Mail", 300, 60);

    engine.GetSetIcon("other");

    EXPECT_EQ(desktop.moves.size(), 2u);
    EXPECT_EQ(Corner(0), std::make_pair(100, 50));
    EXPECT_EQ(Corner(1), std::make_pair(300, 60));
    EXPECT_TRUE(engine.ListCurIcon.empty());
}

TEST_F(IconEngineTest, SetMatchesEachIconToTheFirstLineOfItsTrimmedCaption) {
    struct Case {
        const char* name;
        Lines desktopCaptions;
        Lines saved;
        std::vector<std::pair<std::int32_t, std::int32_t>> corners;
    };
    const std::pair<std::int32_t, std::int32_t> unmoved{1000, 1000};
    const Case cases[] = {
        {"same caption twice on the desktop", {"Docs", "Docs"}, {"Docs:5:6", "Docs:7:8"}, {{5, 6}, {5, 6}}},
        {"blank after the desktop caption", {"Docs "}, {"Docs:5:6"}, {{5, 6}}},
        {"blank after the stored caption", {"Docs"}, {" Docs \t:5:6"}, {{5, 6}}},
        {"letter case counts", {"docs"}, {"Docs:5:6"}, {unmoved}},
        {"caption with a colon", {"Локальный диск (C:)"}, {"Локальный диск (C:):5:6"}, {{5, 6}}},
        {"stale line ignored, others placed", {"Docs", "Mail"}, {"Gone:1:1", "Mail:5:6"}, {unmoved, {5, 6}}},
        {"unreadable line skipped", {"Docs", "Mail"}, {"Docs:abc:1", "Mail:5:6", "Docs:7:8"}, {{7, 8}, {5, 6}}},
        {"caption cut at a star", {"A*B"}, {"A", "B:5:6"}, {unmoved}},
        {"empty saved list", {"Docs"}, {}, {unmoved}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        desktop.items.clear();
        desktop.offsetX = 3;
        desktop.offsetY = 1;
        for (const std::string& caption : c.desktopCaptions) AddIcon(caption, unmoved.first, unmoved.second);

        engine.GetSetIcon("set", c.saved);

        for (std::size_t i = 0; i < c.corners.size(); ++i) EXPECT_EQ(Corner(i), c.corners[i]) << "icon " << i;
    }
}

TEST_F(IconEngineTest, ANegativePositionIsSentAsItsLow16Bits) {
    AddIcon("Docs", 0, 0);
    AddIcon("Neg", 40, 40);

    engine.GetSetIcon("set", {"Neg:-10:-20"});

    EXPECT_EQ(desktop.moves.back(), (FakeDesktopList::Move{1, 65526, 65516}));
    EXPECT_EQ(Corner(1), std::make_pair(-10, -20));
}

TEST_F(IconEngineTest, TheRecordLayoutFollowsTheShellsBitness) {
    for (const bool win64 : {false, true}) {
        SCOPED_TRACE(win64 ? "64-bit" : "32-bit");
        system.win64 = win64;
        desktop.shell64 = win64;
        desktop.items.clear();
        desktop.releases.clear();
        AddIcon(std::string(1022, 'x'), 12, 34);

        engine.GetSetIcon("get");

        EXPECT_EQ(engine.ListCurIcon, Lines{std::string(1022, 'x') + ":12:34"});
        // Both blocks are reserved on every pass and freed, the 32-bit one first, before the handle closes.
        EXPECT_EQ(Lines(desktop.releases.end() - 3, desktop.releases.end()), (Lines{"free 1080", "free 1112", "close"}));
    }
}

TEST_F(IconEngineTest, AnUnreachableListIsReportedOncePerCommand) {
    struct Case {
        bool found;
        std::uint32_t owner;
        const char* box;
    };
    for (const Case& c : {Case{false, 4242, "Desktop' не найден :("}, Case{true, 0, "Не могу восстановить процесс ID."}}) {
        for (const char* mode : {"get", "set"}) {
            SCOPED_TRACE(std::string(c.box) + " " + mode);
            dialogs.errors.clear();
            desktop.listFound = c.found;
            desktop.ownerProcessId = c.owner;
            engine.ListCurIcon = {"old:1:1"};
            AddIcon("Docs", 1, 1);

            engine.GetSetIcon(mode, {"Docs:5:5"});

            EXPECT_EQ(dialogs.errors, (std::vector<std::pair<std::string, std::string>>{{c.box, "Error"}}));
            EXPECT_TRUE(engine.ListCurIcon.empty());
            EXPECT_TRUE(desktop.moves.empty());
            EXPECT_EQ(desktop.passes, 0);
        }
    }
}

TEST_F(IconEngineTest, AnEmptyDesktopGivesAnEmptyLayout) {
    engine.GetSetIcon("get");
    EXPECT_TRUE(engine.ListCurIcon.empty());
    engine.GetSetIcon("set", {"Docs:1:1"});
    EXPECT_TRUE(desktop.AllReleased());
}

// Five calibration passes run before the main one; each writes and reads its block once.
TEST_F(IconEngineTest, ARefusedStepRaisesTheSystemErrorAndReleasesEverything) {
    struct Case {
        const char* name;
        Step step;
        int successes;
        bool anythingMoved;
    };
    const Case cases[] = {
        {"opening the process", Step::Open, 0, false},
        {"reserving the first block", Step::Reserve, 0, false},
        {"reserving the second block", Step::Reserve, 1, false},
        {"writing in calibration", Step::Write, 2, true},
        {"reading in the main pass", Step::Read, 6, true},
        {"opening the main pass", Step::Open, 5, true},
    };
    for (const Case& c : cases) {
        for (const char* mode : {"get", "set"}) {
            SCOPED_TRACE(std::string(c.name) + " " + mode);
            FakeDesktopList failing;
            failing.items = {{"Docs", 10, 10}, {"Mail", 20, 20}};
            failing.FailAt(c.step, c.successes);
            IconEngine subject{failing, dialogs, system, codec, collation};

            try {
                subject.GetSetIcon(mode, {"Mail:50:50"});
                ADD_FAILURE() << "no error raised";
            } catch (const OsError& error) {
                EXPECT_EQ(error.Code(), FakeDesktopList::kRefusalCode);
                EXPECT_STREQ(error.what(), FakeDesktopList::kRefusalText);
            }
            EXPECT_TRUE(failing.AllReleased());
            EXPECT_EQ(!failing.moves.empty(), c.anythingMoved);
            EXPECT_TRUE(subject.ListCurIcon.empty());
            EXPECT_EQ(failing.violations, Lines{});
        }
    }
}

TEST_F(IconEngineTest, ARefusedReleaseStillFreesTheOtherBlockAndClosesTheHandle) {
    AddIcon("Docs", 1, 1);
    desktop.FailAt(Step::Free);

    EXPECT_THROW(engine.GetSetIcon("get"), OsError);

    EXPECT_EQ(desktop.releases, (Lines{"free 1112", "close"}));
    EXPECT_EQ(desktop.OpenHandles(), 0u);
    EXPECT_EQ(desktop.ReservedBlocks(), 1u);
    desktop.violations.clear();  // the refused block is the system's to keep
}

}  // namespace
}  // namespace orvella
