#include "fakeshell/desktop_icons.h"

#include <commctrl.h>
#include <shellapi.h>

#include "common/utf8.h"

namespace fakeshell {
namespace {

// A few of the shell's stock images, by index: enough variety to look like a desktop.
constexpr int kShellIconIndexes[] = {15, 3, 1, 8, 17, 31};

HIMAGELIST LoadShellImages() {
    const int size = GetSystemMetrics(SM_CXICON);
    HIMAGELIST images = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 0, 8);
    for (int index : kShellIconIndexes) {
        HICON icon = nullptr;
        if (ExtractIconExW(L"shell32.dll", index, &icon, nullptr, 1) == 0 || !icon)
            icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
        ImageList_AddIcon(images, icon);
        DestroyIcon(icon);
    }
    return images;
}

}  // namespace

void AddIcons(HWND listView, const std::vector<IconSpec>& icons) {
    HIMAGELIST images = LoadShellImages();
    const int imageCount = ImageList_GetImageCount(images);
    ListView_SetImageList(listView, images, LVSIL_NORMAL);
    for (size_t i = 0; i < icons.size(); ++i) {
        std::wstring caption = icons[i].caption;
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(i);
        item.pszText = caption.data();
        item.iImage = imageCount > 0 ? static_cast<int>(i) % imageCount : 0;
        ListView_InsertItem(listView, &item);
    }
}

void PlaceIcons(HWND listView, const std::vector<IconSpec>& icons) {
    for (size_t i = 0; i < icons.size(); ++i)
        if (icons[i].placed) ListView_SetItemPosition32(listView, static_cast<int>(i), icons[i].x, icons[i].y);
    InvalidateRect(listView, nullptr, TRUE);
    UpdateWindow(listView);
}

std::string DescribeIcons(HWND listView, IconPoint point) {
    std::string lines;
    const int count = ListView_GetItemCount(listView);
    for (int i = 0; i < count; ++i) {
        wchar_t caption[1024] = {};
        ListView_GetItemText(listView, i, 0, caption, 1024);
        POINT corner{};
        if (point == IconPoint::Position) {
            ListView_GetItemPosition(listView, i, &corner);
        } else {
            RECT bounds{};
            ListView_GetItemRect(listView, i, &bounds, LVIR_BOUNDS);
            corner = {bounds.left, bounds.top};
        }
        lines += orvtools::Narrow(caption) + ":" + std::to_string(corner.x) + ":" + std::to_string(corner.y) + "\r\n";
    }
    return lines;
}

}  // namespace fakeshell
