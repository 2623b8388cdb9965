#pragma once

namespace orvella {

class AnsiCodec;
class Clock;
class DesktopList;
class DesktopPicture;
class Dialogs;
class FileSystem;
class FolderDialog;
class FolderEnumerator;
class InstanceMarker;
class PictureDecoder;
class RandomSource;
class Registry;
class SaveDialog;
class ShellLinks;
class SqliteLoader;
class SystemInfo;
class TextCollation;

// Everything the program asks of the operating system, passed from the entry point to the forms.
struct PlatformServices {
    FileSystem& files;
    const AnsiCodec& codec;
    Dialogs& dialogs;
    InstanceMarker& instanceMarker;
    SystemInfo& system;
    SqliteLoader& sqlite;
    DesktopList& desktopList;
    const TextCollation& collation;
    const Clock& clock;
    const FolderEnumerator& folders;
    DesktopPicture& desktopPicture;
    RandomSource& random;
    const PictureDecoder& pictureDecoder;
    Registry& registry;
    ShellLinks& shellLinks;
    FolderDialog& folderDialog;
    SaveDialog& saveDialog;
};

}  // namespace orvella
