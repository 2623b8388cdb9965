#pragma once
#include "settings/run_settings.h"

namespace orvella {

class ConfigFile;

// The settings window's values in the configuration file. The folder flags ("chkdir") travel
// with the folder list (folder_list.h).
struct SettingsWindowConfig {
    int left = 0;
    int top = 0;
    int colorbutton = 0;  // the change panel's colour
    int pause = 0;        // seconds the change panel stays on screen
    int page = 0;         // index of the page open at creation
    RunSettings run;      // the options the change panel takes over

    bool operator==(const SettingsWindowConfig&) const = default;
};

// Values as they stand in the file; the window's spin edits clamp them.
SettingsWindowConfig ReadSettingsWindowConfig(const ConfigFile& config);

// Writes every value key by key, with "chkconf" empty and "autorun" (the autostart box's state,
// never read back). A refused write throws ProfileWriteError; keys written before it stay.
void WriteSettingsWindowConfig(ConfigFile& config, const SettingsWindowConfig& values, bool autorun);

}  // namespace orvella
