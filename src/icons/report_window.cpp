#include "icons/report_window.h"

#include "platform/system_info.h"
#include "settings/program_config.h"
#include "settings/report_window_config.h"

namespace orvella {

TForm3::TForm3(ui::Application& application, PlatformServices& platform)
    : Form("TForm3", application), platform_(platform) {
    SetText("Отчет:");
}

void TForm3::LoadAppConf() {
    const ReportWindowGeometry geometry = ReadReportWindowGeometry(ProgramConfig(platform_));
    SetBounds({geometry.left, geometry.top, geometry.width, geometry.height});
}

void TForm3::SaveAppConf() {
    ConfigFile config = ProgramConfig(platform_);
    WriteReportWindowGeometry(config, {Bounds().left, Bounds().top, Bounds().height, Bounds().width});
}

}  // namespace orvella
