#include "pictures/preview_window.h"

namespace orvella {

TForm4::TForm4(ui::Application& application) : Form("TForm4", application) {
    SetText("Просмотр");
    SetBorderStyle(ui::BorderStyle::None);
    SetTopMost(true);
    SetBounds({0, 0, 160, 108});
}

}  // namespace orvella
