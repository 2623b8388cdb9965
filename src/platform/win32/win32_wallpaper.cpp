#include "platform/win32/win32_wallpaper.h"

#include <windows.h>
// shlobj.h declares IActiveDesktop only after wininet.h.
#include <wininet.h>
#include <shlobj.h>

#include "platform/win32/utf16.h"

namespace orvella {
namespace {

constexpr CLSID kClsidActiveDesktop = {0x75048700, 0xEF1F, 0x11D0, {0x98, 0x88, 0x00, 0x60, 0x97, 0xDE, 0xAC, 0xF9}};
constexpr IID kIidActiveDesktop = {0xF490EB00, 0x1240, 0x11D1, {0x98, 0x88, 0x00, 0x60, 0x97, 0xDE, 0xAC, 0xF9}};
constexpr DWORD kApplyAll = AD_APPLY_SAVE | AD_APPLY_HTMLGEN | AD_APPLY_REFRESH | AD_APPLY_FORCE;

// False when the object cannot be created or refuses the picture.
bool SetThroughActiveDesktop(const std::wstring& path) {
    IUnknown* unknown = nullptr;
    if (FAILED(CoCreateInstance(kClsidActiveDesktop, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IUnknown,
                                reinterpret_cast<void**>(&unknown)))) {
        return false;
    }
    IActiveDesktop* desktop = nullptr;
    const HRESULT queried = unknown->QueryInterface(kIidActiveDesktop, reinterpret_cast<void**>(&desktop));
    unknown->Release();
    if (FAILED(queried)) return false;
    const bool applied = SUCCEEDED(desktop->SetWallpaper(path.c_str(), 0)) && SUCCEEDED(desktop->ApplyChanges(kApplyAll));
    desktop->Release();
    return applied;
}

}  // namespace

void Win32Wallpaper::Set(const std::string& path) noexcept {
    try {
        std::wstring wide = ToUtf16(path);
        if (SetThroughActiveDesktop(wide)) return;
        SystemParametersInfoW(SPI_SETDESKWALLPAPER, 0, wide.data(), SPIF_UPDATEINIFILE | SPIF_SENDCHANGE);
    } catch (...) {
        // Out of memory for the path: the desktop stays as it was.
    }
}

}  // namespace orvella
