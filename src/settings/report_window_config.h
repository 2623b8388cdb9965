#pragma once

namespace orvella {

class ConfigFile;

// The report window's position and size in pixels ("left3", "top3", "height3", "width3").
struct ReportWindowGeometry {
    int left = 0;
    int top = 0;
    int height = 0;
    int width = 0;

    bool operator==(const ReportWindowGeometry&) const = default;
};

ReportWindowGeometry ReadReportWindowGeometry(const ConfigFile& config);

// A refused write throws ProfileWriteError.
void WriteReportWindowGeometry(ConfigFile& config, const ReportWindowGeometry& geometry);

}  // namespace orvella
