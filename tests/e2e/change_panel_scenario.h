#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "e2e/picture_folder.h"
#include "e2e/wine_scenario.h"

namespace orvella::e2e {

struct Point {
    int x, y;
};

// Middles of the panel's and the preview's drawn buttons, in their windows' client coordinates.
inline constexpr Point kChange{80, 20};
inline constexpr Point kDelete{81, 68};
inline constexpr Point kExit{130, 68};
inline constexpr Point kPreviewCancel{27, 9};
inline constexpr Point kPreviewDelete{83, 9};
// The middle of the countdown bar: red while more than half of the time is left.
inline constexpr Point kBarMiddle{80, 55};

inline constexpr int kPanelLeft = 300;
inline constexpr int kPanelTop = 200;
inline constexpr const char* kRed = "255,0,0";

// A change-mode run with the panel at (300, 200) over the fake shell's desktop.
class ChangePanelScenario : public OrvellaScenario {
protected:
    // Starts the run with these keys (the panel's place and no automatic icon save unless given);
    // returns the panel once it shows.
    TopWindow StartPanel(std::map<std::string, std::string> conf);
    // Three pictures (JPEG, BMP, GIF) in the picture folder, listed for the scan.
    std::vector<std::string> MakePictureFolder();

    std::string Wallpaper();
    bool WaitWallpaper(const std::function<bool(const std::string&)>& wanted);
    std::string BarMiddleColour();
    bool Click(const TopWindow& window, Point point) { return MouseAt(window.hwnd, point.x, point.y); }
    bool Hover(const TopWindow& window, Point point) { return MouseAt(window.hwnd, point.x, point.y, Mouse::Hover); }

    ChildProcess* program_ = nullptr;
};

}  // namespace orvella::e2e
