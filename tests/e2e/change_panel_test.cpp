// The change panel of a change-mode run: its place and size, its countdown, its buttons (drawn by
// the panel itself, so reached by their places in it), the delete flow through the preview window,
// and a run with the panel unseen.
#include <algorithm>
#include <filesystem>

#include "e2e/change_panel_scenario.h"

namespace orvella::e2e {
namespace {

using ChangePanel = ChangePanelScenario;

TEST_F(ChangePanel, Is160By78AtTheStoredPosition) {
    const TopWindow panel = StartPanel({{"pause", "120"}});
    EXPECT_EQ(panel.rect.left, kPanelLeft);
    EXPECT_EQ(panel.rect.top, kPanelTop);
    EXPECT_EQ(panel.rect.Width(), 160);
    EXPECT_EQ(panel.rect.Height(), 78);
    // Seen on the desktop, not only listed: its middle is not the desktop's colour.
    const std::string shot = Screenshot("panel");
    EXPECT_NE(PixelOf(shot, 380, 239), PixelOf(shot, 700, 600));
}

TEST_F(ChangePanel, CountdownEndsTheRunAndKeepsThePlace) {
    WriteIni({{"pause", "3"}, {"AutoSaveIcon", "0"}});
    StartShell();
    ChildProcess& program = StartOrvella({"-change"});
    ASSERT_TRUE(WaitWindow("TForm2"));
    EXPECT_FALSE(program.WaitExit(500ms)) << "the run ended before its countdown";
    ASSERT_TRUE(program.WaitExit(kWindowTimeout)) << "the countdown did not end the run";
    const auto conf = ReadIni()["conf"];
    EXPECT_EQ(conf.count("left2"), 1u);
    EXPECT_EQ(conf.count("top2"), 1u);
}

TEST_F(ChangePanel, CloseButtonEndsTheRunAtOnceAndKeepsThePlace) {
    const TopWindow panel = StartPanel({{"pause", "120"}});
    ASSERT_TRUE(Click(panel, kExit));
    ASSERT_TRUE(program_->WaitExit(kWindowTimeout)) << "\"X\" did not end the run";
    auto conf = ReadIni()["conf"];
    EXPECT_EQ(conf["left2"], std::to_string(kPanelLeft));
    EXPECT_EQ(conf["top2"], std::to_string(kPanelTop));
}

TEST_F(ChangePanel, ChangeButtonSetsAPictureAndRestartsTheCountdown) {
    const auto pictures = MakePictureFolder();
    const TopWindow panel = StartPanel({{"pause", "10"}, {"offchangestart", "0"}});
    // Half the time gone: a restart fills the bar's middle again for five seconds.
    ASSERT_TRUE(PollFor(kWindowTimeout, [&] { return BarMiddleColour() != kRed; })) << "the countdown did not run";
    const std::string before = Wallpaper();

    ASSERT_TRUE(Click(panel, kChange));
    EXPECT_TRUE(WaitWallpaper([&](const std::string& now) {
        return now != before && std::find(pictures.begin(), pictures.end(), now) != pictures.end();
    }));
    EXPECT_TRUE(PollFor(4s, [&] { return BarMiddleColour() == kRed; })) << "the bar did not fill again";
    Screenshot("after-change");
}

class DeleteFlow : public ChangePanelScenario {
protected:
    // The panel up with a picture set; the preview window opened by the delete button.
    TopWindow OpenPreview() {
        pictures_ = MakePictureFolder();
        const TopWindow panel = StartPanel({{"pause", "120"}});
        EXPECT_TRUE(WaitWallpaper([&](const std::string& now) { return !now.empty(); }));
        current_ = Wallpaper();
        EXPECT_TRUE(Click(panel, kDelete));
        const auto preview = WaitWindow("TForm4");
        EXPECT_TRUE(preview) << "no preview window";
        return preview.value_or(TopWindow{});
    }

    bool CurrentFileExists() const { return std::filesystem::exists(UnixPathOf(Prefix(), current_)); }

    std::vector<std::string> pictures_;
    std::string current_;
};

TEST_F(DeleteFlow, DeleteRemovesTheCurrentPictureAndMovesOn) {
    const TopWindow preview = OpenPreview();
    EXPECT_EQ(preview.rect.left, kPanelLeft);
    EXPECT_EQ(preview.rect.top, kPanelTop);
    EXPECT_EQ(preview.rect.Width(), 160);
    EXPECT_EQ(preview.rect.Height(), 108);
    Screenshot("preview");

    ASSERT_TRUE(Click(preview, kPreviewDelete));
    EXPECT_TRUE(WaitWindowHidden(preview));
    EXPECT_FALSE(CurrentFileExists()) << current_;
    EXPECT_TRUE(WaitWallpaper([&](const std::string& now) { return !now.empty() && now != current_; }));
}

TEST_F(DeleteFlow, CancelDeletesNothing) {
    const TopWindow preview = OpenPreview();
    ASSERT_TRUE(Click(preview, kPreviewCancel));
    EXPECT_TRUE(WaitWindowHidden(preview));
    EXPECT_TRUE(CurrentFileExists()) << current_;
    EXPECT_EQ(Wallpaper(), current_);
    EXPECT_FALSE(program_->WaitExit(0ms)) << "the run ended";
}

TEST_F(ChangePanel, UnseenPanelRunEndsByItself) {
    WriteIni({{"offvisible", "0"}, {"AutoSaveIcon", "0"}});
    ChildProcess& program = StartOrvella({"-change"});
    EXPECT_TRUE(program.WaitExit(kWindowTimeout)) << "a change-mode run with the panel unseen stayed";
}

}  // namespace
}  // namespace orvella::e2e
