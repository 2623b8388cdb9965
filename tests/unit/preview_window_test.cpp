#include "pictures/preview_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "fakes/change_panel_fixture.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::IsEmpty;
using Mode = ChangePanelRun::Mode;

class PreviewWindowTest : public testing::Test, protected ChangePanelRun {};

TEST_F(PreviewWindowTest, ShowsTheCurrentPictureOverThePanelReachingBelowIt) {
    StoreList(PictureEngine::kShownFileName, {a, b});
    Start(Mode::Normal, {{"left2", "300"}, {"top2", "200"}});
    bool shown = false;
    DeleteFlow([&](TForm4& window) {
        shown = true;
        EXPECT_TRUE(window.Modal());
        EXPECT_EQ(window.Text(), "Просмотр");
        EXPECT_EQ(window.Bounds(), (ui::Rect{300, 200, 160, 108}));
        EXPECT_EQ(window.Image1.Bounds(), (ui::Rect{0, 0, 160, 108}));
        const auto& picture = window.Image1.Picture();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width, 160);
        EXPECT_EQ(picture->height, 108);
        EXPECT_EQ(picture->pixels.front(), kColorB);
        EXPECT_EQ(panel->DelBmp, b);
        EXPECT_TRUE(window.bDel.Visible());
        EXPECT_TRUE(window.bCancel.Visible());
        EXPECT_TRUE(window.Timer1.Enabled());
        EXPECT_EQ(window.Timer1.Interval(), 500u);
        window.bCancel.OnClick();
    });
    EXPECT_TRUE(shown);
    EXPECT_FALSE(preview->Visible());
    EXPECT_FALSE(preview->Timer1.Enabled());
}

TEST_F(PreviewWindowTest, TheTwoButtonsBlinkInTurnUntilTheWindowCloses) {
    StoreList(PictureEngine::kShownFileName, {a, b});
    Start(Mode::Normal);
    DeleteFlow([](TForm4& window) {
        for (int tick = 1; tick <= 4; ++tick) {
            window.Timer1.Fire();
            EXPECT_EQ(window.bDel.Transparent(), tick % 2 == 1) << "tick " << tick;
            EXPECT_EQ(window.bCancel.Transparent(), !window.bDel.Transparent()) << "tick " << tick;
        }
        window.bCancel.OnClick();
    });
    EXPECT_FALSE(preview->Timer1.Enabled());
}

TEST(PreviewWindowOfferTest, OnlyCancelIsOfferedWhenThereIsNoPictureToShow) {
    const struct {
        const char* what;
        std::function<void(ChangePanelRun&)> prepare;
    } cases[] = {
        {"no shown list file", [](ChangePanelRun&) {}},
        {"empty shown list", [](ChangePanelRun& run) { run.StoreList(PictureEngine::kShownFileName, {}); }},
        {"current picture cannot be loaded",
         [](ChangePanelRun& run) {
             run.StoreList(PictureEngine::kShownFileName, {run.a, run.Picture("broken.jpg")});
         }},
        {"current picture gone from the disk",
         [](ChangePanelRun& run) {
             run.StoreList(PictureEngine::kShownFileName, {run.a, run.b});
             std::filesystem::remove(run.b);
             run.fakes.pictureDecoder.pictures.erase(run.b);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChangePanelRun run;
        c.prepare(run);
        run.Start(Mode::Normal);
        run.DeleteFlow([](TForm4& window) {
            EXPECT_FALSE(window.bDel.Visible());
            EXPECT_TRUE(window.bCancel.Visible());
            EXPECT_FALSE(window.Timer1.Enabled());
            window.Timer1.Fire();
            EXPECT_FALSE(window.bDel.Transparent());
            EXPECT_FALSE(window.bCancel.Transparent());
            window.bCancel.OnClick();
        });
        EXPECT_TRUE(run.Exists(run.a));
        EXPECT_THAT(run.fakes.desktopPicture.set, IsEmpty());
        EXPECT_FALSE(run.preview->Visible());
    }
}

TEST_F(PreviewWindowTest, EachShowingOffersDeleteAnewWhenItsPictureLoads) {
    const std::string late = Picture("late.jpg");
    StoreList(PictureEngine::kShownFileName, {a, late});
    Start(Mode::Normal);
    DeleteFlow([](TForm4& window) {
        EXPECT_FALSE(window.bDel.Visible());
        window.bCancel.OnClick();
    });

    fakes.pictureDecoder.Add(late);
    DeleteFlow([](TForm4& window) {
        EXPECT_TRUE(window.bDel.Visible());
        EXPECT_TRUE(window.Timer1.Enabled());
        window.bCancel.OnClick();
    });
}

TEST_F(PreviewWindowTest, DeleteWithoutAPictureToDeleteLeavesTheWindowOpen) {
    Start(Mode::Normal);
    DeleteFlow([this](TForm4& window) {
        ASSERT_EQ(panel->DelBmp, "");
        window.bDelClick();
        EXPECT_TRUE(window.Visible());
        EXPECT_FALSE(panel->BmpDeleted);
        window.bCancel.OnClick();
    });
    for (const auto& path : {a, b, c}) EXPECT_TRUE(Exists(path)) << path;
    EXPECT_THAT(fakes.desktopPicture.set, IsEmpty());
}

TEST(PreviewWindowDeleteTest, AFileThatCannotBeDeletedStillCountsAsDeleted) {
    const struct {
        const char* what;
        bool staysOnDisk;
    } cases[] = {{"locked", true}, {"already gone", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChangePanelRun run;
        // A folder with something in it stands in for a locked file: removing it fails.
        const std::string current = run.Picture("current.jpg");
        std::filesystem::create_directory(current);
        run.dir.Write("pics/current.jpg/inside", "");
        run.fakes.pictureDecoder.Add(current);
        run.StoreList(PictureEngine::kShownFileName, {run.a, current});
        run.Start(Mode::Normal);

        run.DeleteFlow([&](TForm4& window) {
            if (!c.staysOnDisk) std::filesystem::remove_all(current);
            window.bDel.OnClick();
        });
        EXPECT_EQ(run.Exists(current), c.staysOnDisk);
        EXPECT_THAT(run.fakes.desktopPicture.set, ElementsAre(run.a));
        EXPECT_THAT(run.Stored(PictureEngine::kShownFileName), ElementsAre(run.a));
        EXPECT_FALSE(run.panel->BmpDeleted);
        EXPECT_FALSE(run.preview->Visible());
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
    }
}

TEST(PreviewWindowDragTest, APressOnThePictureOrTheWindowMovesTheWindow) {
    const struct {
        const char* where;
        std::function<void(TForm4&)> press;
    } cases[] = {{"picture", [](TForm4& w) { w.Image1.OnMouseDown(); }},
                 {"window", [](TForm4& w) { w.OnMouseDown(); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        ChangePanelRun run;
        run.StoreList(PictureEngine::kShownFileName, {run.a, run.b});
        run.Start(Mode::Normal);
        run.DeleteFlow([&](TForm4& window) {
            c.press(window);
            EXPECT_TRUE(window.Visible());
            window.bCancel.OnClick();
        });
        EXPECT_THAT(run.app.draggedForms, ElementsAre("TForm4"));
        EXPECT_TRUE(run.Exists(run.b));
    }
}

}  // namespace
}  // namespace orvella
