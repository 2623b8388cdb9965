#include "e2e/e2e_paths.h"

#include <cstdlib>
#include <filesystem>

namespace orvella::e2e {
namespace fs = std::filesystem;

std::string SourceDir() {
    if (const char* given = std::getenv("ORVELLA_SOURCE_DIR")) return given;
#ifdef ORVELLA_SOURCE_DIR
    return ORVELLA_SOURCE_DIR;
#else
    std::error_code error;
    for (fs::path dir = fs::read_symlink("/proc/self/exe", error).parent_path(); !dir.empty() && dir != dir.root_path();
         dir = dir.parent_path())
        if (fs::exists(dir / "tools/wine/orvwine.sh")) return dir.string();
    return fs::current_path().string();
#endif
}

std::string OutputDir() {
    if (const char* given = std::getenv("ORVELLA_OUTPUT_DIR")) return given;
    return SourceDir() + "/build/win32/Orvella";
}

std::string ShotsDir() { return SourceDir() + "/build/e2e-shots"; }

std::string WindowsPath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

}  // namespace orvella::e2e
