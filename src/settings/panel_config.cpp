#include "settings/panel_config.h"

#include "settings/config_file.h"

namespace orvella {

PanelConfig ReadPanelConfig(const ConfigFile& config) {
    PanelConfig values;
    values.left = config.Read(config::kLeft2);
    values.top = config.Read(config::kTop2);
    values.colorbutton = config.Read(config::kColorButton);
    values.pause = config.Read(config::kPause);
    RunSettings& run = values.run;
    run.countautosave = config.Read(config::kCountAutoSave);
    run.offchangestart = config.Read(config::kOffChangeStart);
    run.offvisible = config.Read(config::kOffVisible);
    run.onlist = config.Read(config::kOnList);
    run.autoscan = config.Read(config::kAutoScan);
    run.AutoSaveIcon = config.Read(config::kAutoSaveIcon);
    run.showtime = config.Read(config::kShowTime);
    run.unic = config.Read(config::kUnic);
    run.sizelimit = config.Read(config::kSizeLimit);
    run.onsizelimit = config.Read(config::kOnSizeLimit);
    return values;
}

void WritePanelPosition(ConfigFile& config, int left, int top) {
    config.Write(config::kLeft2, left);
    config.Write(config::kTop2, top);
}

}  // namespace orvella
