#pragma once
#include "core/platform_services.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_collation.h"
#include "fakes/fake_desktop_list.h"
#include "fakes/fake_desktop_picture.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_folder_dialog.h"
#include "fakes/fake_picture_decoder.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_random.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_save_dialog.h"
#include "fakes/fake_shell_links.h"
#include "fakes/fake_sqlite_loader.h"
#include "platform/cp1251_codec.h"
#include "platform/native/native_file_system.h"
#include "platform/native/native_folder_enumerator.h"

namespace orvella {

// A whole platform for running forms headless: real files and SQLite in a test's folder,
// fakes for the desktop, the clock and the dialogs.
struct FakePlatformServices {
    NativeFileSystem files;
    Cp1251Codec codec;
    FakeDialogs dialogs;
    FakeInstanceMarker instanceMarker;
    FakeSystemInfo system;
    FakeSqliteLoader sqlite;
    FakeDesktopList desktopList;
    FakeCollation collation;
    FakeClock clock;
    NativeFolderEnumerator folders;
    FakeDesktopPicture desktopPicture;
    FakeRandom random;
    FakePictureDecoder pictureDecoder;
    FakeRegistry registry;
    FakeShellLinks shellLinks;
    FakeFolderDialog folderDialog;
    FakeSaveDialog saveDialog;

    PlatformServices Services() {
        return {files,       codec,     dialogs, instanceMarker, system,         sqlite,
                desktopList, collation, clock,   folders,        desktopPicture, random,
                pictureDecoder, registry, shellLinks, folderDialog,
                saveDialog};
    }
};

}  // namespace orvella
