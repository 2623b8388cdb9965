#include "settings/settings_window_config.h"

#include "settings/config_file.h"

namespace orvella {

SettingsWindowConfig ReadSettingsWindowConfig(const ConfigFile& config) {
    SettingsWindowConfig values;
    RunSettings& run = values.run;
    values.left = config.Read(config::kLeft);
    values.top = config.Read(config::kTop);
    values.pause = config.Read(config::kPause);
    values.colorbutton = config.Read(config::kColorButton);
    run.offchangestart = config.Read(config::kOffChangeStart);
    run.offvisible = config.Read(config::kOffVisible);
    run.onlist = config.Read(config::kOnList);
    run.autoscan = config.Read(config::kAutoScan);
    run.countautosave = config.Read(config::kCountAutoSave);
    run.AutoSaveIcon = config.Read(config::kAutoSaveIcon);
    values.page = config.Read(config::kPage);
    run.showtime = config.Read(config::kShowTime);
    run.unic = config.Read(config::kUnic);
    run.sizelimit = config.Read(config::kSizeLimit);
    run.onsizelimit = config.Read(config::kOnSizeLimit);
    return values;
}

void WriteSettingsWindowConfig(ConfigFile& config, const SettingsWindowConfig& values, bool autorun) {
    const RunSettings& run = values.run;
    config.Write(config::kLeft, values.left);
    config.Write(config::kTop, values.top);
    config.Write(config::kChkConf, "");
    config.Write(config::kColorButton, values.colorbutton);
    config.Write(config::kPause, values.pause);
    config.Write(config::kOffChangeStart, run.offchangestart);
    config.Write(config::kOffVisible, run.offvisible);
    config.Write(config::kOnList, run.onlist);
    config.Write(config::kAutoScan, run.autoscan);
    config.Write(config::kAutoRun, autorun);
    config.Write(config::kCountAutoSave, run.countautosave);
    config.Write(config::kAutoSaveIcon, run.AutoSaveIcon);
    config.Write(config::kPage, values.page);
    config.Write(config::kShowTime, run.showtime);
    config.Write(config::kUnic, run.unic);
    config.Write(config::kSizeLimit, run.sizelimit);
    config.Write(config::kOnSizeLimit, run.onsizelimit);
}

}  // namespace orvella
