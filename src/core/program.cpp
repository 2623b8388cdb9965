#include "core/program.h"

#include <memory>

#include "core/run_mode.h"
#include "icons/report_window.h"
#include "pictures/change_panel.h"
#include "pictures/preview_window.h"
#include "platform/dialogs.h"
#include "platform/instance_marker.h"
#include "platform/system_info.h"
#include "settings/settings_window.h"
#include "ui/application.h"

namespace orvella {
namespace {

constexpr const char* kInstanceMarkerName = "OrvellaMyOwnMutex";
constexpr const char* kAlreadyRunning = "Программа уже запущена! Запуск второй копии невозможен.";

}  // namespace

void RunProgram(const std::vector<std::string>& parameters, PlatformServices& platform, ui::Application& application) {
    if (!platform.instanceMarker.TryClaim(kInstanceMarkerName)) {
        platform.dialogs.ShowMessage(kAlreadyRunning);
        return;
    }
    application.SetTitle(ui::ApplicationTitleFromPath(platform.system.ExecutablePath()));
    const CommandLine commandLine(parameters);

    // The first form created is the main one: the settings window in normal mode, the change
    // panel in change mode, which has no settings or report window at all.
    std::unique_ptr<TForm1> settingsWindow;
    std::unique_ptr<TForm3> reportWindow;
    if (!commandLine.ChangeMode()) {
        settingsWindow = std::make_unique<TForm1>(application, platform);
        reportWindow = std::make_unique<TForm3>(application, platform);
    }
    TForm2 changePanel(application, platform, commandLine, settingsWindow.get());
    TForm4 previewWindow(application, platform, changePanel);
    changePanel.SetPreviewWindow(previewWindow);
    if (settingsWindow) {
        settingsWindow->SetChangePanel(changePanel);
        settingsWindow->SetReportWindow(*reportWindow);
    }

    if (settingsWindow) application.CreateForm(*settingsWindow);
    application.CreateForm(changePanel);
    if (reportWindow) application.CreateForm(*reportWindow);
    application.CreateForm(previewWindow);
    application.Run();
}

}  // namespace orvella
