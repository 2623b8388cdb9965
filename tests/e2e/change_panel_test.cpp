// The change panel of a change-mode run: its place and size, and a run with the panel unseen.
#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

using ChangePanel = OrvellaScenario;

TEST_F(ChangePanel, Is160By78AtTheStoredPosition) {
    WriteIni({{"left2", "300"}, {"top2", "200"}, {"pause", "120"}, {"AutoSaveIcon", "0"}});
    StartShell();
    StartOrvella({"-change"});
    const auto panel = WaitWindow("TForm2");
    ASSERT_TRUE(panel);
    EXPECT_EQ(panel->rect.left, 300);
    EXPECT_EQ(panel->rect.top, 200);
    EXPECT_EQ(panel->rect.Width(), 160);
    EXPECT_EQ(panel->rect.Height(), 78);
    // Seen on the desktop, not only listed: its middle is not the desktop's colour.
    const std::string shot = Screenshot("panel");
    EXPECT_NE(PixelOf(shot, 380, 239), PixelOf(shot, 700, 600));
}

TEST_F(ChangePanel, UnseenPanelRunEndsByItself) {
    WriteIni({{"offvisible", "0"}, {"AutoSaveIcon", "0"}});
    ChildProcess& program = StartOrvella({"-change"});
    EXPECT_TRUE(program.WaitExit(kWindowTimeout)) << "a change-mode run with the panel unseen stayed";
}

}  // namespace
}  // namespace orvella::e2e
