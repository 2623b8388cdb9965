#include "icons/report_window.h"

#include "icons/report_file.h"
#include "platform/save_dialog.h"
#include "settings/program_config.h"
#include "settings/report_window_config.h"

namespace orvella {

TForm3::TForm3(ui::Application& application, PlatformServices& platform)
    : Form("TForm3", application), ListReport("ListReport", this), PopupMenu1("PopupMenu1"), platform_(platform) {
    SetText("Отчет:");
    ListReport.SetFillsForm(true);
    ListReport.popupMenu = &PopupMenu1;
    PopupMenu1.Add({"N1", "Сохранить в текстовый фаил", true, [this] { N1Click(); }});
}

void TForm3::LoadAppConf() {
    const ReportWindowGeometry geometry = ReadReportWindowGeometry(ProgramConfig(platform_));
    SetBounds({geometry.left, geometry.top, geometry.width, geometry.height});
}

void TForm3::SaveAppConf() {
    ConfigFile config = ProgramConfig(platform_);
    WriteReportWindowGeometry(config, {Bounds().left, Bounds().top, Bounds().height, Bounds().width});
}

// The line after the report's first one is the empty line before its first section.
void TForm3::FormShow() {
    LoadAppConf();
    if (ListReport.Items().size() > 1) ListReport.SetItemIndex(1);
}

void TForm3::ShowReport(const std::vector<std::string>& lines) {
    ListReport.SetItems(lines);
    if (Visible()) BringToFront();
    else Show();
}

void TForm3::N1Click() {
    const auto chosen = platform_.saveDialog.ChooseSavePath("Текстовый файл", "*.txt");
    if (!chosen) return;
    WriteReport(platform_.files, platform_.codec, ReportSaveName(*chosen), ListReport.Items());
}

}  // namespace orvella
