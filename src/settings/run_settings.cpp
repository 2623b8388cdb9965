#include "settings/run_settings.h"

#include "settings/config_file.h"

namespace orvella {

RunSettings ReadRunSettings(const ConfigFile& config) {
    RunSettings run;
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
    return run;
}

}  // namespace orvella
