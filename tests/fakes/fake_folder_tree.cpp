#include "fakes/fake_folder_tree.h"

#include <algorithm>

namespace orvella {

void FakeFolderTree::AddFile(const std::string& path, std::uint64_t size, bool hidden, bool system) {
    Add(path, {.name = "", .isFolder = false, .hidden = hidden, .system = system, .size = size});
}

void FakeFolderTree::AddFolder(const std::string& path, bool hidden, bool system) {
    Add(path, {.name = "", .isFolder = true, .hidden = hidden, .system = system, .size = 0});
}

void FakeFolderTree::Add(const std::string& path, DirEntry entry) {
    const std::size_t cut = path.find_last_of('\\');
    if (cut == std::string::npos) return;  // a drive such as "C:" lies in nothing
    entry.name = path.substr(cut + 1);
    std::vector<DirEntry>& entries = folders_[path.substr(0, cut + 1)];
    const auto same = std::find_if(entries.begin(), entries.end(), [&](const DirEntry& e) { return e.name == entry.name; });
    if (same != entries.end()) {
        *same = entry;
        return;
    }
    entries.push_back(entry);
    // The folder holding it must be listed in its own parent.
    const std::string folder = path.substr(0, cut);
    const std::size_t above = folder.find_last_of('\\');
    if (above == std::string::npos) return;
    const auto& siblings = folders_[folder.substr(0, above + 1)];
    const std::string name = folder.substr(above + 1);
    if (std::none_of(siblings.begin(), siblings.end(), [&](const DirEntry& e) { return e.name == name; })) {
        AddFolder(folder);
    }
}

void FakeFolderTree::List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const {
    listed.push_back(folder);
    if (onList) onList();
    const auto found = folders_.find(folder);
    if (found == folders_.end()) return;
    for (const DirEntry& entry : found->second) visit(entry);
}

}  // namespace orvella
