#pragma once
#include <string>

namespace orvella {

// The folder of a file's path, ending with its path separator ("" when the path has none).
std::string FolderOf(const std::string& path);

}  // namespace orvella
