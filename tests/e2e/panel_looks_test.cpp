// How the change panel and the preview window look: each case leaves its screenshots in
// build/e2e-shots (tools/screenshots.sh gathers them) and checks what a glance would.
#include "e2e/change_panel_scenario.h"

namespace orvella::e2e {
namespace {

using PanelLooks = ChangePanelScenario;

// "СМЕНИТЬ" and the label under it, without the bar.
const Rect kChangeArea{kPanelLeft + 1, kPanelTop + 1, kPanelLeft + 159, kPanelTop + 50};

TEST_F(PanelLooks, ChangeButtonTurnsRedUnderThePointer) {
    const TopWindow panel = StartPanel({{"pause", "120"}, {"offchangestart", "0"}});
    ASSERT_TRUE(Hover(panel, {1, 74}));  // on the body, off every button
    const double before = RedShare(Screenshot("normal"), kChangeArea);
    ASSERT_TRUE(Hover(panel, kChange));
    EXPECT_TRUE(PollFor(5s, [&] { return RedShare(Screenshot("hovered"), kChangeArea) > before + 0.01; }))
        << "no red text under the pointer";
}

TEST_F(PanelLooks, PreviewWithoutAPictureOffersOnlyCancel) {
    const TopWindow panel = StartPanel({{"pause", "120"}, {"offchangestart", "0"}});
    ASSERT_TRUE(Click(panel, kDelete));
    const auto preview = WaitWindow("TForm4");
    ASSERT_TRUE(preview);
    // "Удалить" is the only red text of the window.
    const Rect deleteButton{preview->rect.left + 56, preview->rect.top, preview->rect.left + 111, preview->rect.top + 18};
    EXPECT_EQ(RedShare(Screenshot("preview-cancel-only"), deleteButton), 0.0);
    ASSERT_TRUE(Click(*preview, kPreviewCancel));
    EXPECT_TRUE(WaitWindowHidden(*preview));
}

TEST_F(PanelLooks, PlacementModeShowsTheInstructionOverTheSettingsWindow) {
    WriteIni({{"left2", std::to_string(kPanelLeft)}, {"top2", std::to_string(kPanelTop)}});
    StartShell();
    StartOrvella();
    const auto settings = WaitWindow("TForm1");
    ASSERT_TRUE(settings);
    ASSERT_TRUE(ClickControl(settings->hwnd, "sSpeedButton1"));
    const auto panel = WaitWindow("TForm2");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->rect.left, kPanelLeft);
    const std::string shot = Screenshot("placement");
    // The body's colour is gone: the instruction lies on the window's own background.
    EXPECT_TRUE(WaitWindow("TForm1")) << "the settings window did not stay";
    EXPECT_NE(PixelOf(shot, kPanelLeft + 80, kPanelTop + 39), PixelOf(shot, 700, 600));
}

}  // namespace
}  // namespace orvella::e2e
