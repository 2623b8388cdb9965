#pragma once
#include "core/platform_services.h"
#include "ui/control.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace orvella {

class TForm2;

// The preview window "Просмотр": shows the current picture over the change panel and asks, by its
// two blinking buttons, whether to delete that picture's file.
class TForm4 : public ui::Form {
public:
    TForm4(ui::Application& application, PlatformServices& platform, TForm2& changePanel);

    void FormShow() override;
    void FormClose() override;
    void FormDestroy() override;

    void bDelClick();
    void bCancelClick() { Close(); }
    void Timer1Timer();
    void Image1MouseDown() { Drag(); }

    ui::Image Image1;
    ui::SpeedButton bCancel;
    ui::SpeedButton bDel;
    ui::Timer Timer1;

private:
    PlatformServices& platform_;
    TForm2& changePanel_;
};

}  // namespace orvella
