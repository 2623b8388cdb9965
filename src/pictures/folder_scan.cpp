#include "pictures/folder_scan.h"

#include <array>

#include "pictures/picture_types.h"
#include "pictures/throttled_pump.h"
#include "platform/folder_enumerator.h"

namespace orvella {
namespace {

class TreeWalk {
public:
    TreeWalk(bool includeSubfolders, const SizeLimit& sizeLimit, const FolderEnumerator& folders, ThrottledPump& pump)
        : includeSubfolders_(includeSubfolders), sizeLimit_(sizeLimit), folders_(folders), pump_(pump) {}

    // `path_` holds the folder, ending with a backslash, while its entries are visited.
    void Walk() {
        folders_.List(path_, [this](const DirEntry& entry) {
            pump_.Tick();
            if (entry.hidden || entry.system) return;
            if (entry.isFolder) {
                if (!includeSubfolders_) return;
                const std::size_t length = path_.size();
                path_.append(entry.name).push_back('\\');
                Walk();
                path_.resize(length);
                return;
            }
            const auto type = PictureTypeOf(entry.name);
            if (type && PassesSizeLimit(entry.size, sizeLimit_.on, sizeLimit_.kilobytes)) {
                found_[*type].push_back(path_ + entry.name);
            }
        });
    }

    void Start(const std::string& folder) {
        path_ = folder;
        if (!path_.ends_with('\\')) path_.push_back('\\');
        Walk();
    }

    void AppendTo(std::vector<std::string>& list) {
        for (auto& paths : found_) {
            list.insert(list.end(), std::make_move_iterator(paths.begin()), std::make_move_iterator(paths.end()));
        }
    }

private:
    bool includeSubfolders_;
    SizeLimit sizeLimit_;
    const FolderEnumerator& folders_;
    ThrottledPump& pump_;
    std::string path_;
    std::array<std::vector<std::string>, kPictureExtensions.size()> found_;
};

}  // namespace

void ScanDir(const std::string& folder, bool includeSubfolders, const SizeLimit& sizeLimit,
             const FolderEnumerator& folders, ThrottledPump& pump, std::vector<std::string>& list) {
    TreeWalk walk(includeSubfolders, sizeLimit, folders, pump);
    walk.Start(folder);
    walk.AppendTo(list);
}

}  // namespace orvella
