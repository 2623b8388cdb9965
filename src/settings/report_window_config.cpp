#include "settings/report_window_config.h"

#include "settings/config_file.h"

namespace orvella {

ReportWindowGeometry ReadReportWindowGeometry(const ConfigFile& config) {
    return {config.Read(config::kLeft3), config.Read(config::kTop3), config.Read(config::kHeight3),
            config.Read(config::kWidth3)};
}

void WriteReportWindowGeometry(ConfigFile& config, const ReportWindowGeometry& geometry) {
    config.Write(config::kLeft3, geometry.left);
    config.Write(config::kTop3, geometry.top);
    config.Write(config::kHeight3, geometry.height);
    config.Write(config::kWidth3, geometry.width);
}

}  // namespace orvella
