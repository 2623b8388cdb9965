#pragma once
#include "platform/folder_enumerator.h"

namespace orvella {

// Folder listing through the C++ library, for native builds and benchmarks. Backslashes in the
// folder are taken as separators, so the engine's Windows-style paths work; names starting with
// a dot count as hidden.
class NativeFolderEnumerator : public FolderEnumerator {
public:
    void List(const std::string& folder, const std::function<void(const DirEntry&)>& visit) const override;
};

}  // namespace orvella
