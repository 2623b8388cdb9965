#include "pictures/change_panel.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fakes/change_panel_fixture.h"

namespace orvella {
namespace {

using testing::ElementsAre;
using testing::HasSubstr;
using testing::IsEmpty;
using Mode = ChangePanelRun::Mode;
using PanelAction = std::function<void(TForm2&)>;

class ChangePanelTest : public testing::Test, protected ChangePanelRun {};

// --- Countdown ---

TEST(ChangePanelCountdownTest, TheBarStartsFullLosesOneStepPerTickAndItsEndSavesThePlaceAndEndsTheRun) {
    const struct {
        const char* pause;
        int seconds;
        const char* saved;  // the place the end of the countdown leaves in the file
    } cases[] = {
        {"10", 10, "left2=70\r\ntop2=80\r\n"},
        {"3", 3, "left2=70\r\ntop2=80\r\n"},
        {"1", 1, "left2=70\r\ntop2=80\r\n"},
        // The restart's own tick already ends the run, before the panel could be moved.
        {"0", 0, "left2=1\r\ntop2=1\r\n"},
        {"-4", 0, "left2=1\r\ntop2=1\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("pause ") + c.pause);
        ChangePanelRun run;
        run.Start(Mode::Change, {{"pause", c.pause}});
        TForm2& panel = *run.panel;
        EXPECT_TRUE(panel.CountdownOn);
        EXPECT_EQ(panel.Time.Max(), c.seconds);
        EXPECT_EQ(panel.Time.Position(), c.seconds);
        EXPECT_EQ(panel.SecondsLeft, c.seconds);
        EXPECT_EQ(panel.Timer1.Enabled(), c.seconds > 0);
        EXPECT_EQ(panel.Timer1.Interval(), 1000u);

        panel.SetPosition(70, 80);
        for (int left = c.seconds - 1; left >= 0; --left) {
            EXPECT_FALSE(run.app.Terminated()) << left + 1 << " seconds left";
            run.Tick();
            EXPECT_EQ(panel.Time.Position(), left);
            EXPECT_EQ(panel.SecondsLeft, left);
        }
        EXPECT_TRUE(run.app.Terminated());
        EXPECT_FALSE(panel.Timer1.Enabled());
        EXPECT_THAT(run.Ini(), HasSubstr(c.saved));
        EXPECT_THAT(run.fakes.dialogs.exceptions, IsEmpty());
    }
}

TEST_F(ChangePanelTest, TheEndOfTheCountdownOnAHiddenPanelSavesThePlaceButLeavesTheRunAlone) {
    Start(Mode::Change, {{"pause", "2"}});
    panel->Hide();
    panel->SetPosition(33, 44);
    Tick(2);
    EXPECT_FALSE(app.Terminated());
    EXPECT_FALSE(panel->Timer1.Enabled());
    EXPECT_THAT(Ini(), HasSubstr("left2=33\r\ntop2=44\r\n"));
}

TEST_F(ChangePanelTest, ARefusedSaveAtTheEndOfTheCountdownStillEndsTheRunSilently) {
    Start(Mode::Change, {{"pause", "2"}});
    MakeIniReadOnly();
    Tick(2);
    EXPECT_TRUE(app.Terminated());
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

// With "pause" 0 a countdown that ran would end the run at once.
TEST_F(ChangePanelTest, WithoutACountdownStoppingOrDraggingLeavesTheBarAndTheRunAlone) {
    Start(Mode::Normal, {{"pause", "0"}});
    ASSERT_FALSE(panel->CountdownOn);
    const int max = panel->Time.Max();
    const int position = panel->Time.Position();

    panel->StopShowTime();
    panel->sPanel1.OnMouseDown();

    EXPECT_THAT(app.draggedForms, ElementsAre("TForm2"));
    EXPECT_EQ(panel->Time.Max(), max);
    EXPECT_EQ(panel->Time.Position(), position);
    EXPECT_FALSE(panel->Timer1.Enabled());
    EXPECT_FALSE(app.Terminated());
}

TEST(ChangePanelCountdownTest, EveryNewPictureRestartsTheCountdownFromFull) {
    const struct {
        const char* what;
        PanelAction act;
        const char* expectedPicture;  // of a, b (shown before) and c
    } cases[] = {
        {"СМЕНИТЬ", [](TForm2& p) { p.bChange.OnClick(); }, "c.jpg"},
        {"product name", [](TForm2& p) { p.sLabel1.OnClick(); }, "c.jpg"},
        {"'обои' рабочего стола", [](TForm2& p) { p.sLabel2.OnClick(); }, "c.jpg"},
        {"<", [](TForm2& p) { p.N1.OnClick(); }, "a.jpg"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChangePanelRun run;
        run.StoreList(PictureEngine::kShownFileName, {run.a, run.b});
        run.Start(Mode::Change, {{"pause", "10"}});
        run.Tick(3);
        ASSERT_EQ(run.panel->Time.Position(), 7);

        c.act(*run.panel);

        EXPECT_THAT(run.fakes.desktopPicture.set, ElementsAre(run.Picture(c.expectedPicture)));
        EXPECT_EQ(run.panel->Time.Position(), 10);
        EXPECT_EQ(run.panel->SecondsLeft, 10);
        EXPECT_TRUE(run.panel->Timer1.Enabled());
    }
}

TEST_F(ChangePanelTest, AChangeThatFindsNoNewPictureLetsTheCountdownRunOn) {
    // The only picture still to come is the one on the desktop.
    StoreList(PictureEngine::kShownFileName, {a, b});
    StoreList(PictureEngine::kNextFileName, {b});
    Start(Mode::Change, {{"pause", "10"}});
    Tick(3);
    panel->bChange.OnClick();
    EXPECT_THAT(fakes.desktopPicture.set, IsEmpty());
    EXPECT_EQ(panel->Time.Position(), 7);
    EXPECT_TRUE(panel->Timer1.Enabled());
}

TEST(ChangePanelCountdownTest, ADragFillsTheBarAndStopsTheCountdownUntilTheNextPicture) {
    const struct {
        const char* where;
        PanelAction press;
    } cases[] = {
        {"window", [](TForm2& p) { p.OnMouseDown(); }},
        {"body", [](TForm2& p) { p.sPanel1.OnMouseDown(); }},
        {"bar", [](TForm2& p) { p.Time.OnMouseDown(); }},
        {"placement label", [](TForm2& p) { p.Label1.OnMouseDown(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        ChangePanelRun run;
        run.Start(Mode::Change, {{"pause", "10"}});
        run.Tick(4);

        c.press(*run.panel);
        EXPECT_THAT(run.app.draggedForms, ElementsAre("TForm2"));
        EXPECT_EQ(run.panel->Time.Position(), 10);
        EXPECT_FALSE(run.panel->Timer1.Enabled());
        run.Tick(20);
        EXPECT_FALSE(run.app.Terminated());

        run.panel->bChange.OnClick();
        EXPECT_TRUE(run.panel->Timer1.Enabled());
        EXPECT_EQ(run.panel->Time.Position(), 10);
    }
}

TEST(ChangePanelCountdownTest, TheBarKeepsTheVisibilityShowtimeGaveIt) {
    for (const bool showtime : {true, false}) {
        SCOPED_TRACE(showtime ? "showtime 1" : "showtime 0");
        ChangePanelRun run;
        run.Start(Mode::Change, {{"pause", "10"}, {"showtime", showtime ? "1" : "0"}});
        EXPECT_EQ(run.panel->Time.Visible(), showtime);
        run.Tick(2);
        run.panel->bChange.OnClick();
        run.Tick(2);
        EXPECT_EQ(run.panel->Time.Visible(), showtime);
    }
}

// --- "<" and its preview ---

TEST(ChangePanelBackButtonTest, BackIsOfferedFromTheSecondShownPictureOn) {
    const struct {
        std::vector<std::string> shown;
        bool visible;
    } cases[] = {{{}, false}, {{"a.jpg"}, false}, {{"a.jpg", "b.jpg"}, true}, {{"a.jpg", "b.jpg", "c.jpg"}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.shown));
        ChangePanelRun run;
        std::vector<std::string> shown;
        for (const auto& name : c.shown) shown.push_back(run.Picture(name));
        run.StoreList(PictureEngine::kShownFileName, shown);
        run.Create(Mode::Normal);
        EXPECT_EQ(run.panel->N1.Visible(), c.visible);
    }
}

TEST_F(ChangePanelTest, BackAppearsWithTheSecondPictureAndGoesWithTheStepBack) {
    StoreList(PictureEngine::kShownFileName, {a});
    Start(Mode::Normal);
    ASSERT_FALSE(panel->N1.Visible());

    panel->bChange.OnClick();
    EXPECT_THAT(Stored(PictureEngine::kShownFileName), ElementsAre(a, b));
    EXPECT_TRUE(panel->N1.Visible());

    panel->N1.OnClick();
    EXPECT_THAT(fakes.desktopPicture.set, ElementsAre(b, a));
    EXPECT_FALSE(panel->N1.Visible());
}

TEST_F(ChangePanelTest, RestingOnBackPreviewsThePreviousPictureOverTheBodyAndLeavingHidesIt) {
    StoreList(PictureEngine::kShownFileName, {a, b, c});
    Start(Mode::Normal);
    ASSERT_FALSE(panel->Image1.Visible());

    panel->N1.OnMouseEnter();
    EXPECT_TRUE(panel->Image1.Visible());
    EXPECT_EQ(panel->PreviewPath, b);
    EXPECT_EQ(panel->Image1.Bounds(), (ui::Rect{0, 0, 160, 78}));
    const auto& picture = panel->Image1.Picture();
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->width, 160);
    EXPECT_EQ(picture->height, 78);
    EXPECT_EQ(picture->pixels.front(), kColorB);

    panel->N1.OnMouseLeave();
    EXPECT_FALSE(panel->Image1.Visible());
    EXPECT_EQ(panel->PreviewPath, "");
}

TEST_F(ChangePanelTest, APreviousPictureThatCannotBeLoadedIsNotTriedAgainUntilThePointerHasLeft) {
    const std::string broken = Picture("broken.jpg");
    StoreList(PictureEngine::kShownFileName, {broken, a});
    Start(Mode::Normal);
    const int decodesBefore = fakes.pictureDecoder.decodeCalls;

    panel->N1.OnMouseEnter();
    EXPECT_FALSE(panel->Image1.Visible());
    EXPECT_EQ(panel->PreviewPath, broken);
    panel->N1.OnMouseEnter();
    EXPECT_EQ(fakes.pictureDecoder.decodeCalls, decodesBefore + 1);

    panel->N1.OnMouseLeave();
    panel->N1.OnMouseEnter();
    EXPECT_EQ(fakes.pictureDecoder.decodeCalls, decodesBefore + 2);
    EXPECT_FALSE(panel->Image1.Visible());
}

TEST(ChangePanelBackButtonTest, NoPreviewWithoutAPreviousPictureOrWhileBackIsHidden) {
    const struct {
        const char* what;
        int shownCount;
        bool hideBack;
    } cases[] = {{"one shown picture", 1, false}, {"back hidden", 2, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ChangePanelRun run;
        const std::vector<std::string> all = {run.a, run.b};
        run.StoreList(PictureEngine::kShownFileName, {all.begin(), all.begin() + c.shownCount});
        run.Start(Mode::Normal);
        if (c.hideBack) run.panel->N1.SetVisible(false);
        const int decodesBefore = run.fakes.pictureDecoder.decodeCalls;

        run.panel->N1.OnMouseEnter();
        EXPECT_FALSE(run.panel->Image1.Visible());
        EXPECT_EQ(run.panel->PreviewPath, "");
        EXPECT_EQ(run.fakes.pictureDecoder.decodeCalls, decodesBefore);
    }
}

TEST_F(ChangePanelTest, GoingBackHidesThePreview) {
    StoreList(PictureEngine::kShownFileName, {a, b, c});
    Start(Mode::Normal);
    panel->N1.OnMouseEnter();
    ASSERT_TRUE(panel->Image1.Visible());

    panel->N1.OnClick();
    EXPECT_FALSE(panel->Image1.Visible());
    EXPECT_THAT(fakes.desktopPicture.set, ElementsAre(b));
}

TEST_F(ChangePanelTest, ThePointerOnChangeLightsTheLabelsUpAndLeavingRestoresThem) {
    Start(Mode::Normal);
    EXPECT_EQ(panel->sLabel1.FontColor(), ui::kSilver);
    EXPECT_EQ(panel->sLabel2.FontColor(), ui::kWhite);

    panel->bChange.OnMouseEnter();
    EXPECT_EQ(panel->sLabel1.FontColor(), ui::kWhite);
    EXPECT_EQ(panel->sLabel2.FontColor(), ui::kRed);

    panel->bChange.OnMouseLeave();
    EXPECT_EQ(panel->sLabel1.FontColor(), ui::kSilver);
    EXPECT_EQ(panel->sLabel2.FontColor(), ui::kWhite);
}

// --- Delete flow ---

TEST_F(ChangePanelTest, DeletingWithBackOfferedReturnsToThePreviousPicture) {
    StoreList(PictureEngine::kShownFileName, {a, b});
    Start(Mode::Normal);
    DeleteFlow([](TForm4& window) { window.bDel.OnClick(); });

    EXPECT_FALSE(Exists(b));
    EXPECT_THAT(fakes.desktopPicture.set, ElementsAre(a));
    EXPECT_EQ(panel->pictures.CurBmp, a);
    EXPECT_THAT(Stored(PictureEngine::kShownFileName), ElementsAre(a));
    EXPECT_FALSE(panel->N1.Visible());
    EXPECT_FALSE(panel->BmpDeleted);
    EXPECT_FALSE(preview->Visible());
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

TEST_F(ChangePanelTest, DeletingTheOnlyShownPictureDrawsANewOne) {
    StoreList(PictureEngine::kShownFileName, {b});
    Start(Mode::Normal);
    ASSERT_FALSE(panel->N1.Visible());
    DeleteFlow([](TForm4& window) { window.bDel.OnClick(); });

    EXPECT_FALSE(Exists(b));
    ASSERT_EQ(fakes.desktopPicture.set.size(), 1u);
    const std::string drawn = fakes.desktopPicture.set.front();
    EXPECT_NE(drawn, b);
    EXPECT_TRUE(Exists(drawn));
    EXPECT_FALSE(panel->BmpDeleted);
}

TEST(ChangePanelDeleteTest, CancellingChangesNothingAndTheCountdownStartsAgainFromFull) {
    // A bar hidden by "showtime" hides the countdown, it does not stop it.
    for (const char* showtime : {"1", "0"}) {
        SCOPED_TRACE(std::string("showtime ") + showtime);
        ChangePanelRun run;
        run.StoreList(PictureEngine::kShownFileName, {run.a, run.b});
        run.Start(Mode::Change, {{"pause", "10"}, {"showtime", showtime}});
        run.Tick(4);

        run.DeleteFlow([&run](TForm4& window) {
            // The countdown waits, full, while the user decides.
            EXPECT_FALSE(run.panel->Timer1.Enabled());
            EXPECT_EQ(run.panel->Time.Position(), 10);
            window.bCancel.OnClick();
        });

        EXPECT_TRUE(run.Exists(run.b));
        EXPECT_THAT(run.fakes.desktopPicture.set, IsEmpty());
        EXPECT_THAT(run.Stored(PictureEngine::kShownFileName), ElementsAre(run.a, run.b));
        EXPECT_FALSE(run.panel->BmpDeleted);
        EXPECT_TRUE(run.panel->Timer1.Enabled());
        EXPECT_EQ(run.panel->Time.Position(), 10);
        EXPECT_FALSE(run.app.Terminated());
    }
}

TEST_F(ChangePanelTest, DeletingDuringACountdownStartsItAgainFromFull) {
    StoreList(PictureEngine::kShownFileName, {a, b});
    Start(Mode::Change, {{"pause", "10"}});
    Tick(6);
    DeleteFlow([](TForm4& window) { window.bDel.OnClick(); });

    EXPECT_FALSE(Exists(b));
    EXPECT_TRUE(panel->Timer1.Enabled());
    EXPECT_EQ(panel->SecondsLeft, 10);
    Tick(9);
    EXPECT_FALSE(app.Terminated());
    Tick();
    EXPECT_TRUE(app.Terminated());
}

TEST_F(ChangePanelTest, AFailedMoveAfterADeletionIsNotRepeatedByALaterCancel) {
    StoreList(PictureEngine::kShownFileName, {a, b});
    Start(Mode::Normal);
    const std::string shownFile = dir.File(std::string(PictureEngine::kShownFileName));
    std::filesystem::permissions(shownFile, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    DeleteFlow([](TForm4& window) { window.bDel.OnClick(); });
    ASSERT_EQ(fakes.dialogs.exceptions.size(), 1u);
    EXPECT_THAT(fakes.dialogs.exceptions.front(), HasSubstr(shownFile));
    EXPECT_FALSE(panel->BmpDeleted);

    std::filesystem::permissions(shownFile, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    const auto desktopBefore = fakes.desktopPicture.set;
    DeleteFlow([](TForm4& window) { window.bCancel.OnClick(); });
    EXPECT_EQ(fakes.desktopPicture.set, desktopBefore);
    EXPECT_THAT(Stored(PictureEngine::kShownFileName), ElementsAre(a, b));
}

// --- Close, help and the settings window's two buttons ---

TEST(ChangePanelCloseTest, InNormalModeClosingHidesThePanelAndBringsBackTheSettingsWindow) {
    const struct {
        const char* button;
        PanelAction press;
    } cases[] = {{"X", [](TForm2& p) { p.bExit.OnClick(); }},
                 {"Сохранить", [](TForm2& p) { p.sSpeedButton1.OnClick(); }}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        ChangePanelRun run;
        run.Start(Mode::Normal);
        ASSERT_FALSE(run.settingsWindow->Visible());
        run.panel->SetPosition(300, 200);

        c.press(*run.panel);
        EXPECT_FALSE(run.panel->Visible());
        EXPECT_TRUE(run.settingsWindow->Visible());
        EXPECT_FALSE(run.app.Terminated());
        EXPECT_THAT(run.Ini(), HasSubstr("left2=300\r\ntop2=200\r\n"));
    }
}

TEST_F(ChangePanelTest, InChangeModeClosingEndsTheRunAtOnceWithThePlaceSaved) {
    Start(Mode::Change, {{"pause", "10"}});
    panel->SetPosition(300, 200);
    app.Dispatch([this] { panel->bExit.OnClick(); });
    EXPECT_TRUE(app.Terminated());
    EXPECT_FALSE(panel->Visible());
    EXPECT_THAT(Ini(), HasSubstr("left2=300\r\ntop2=200\r\n"));
    EXPECT_THAT(fakes.dialogs.exceptions, IsEmpty());
}

TEST(ChangePanelCloseTest, ARefusedPlaceSaveReportsTheErrorAndKeepsThePanelOpen) {
    for (const Mode mode : {Mode::Normal, Mode::Change}) {
        SCOPED_TRACE(mode == Mode::Normal ? "normal mode" : "change mode");
        ChangePanelRun run;
        run.Start(mode, {{"pause", "10"}});
        run.MakeIniReadOnly();

        run.app.Dispatch([&run] { run.panel->bExit.OnClick(); });
        EXPECT_THAT(run.fakes.dialogs.exceptions, ElementsAre("Unable to write to " + run.IniPath()));
        EXPECT_TRUE(run.panel->Visible());
        EXPECT_FALSE(run.app.Terminated());
        if (run.settingsWindow) {
            EXPECT_FALSE(run.settingsWindow->Visible());
        }
    }
}

TEST_F(ChangePanelTest, HelpKeepsThePanelsPlaceAndCountsAsHandled) {
    Start(Mode::Change, {{"pause", "10"}});
    panel->SetPosition(123, 45);
    EXPECT_TRUE(panel->FormHelp());
    EXPECT_THAT(Ini(), HasSubstr("left2=123\r\ntop2=45\r\n"));
    EXPECT_FALSE(app.Terminated());
}

TEST_F(ChangePanelTest, ShowTheMainFormShowsThePanelsBodyInsteadOfThePlacementFace) {
    Create(Mode::Normal);
    settingsWindow->Show();
    panel->ShowPlacement();

    settingsWindow->RunChange.OnClick();
    EXPECT_TRUE(panel->Visible());
    EXPECT_TRUE(panel->sPanel1.Visible());
    EXPECT_FALSE(panel->Label1.Visible());
    EXPECT_FALSE(panel->sSpeedButton1.Visible());
    EXPECT_FALSE(settingsWindow->Visible());
}

TEST_F(ChangePanelTest, PlacingThePanelShowsItsPlacementFaceModallyUntilSaved) {
    Create(Mode::Normal);
    settingsWindow->Show();
    bool wasModal = false;
    app.whileModal = [this, &wasModal](ui::Form& form) {
        ASSERT_EQ(&form, panel.get());
        wasModal = panel->Modal();
        EXPECT_TRUE(panel->Visible());
        EXPECT_TRUE(panel->Label1.Visible());
        EXPECT_TRUE(panel->sSpeedButton1.Visible());
        EXPECT_FALSE(panel->sPanel1.Visible());
        EXPECT_TRUE(settingsWindow->Visible());
        panel->SetPosition(500, 20);
        panel->sSpeedButton1.OnClick();
    };

    settingsWindow->sSpeedButton1.OnClick();
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(panel->Visible());
    EXPECT_TRUE(settingsWindow->Visible());
    EXPECT_THAT(Ini(), HasSubstr("left2=500\r\ntop2=20\r\n"));
}

}  // namespace
}  // namespace orvella
