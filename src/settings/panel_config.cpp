#include "settings/panel_config.h"

#include "settings/config_file.h"

namespace orvella {

PanelConfig ReadPanelConfig(const ConfigFile& config) {
    PanelConfig values;
    values.left = config.Read(config::kLeft2);
    values.top = config.Read(config::kTop2);
    values.colorbutton = config.Read(config::kColorButton);
    values.pause = config.Read(config::kPause);
    values.run = ReadRunSettings(config);
    return values;
}

void WritePanelPosition(ConfigFile& config, int left, int top) {
    config.Write(config::kLeft2, left);
    config.Write(config::kTop2, top);
}

}  // namespace orvella
