#pragma once
#include <string_view>

namespace orvella {

struct IntegerKey {
    std::string_view name;
    int defaultValue;
};

struct BooleanKey {
    std::string_view name;
    bool defaultValue;
};

struct StringKey {
    std::string_view name;
    std::string_view defaultValue;
};

// Every key of the configuration file, all in one section. Names are written exactly like this
// and matched without regard to case.
namespace config {

inline constexpr std::string_view kSection = "conf";

// Window positions and sizes, in pixels.
inline constexpr IntegerKey kLeft{"left", 1};  // settings window
inline constexpr IntegerKey kTop{"top", 1};
inline constexpr IntegerKey kLeft2{"left2", 1};  // change panel
inline constexpr IntegerKey kTop2{"top2", 1};
inline constexpr IntegerKey kLeft3{"left3", 100};  // report window
inline constexpr IntegerKey kTop3{"top3", 100};
inline constexpr IntegerKey kHeight3{"height3", 400};
inline constexpr IntegerKey kWidth3{"width3", 200};

// The change panel's colour, 0x00BBGGRR or a system colour (top bit set); F5F2F2 by default.
inline constexpr IntegerKey kColorButton{"colorbutton", 16118514};
inline constexpr IntegerKey kPause{"pause", 10};  // seconds the panel stays on screen
inline constexpr BooleanKey kOffChangeStart{"offchangestart", true};
inline constexpr BooleanKey kOffVisible{"offvisible", true};
inline constexpr BooleanKey kOnList{"onlist", true};
inline constexpr BooleanKey kAutoScan{"autoscan", true};
inline constexpr IntegerKey kCountAutoSave{"countautosave", 5};
inline constexpr BooleanKey kAutoSaveIcon{"AutoSaveIcon", true};
inline constexpr BooleanKey kShowTime{"showtime", true};
inline constexpr BooleanKey kUnic{"unic", true};
inline constexpr IntegerKey kSizeLimit{"sizelimit", 50};  // kilobytes
inline constexpr BooleanKey kOnSizeLimit{"onsizelimit", false};
inline constexpr IntegerKey kPage{"page", 0};  // the settings window's open page

// Written with every settings save and never read back: the autostart box follows the
// registry, and "chkconf" is always empty.
inline constexpr BooleanKey kAutoRun{"autorun", false};
inline constexpr StringKey kChkConf{"chkconf", ""};

// One include-subfolders flag per line of the folder list file; '1' means include.
inline constexpr StringKey kChkDir{"chkdir", "00000000000000000"};

}  // namespace config
}  // namespace orvella
