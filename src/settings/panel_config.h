#pragma once
#include "settings/run_settings.h"

namespace orvella {

class ConfigFile;

// What the change panel reads at its creation and each showing.
struct PanelConfig {
    int left = 0;         // "left2"
    int top = 0;          // "top2"
    int colorbutton = 0;  // body and countdown bar colour
    int pause = 0;        // display time in seconds
    RunSettings run;

    bool operator==(const PanelConfig&) const = default;
};

PanelConfig ReadPanelConfig(const ConfigFile& config);

// The panel's position ("left2", "top2"). A refused write throws ProfileWriteError.
void WritePanelPosition(ConfigFile& config, int left, int top);

}  // namespace orvella
