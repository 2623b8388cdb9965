#pragma once

namespace orvella {

class AnsiCodec;
class Dialogs;
class FileSystem;
class InstanceMarker;
class SqliteLoader;
class SystemInfo;

// Everything the program asks of the operating system, passed from the entry point to the forms.
struct PlatformServices {
    FileSystem& files;
    const AnsiCodec& codec;
    Dialogs& dialogs;
    InstanceMarker& instanceMarker;
    SystemInfo& system;
    SqliteLoader& sqlite;
};

}  // namespace orvella
