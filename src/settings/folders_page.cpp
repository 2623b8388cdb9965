// The settings window's picture folders page: the folder list with its include-subfolders
// flags, written only on request, and the options of the picture rotation.
#include <string>

#include "pictures/change_panel.h"
#include "platform/dialogs.h"
#include "platform/folder_dialog.h"
#include "platform/text_collation.h"
#include "settings/folder_list.h"
#include "settings/program_config.h"
#include "settings/settings_window.h"

namespace orvella {
namespace {

constexpr int kDeleteKey = 46;
constexpr const char* kFolderDialogTitle = "Выберите каталог";

}  // namespace

void TForm1::BuildFoldersPage() {
    sLabel1.SetBounds({8, 6, 120, 14});
    sLabel1.SetText("Вкл. подкаталоги");
    sLabel2.SetBounds({150, 2, 300, 20});
    sLabel2.SetText("Список каталогов с картинками");
    sLabel2.SetFontStyle(ui::kFontBold);
    sLabel2.SetFontHeight(16);

    ListDir.SetBounds({8, 24, 566, 110});
    ListDir.SetHint("Двойной клик - редактировать");
    ListDir.OnClick = [this] { ListDirClick(); };
    ListDir.OnClickCheck = [this] { ListDirClickCheck(); };
    ListDir.OnDblClick = [this] { ListDirDblClick(); };
    ListDir.OnKeyDown = [this](int key) { ListDirKeyDown(key); };

    AddDir.SetBounds({8, 140, 100, 25});
    AddDir.SetText("Добавить");
    AddDir.SetHint("Добавить каталог");
    AddDir.OnClick = [this] { AddDirClick(); };
    DelDir.SetBounds({114, 140, 100, 25});
    DelDir.SetText("Удалить");
    DelDir.SetHint("Удалить выбранный каталог");
    DelDir.SetVisible(false);
    DelDir.OnClick = [this] { DelDirClick(); };
    SaveDirList.SetBounds({374, 140, 200, 25});
    SaveDirList.SetText("Сохранить список каталогов");
    SaveDirList.SetHint("Автоматического сохранения списка нет!");
    SaveDirList.SetVisible(false);
    SaveDirList.OnClick = [this] { SaveDirListClick(); };

    chkOffChangeStart.SetBounds({8, 174, 300, 20});
    chkOffChangeStart.SetText("Сменить картинку рабочего стола при старте");
    chkOffChangeStart.SetHint("Сменить картинку рабочего стола при старте программы");
    chkOnList.SetBounds({8, 198, 300, 20});
    chkOnList.SetText("Создавать список показанных картинок");
    chkOnList.SetHint("Исключает повтор чаще чем будет показаны все картинки из списка");
    chkOnList.OnClick = [this] { chkOnListClick(); };

    sGroupBox2.SetBounds({8, 224, 240, 56});
    sGroupBox2.SetText("Ограничение размера картинок");
    sGroupBox2.SetHint("После изменения необходимо создать список заново (только при ручном сканировании!)");
    chkSizeLimit.SetBounds({10, 24, 90, 20});
    chkSizeLimit.SetText("Не меньше");
    spSize.OnChange = [this] { spSizeChange(); };
    spSize.SetBounds({104, 22, 80, 22});
    spSize.SetRange(1, 99999);
    spSize.SetValue(1024);
    sLabel10.SetBounds({190, 26, 30, 16});
    sLabel10.SetText("Kb");

    PTypeCreateList.SetBounds({316, 170, 258, 110});
    PTypeCreateList.SetText("Метод сканирования каталогов");
    rbAutoScan.SetBounds({10, 24, 240, 20});
    rbAutoScan.SetText("Сканировать каталоги при запуске");
    rbAutoScan.SetHint("При каждом запуске программы происходит сканирование каталогов");
    rbAutoScan.SetChecked(true);
    rbAutoScan.OnClick = [this] { rbAutoScanClick(); };
    rbManualScan.SetBounds({10, 52, 240, 20});
    rbManualScan.SetText("Ручное сканирование");
    rbManualScan.SetHint("Сканирование каталогов только после нажатия кнопки \"Создать список\"");
    rbManualScan.OnClick = [this] { rbAutoScanClick(); };
    bCreateListScan.SetBounds({10, 78, 120, 25});
    bCreateListScan.SetText("Создать список");
    bCreateListScan.SetHint("Создать список картинок");
    bCreateListScan.OnClick = [this] { bCreateListScanClick(); };
    lAllCount.SetBounds({140, 83, 110, 16});
    lAllCount.SetHint("Всего");
}

int TForm1::SortedPlace(const std::string& path) const {
    const auto& items = ListDir.Items();
    int place = 0;
    while (place < ListDir.Count() && platform_.collation.Compare(items[static_cast<std::size_t>(place)].text, path) <= 0) {
        ++place;
    }
    return place;
}

// Loaded entries go to their places as the list control sorts them.
void TForm1::FillFolders() {
    const ConfigFile config = ProgramConfig(platform_);
    ListDir.SetItems({});
    for (const FolderEntry& folder :
         ReadFolders(platform_.files, platform_.codec, ProgramDir + std::string(kFolderListFileName), config)) {
        ListDir.InsertItem(SortedPlace(folder.path), {folder.path, folder.includeSubfolders});
    }
}

void TForm1::SaveDirConf() {
    std::vector<FolderEntry> folders;
    for (const auto& item : ListDir.Items()) folders.push_back({item.text, item.checked});
    ConfigFile config = ProgramConfig(platform_);
    SaveFolders(platform_.files, platform_.codec, ProgramDir + std::string(kFolderListFileName), config, folders);
}

std::optional<std::string> TForm1::SelectDir(const std::string& startFolder) {
    auto chosen = platform_.folderDialog.ChooseFolder(kFolderDialogTitle, startFolder.empty() ? lastFolder_ : startFolder);
    if (chosen) lastFolder_ = *chosen;
    return chosen;
}

void TForm1::AddDirClick() {
    const auto folder = SelectDir();
    if (!folder) return;
    ListDir.InsertItem(SortedPlace(*folder), {*folder, false});
    SaveDirList.SetVisible(true);
}

void TForm1::DelDirClick() {
    const int selected = ListDir.ItemIndex();
    if (selected < 0) return;
    if (!platform_.dialogs.ShowDlg("Удалить выбранный каталог?")) return;
    ListDir.DeleteItem(selected);
    // An emptied list is never saved from here.
    SaveDirList.SetVisible(ListDir.Count() > 0);
    DelDir.SetVisible(false);
}

void TForm1::ListDirClick() { DelDir.SetVisible(ListDir.ItemIndex() >= 0); }

void TForm1::ListDirClickCheck() { SaveDirList.SetVisible(true); }

// An edited entry keeps its place and its flag, even where it no longer sorts.
void TForm1::ListDirDblClick() {
    const int selected = ListDir.ItemIndex();
    if (ListDir.Count() == 0 || selected < 0) return;
    const auto folder = SelectDir(ListDir.Items()[static_cast<std::size_t>(selected)].text);
    if (!folder) return;
    ListDir.SetItemText(selected, *folder);
    SaveDirList.SetVisible(true);
}

void TForm1::ListDirKeyDown(int virtualKey) {
    if (virtualKey == kDeleteKey && DelDir.Visible()) DelDirClick();
}

void TForm1::SaveDirListClick() {
    SaveDirList.SetVisible(false);
    SaveDirConf();
}

void TForm1::ApplyListOption() { PTypeCreateList.SetVisible(chkOnList.Checked()); }

void TForm1::ApplyScanMethod() { bCreateListScan.SetVisible(!rbAutoScan.Checked()); }

void TForm1::chkOnListClick() { ApplyListOption(); }

void TForm1::rbAutoScanClick() { ApplyScanMethod(); }

// From the saved folders only: changes of the list not saved yet take no part.
void TForm1::bCreateListScanClick() {
    SaveAppConf();
    if (changePanel_ == nullptr) return;
    changePanel_->LoadAppConf();
    changePanel_->pictures.RebuildLists([this](std::size_t count) { lAllCount.SetText(std::to_string(count)); });
}

void TForm1::spSizeChange() {
    const std::string hint = "Не отображать картинки менее " + std::to_string(spSize.Value()) + "kb";
    spSize.SetHint(hint);
    chkSizeLimit.SetHint(hint);
}

}  // namespace orvella
