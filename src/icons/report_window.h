#pragma once
#include <string>
#include <vector>

#include "core/platform_services.h"
#include "ui/form.h"
#include "ui/popup_menu.h"
#include "ui/text_controls.h"

namespace orvella {

// The report window "Отчет:" that shows the result of a layout comparison. It keeps its own
// position and size in the configuration file.
class TForm3 : public ui::Form {
public:
    TForm3(ui::Application& application, PlatformServices& platform);

    void FormCreate() override { LoadAppConf(); }
    void FormShow() override;
    void FormHide() override { SaveAppConf(); }
    void FormClose() override { SaveAppConf(); }
    void FormDestroy() override { SaveAppConf(); }

    void LoadAppConf();
    void SaveAppConf();

    // The report's lines in the list, and the window shown (brought to the front when it is up).
    void ShowReport(const std::vector<std::string>& lines);
    // "Сохранить в текстовый фаил".
    void N1Click();

    ui::ListBox ListReport;
    ui::PopupMenu PopupMenu1;

private:
    PlatformServices& platform_;
};

}  // namespace orvella
