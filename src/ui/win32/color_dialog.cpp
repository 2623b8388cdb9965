#include "ui/win32/color_dialog.h"

#include <commdlg.h>

#include <array>

namespace orvella::ui::win32 {

std::optional<COLORREF> AskColor(HWND owner, COLORREF initial) {
    static std::array<COLORREF, 16> customColors = [] {
        std::array<COLORREF, 16> colors;
        colors.fill(RGB(255, 255, 255));
        return colors;
    }();
    CHOOSECOLORW choice{};
    choice.lStructSize = sizeof(choice);
    choice.hwndOwner = owner;
    choice.rgbResult = initial;
    choice.lpCustColors = customColors.data();
    choice.Flags = CC_FULLOPEN | CC_RGBINIT;
    if (!ChooseColorW(&choice)) return std::nullopt;
    return choice.rgbResult;
}

}  // namespace orvella::ui::win32
