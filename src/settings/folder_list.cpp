#include "settings/folder_list.h"

#include <algorithm>

#include "settings/config_file.h"
#include "settings/line_file.h"
#include "settings/text_order.h"

namespace orvella {
namespace {

// Flags count by character, not by byte, so the n-th character of "chkdir" stays with line n
// whatever the other characters are.
std::vector<FolderEntry> PairWithFlags(std::vector<std::string> lines, std::string_view flags) {
    std::vector<FolderEntry> folders;
    folders.reserve(lines.size());
    std::size_t pos = 0;
    for (std::string& line : lines) {
        const bool include = pos < flags.size() && flags[pos] == '1';
        if (pos < flags.size()) {
            ++pos;
            while (pos < flags.size() && (static_cast<unsigned char>(flags[pos]) & 0xC0) == 0x80) ++pos;
        }
        folders.push_back({std::move(line), include});
    }
    return folders;
}

}  // namespace

void SortFolders(std::vector<FolderEntry>& folders) {
    std::stable_sort(folders.begin(), folders.end(),
                     [](const FolderEntry& a, const FolderEntry& b) { return LessIgnoringCase(a.path, b.path); });
}

std::vector<FolderEntry> ReadFolders(const FileSystem& files, const AnsiCodec& codec, const std::string& listPath,
                                     const ConfigFile& config) {
    auto lines = ReadLineFile(files, codec, listPath);
    if (!lines || lines->empty()) return {};
    std::vector<FolderEntry> folders = PairWithFlags(std::move(*lines), config.Read(config::kChkDir));
    SortFolders(folders);
    return folders;
}

void SaveFolders(FileSystem& files, const AnsiCodec& codec, const std::string& listPath, ConfigFile& config,
                 const std::vector<FolderEntry>& folders) {
    std::vector<std::string> lines;
    std::string flags;
    lines.reserve(folders.size());
    for (const FolderEntry& folder : folders) {
        lines.push_back(folder.path);
        flags += folder.includeSubfolders ? '1' : '0';
    }
    WriteLineFile(files, codec, listPath, lines);
    config.Write(config::kChkDir, flags);
}

}  // namespace orvella
