#include "e2e/picture_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "e2e/child_process.h"
#include "platform/cp1251_codec.h"

namespace orvella::e2e {

using namespace std::chrono_literals;

std::string UnixPathOf(const std::string& prefix, const std::string& windowsPath) {
    std::string rest = windowsPath.substr(windowsPath.find(':') + 1);
    std::replace(rest.begin(), rest.end(), '\\', '/');
    return prefix + "/drive_c" + rest;
}

std::vector<std::string> MakePictures(const std::string& prefix, const std::vector<PictureFile>& pictures) {
    std::filesystem::create_directories(UnixPathOf(prefix, kPictureFolder));
    std::vector<std::string> paths;
    for (const PictureFile& picture : pictures) {
        const std::string path = std::string(kPictureFolder) + "\\" + picture.name;
        const std::string file = UnixPathOf(prefix, path);
        const RunResult made =
            RunAndCapture({"convert", "-size", picture.size, "xc:" + picture.colour, picture.format + ":" + file}, {}, 30s);
        EXPECT_EQ(made.exitCode, 0) << file;
        paths.push_back(path);
    }
    return paths;
}

std::string FolderListBytes() { return Cp1251Codec().ToAnsi(std::string(kPictureFolder) + "\r\n"); }

}  // namespace orvella::e2e
