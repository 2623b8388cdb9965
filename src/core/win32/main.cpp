// The program entry on Windows: the platform services, the Win32 application object and one run.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>

#include <exception>
#include <string>
#include <vector>

#include "core/platform_services.h"
#include "core/program.h"
#include "platform/win32/utf16.h"
#include "platform/win32/win32_ansi_codec.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_desktop_list.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_folder_dialog.h"
#include "platform/win32/win32_folder_enumerator.h"
#include "platform/win32/win32_instance_marker.h"
#include "platform/win32/win32_picture_decoder.h"
#include "platform/win32/win32_random.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_save_dialog.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_sqlite_loader.h"
#include "platform/win32/win32_system_info.h"
#include "platform/win32/win32_text_collation.h"
#include "platform/win32/win32_wallpaper.h"
#include "ui/win32/win32_application.h"

namespace {

// The command line's words after the program's path, as the system splits them.
std::vector<std::string> CommandLineParameters() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> parameters;
    if (words == nullptr) return parameters;
    for (int i = 1; i < count; ++i) parameters.push_back(orvella::FromUtf16(words[i]));
    LocalFree(words);
    return parameters;
}

// COM for the thread's lifetime, for the Active Desktop object; without it the picture still
// goes through the fallback.
class ComScope {
public:
    ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    HRESULT result_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const INITCOMMONCONTROLSEX commonControls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&commonControls);
    const ComScope com;

    orvella::Win32SystemInfo system;
    const std::string title = orvella::ui::ApplicationTitleFromPath(system.ExecutablePath());
    orvella::Win32Dialogs dialogs(title);
    orvella::Win32FileSystem files;
    orvella::Win32AnsiCodec codec;
    orvella::Win32InstanceMarker instanceMarker;
    orvella::Win32SqliteLoader sqlite;
    orvella::Win32DesktopList desktopList;
    orvella::Win32TextCollation collation;
    orvella::Win32Clock clock;
    orvella::Win32FolderEnumerator folders;
    orvella::Win32Wallpaper desktopPicture;
    orvella::Win32Random random;
    orvella::Win32PictureDecoder pictureDecoder;
    orvella::Win32Registry registry;
    orvella::Win32ShellLinks shellLinks;
    orvella::Win32FolderDialog folderDialog;
    orvella::Win32SaveDialog saveDialog;
    orvella::PlatformServices services{files,       codec,     dialogs, instanceMarker, system,         sqlite,
                                       desktopList, collation, clock,   folders,        desktopPicture, random,
                                       pictureDecoder, registry,  shellLinks, folderDialog,
                                       saveDialog};

    try {
        // Inside the try: the windows are gone before the error box, whose loop would otherwise
        // send them messages after their forms have been destroyed.
        orvella::ui::Win32Application application(dialogs);
        orvella::RunProgram(CommandLineParameters(), services, application);
    } catch (const std::exception& error) {
        // Only a failure outside every event handler gets here (a window that could not be made).
        dialogs.ShowException(error.what());
        return 1;
    }
    return 0;
}
