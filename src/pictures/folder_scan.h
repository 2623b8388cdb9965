#pragma once
#include <string>
#include <vector>

namespace orvella {

class FolderEnumerator;
class ThrottledPump;

struct SizeLimit {
    bool on = false;  // "onsizelimit"
    int kilobytes = 0;  // "sizelimit"
};

// Appends the pictures of one listed folder to `list`: its JPEG files, then its BMP files, then its
// GIF files, each type with the subfolders' files (when included) where the subfolder was met,
// depth first. Hidden and system entries are neither listed nor entered. The tree is walked once.
void ScanDir(const std::string& folder, bool includeSubfolders, const SizeLimit& sizeLimit,
             const FolderEnumerator& folders, ThrottledPump& pump, std::vector<std::string>& list);

}  // namespace orvella
