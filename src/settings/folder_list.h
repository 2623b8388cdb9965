#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace orvella {

class AnsiCodec;
class ConfigFile;
class FileSystem;

// The picture folder list "ListDir.txt" in the program's folder, one path per line, and the
// folders' include-subfolders flags, one character per line in the key "chkdir".
inline constexpr std::string_view kFolderListFileName = "ListDir.txt";

struct FolderEntry {
    std::string path;
    bool includeSubfolders = false;

    bool operator==(const FolderEntry&) const = default;
};

// Sorts by path without regard to case (text_order.h); equal paths keep their order.
void SortFolders(std::vector<FolderEntry>& folders);

// The saved folders, sorted, each with the flag saved beside its line: '1' includes subfolders,
// any other character or none does not. Empty when the list file is missing or holds no line,
// and "chkdir" is read only when it holds one.
std::vector<FolderEntry> ReadFolders(const FileSystem& files, const AnsiCodec& codec, const std::string& listPath,
                                     const ConfigFile& config);

// Writes the list file in the given order, then "chkdir" with one character per folder. A list
// file that cannot be created throws FileCreateError and leaves "chkdir" as it was; a refused
// "chkdir" throws ProfileWriteError.
void SaveFolders(FileSystem& files, const AnsiCodec& codec, const std::string& listPath, ConfigFile& config,
                 const std::vector<FolderEntry>& folders);

}  // namespace orvella
