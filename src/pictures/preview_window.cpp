#include "pictures/preview_window.h"

#include "pictures/change_panel.h"
#include "platform/file_system.h"
#include "platform/picture_decoder.h"

namespace orvella {

TForm4::TForm4(ui::Application& application, PlatformServices& platform, TForm2& changePanel)
    : Form("TForm4", application),
      Image1("Image1", this),
      bCancel("bCancel", this),
      bDel("bDel", this),
      Timer1(*this, "Timer1"),
      platform_(platform),
      changePanel_(changePanel) {
    SetText("Просмотр");
    SetBorderStyle(ui::BorderStyle::None);
    SetTopMost(true);
    SetBounds({0, 0, 183, 118});
    OnMouseDown = [this] { Image1MouseDown(); };

    Image1.SetBounds({0, 0, 183, 118});
    Image1.OnMouseDown = [this] { Image1MouseDown(); };

    for (ui::SpeedButton* button : {&bCancel, &bDel}) {
        button->SetColor(ui::kWhite);
        button->SetTransparent(false);
        button->SetHoverLook(ui::HoverLook::Bold);
    }
    bCancel.SetBounds({-2, 0, 59, 18});
    bCancel.SetText("Отменить");
    bCancel.SetFontColor(ui::kBlue);
    bCancel.OnClick = [this] { bCancelClick(); };
    bDel.SetBounds({56, 0, 55, 18});
    bDel.SetText("Удалить");
    bDel.SetFontColor(ui::kRed);
    bDel.OnClick = [this] { bDelClick(); };

    Timer1.SetInterval(500);
    Timer1.OnTimer = [this] { Timer1Timer(); };
}

// The current picture is the last one of the stored shown list, read anew at every showing.
void TForm4::FormShow() {
    // Each showing starts its blinking afresh.
    bDel.SetTransparent(false);
    bCancel.SetTransparent(false);
    const ui::Rect& bounds = Bounds();
    Image1.SetBounds({0, 0, bounds.width, bounds.height});
    changePanel_.pictures.LoadList("shown");
    const auto& shown = changePanel_.pictures.ListShown;
    bool loaded = false;
    if (!shown.empty()) {
        changePanel_.DelBmp = shown.back();
        if (auto picture = platform_.pictureDecoder.Decode(shown.back(), bounds.width, bounds.height)) {
            Image1.SetPicture(std::move(picture));
            loaded = true;
        }
    }
    if (loaded) {
        Timer1.SetEnabled(true);
    } else {
        bDel.SetVisible(false);
    }
    SetPosition(changePanel_.Bounds().left, changePanel_.Bounds().top);
}

// Deleted at once; a file that refuses still counts as gone, so the panel moves on.
void TForm4::bDelClick() {
    if (changePanel_.DelBmp.empty()) return;
    platform_.files.RemoveFile(changePanel_.DelBmp);
    changePanel_.BmpDeleted = true;
    Close();
}

// The two buttons flash in turn.
void TForm4::Timer1Timer() {
    bDel.SetTransparent(!bDel.Transparent());
    bCancel.SetTransparent(!bDel.Transparent());
}

void TForm4::FormClose() { Timer1.SetEnabled(false); }

void TForm4::FormDestroy() { Timer1.SetEnabled(false); }

}  // namespace orvella
