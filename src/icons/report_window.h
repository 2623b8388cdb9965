#pragma once
#include "core/platform_services.h"
#include "ui/form.h"

namespace orvella {

// The report window "Отчет:" that shows the result of a layout comparison. It keeps its own
// position and size in the configuration file.
class TForm3 : public ui::Form {
public:
    TForm3(ui::Application& application, PlatformServices& platform);

    void FormCreate() override { LoadAppConf(); }
    void FormShow() override { LoadAppConf(); }
    void FormHide() override { SaveAppConf(); }
    void FormDestroy() override { SaveAppConf(); }

    void LoadAppConf();
    void SaveAppConf();

private:
    PlatformServices& platform_;
};

}  // namespace orvella
