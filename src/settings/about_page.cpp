// The settings window's about page. The maker's web site, mail and forum are not part of this
// program: their buttons, links and the forum's address line are left out.
#include <string>

#include "settings/settings_window.h"

namespace orvella {
namespace {

constexpr int kTitleHeight = 18;
constexpr ui::Color kTitleColor = 0x8B4513;  // dark blue
constexpr ui::Color kShadowColor = 0xA0A0A0;

std::string Description() {
    const std::string lines[] = {
        "Программа предназначена для автоматической смены картинки рабочего стола, а также ",
        "автоматического сохранения позиций иконок на рабочем столе. Помимо автоматических действий в ",
        "программе предусмотрена возможность ручной смены картинки и ручного сохранения / ",
        "восстановления позиций иконок на рабочем столе.",
        std::string(96, '-'),
        "",
        "",
        "Программа тестировалась под Windows XP SP3 (х86), Windows 7 (х86, х64), Windows 8 (х64)",
        "",
        "Если при использовании на других версиях Windows возникли проблемы, то сообщите пожалуйста о них ",
        "разработчику. Сделать это можно на форуме программы:",
        "",
        "",
        "Так же предлагайте новые функции, которые улучшат работу с программой! ",
    };
    std::string text;
    for (const std::string& line : lines) {
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

}  // namespace

void TForm1::BuildAboutPage() {
    sLabel11.SetBounds({8, 12, 80, 16});
    sLabel11.SetText("программа:");
    // The title's shadow: the same text in grey, two pixels down and right, under it.
    for (ui::Label* title : {&sLabelFX1Shadow, &sLabelFX1}) {
        title->SetFontStyle(ui::kFontBold);
        title->SetFontHeight(kTitleHeight);
    }
    sLabelFX1Shadow.SetBounds({92, 8, 480, 30});
    sLabelFX1Shadow.SetFontColor(kShadowColor);
    sLabelFX1.SetBounds({90, 6, 480, 30});
    sLabelFX1.SetFontColor(kTitleColor);
    sLabel12.SetBounds({8, 44, 80, 16});
    sLabel12.SetText("версия:");
    version.SetBounds({90, 44, 80, 16});
    version.SetFontStyle(ui::kFontBold);
    mmo1.SetBounds({8, 68, 566, 212});
    mmo1.SetText(Description());
}

}  // namespace orvella
