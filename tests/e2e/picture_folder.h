#pragma once
#include <string>
#include <vector>

namespace orvella::e2e {

// A picture file made with ImageMagick: one colour all over, so a look at the screen tells which
// one is shown.
struct PictureFile {
    std::string name;    // in the picture folder
    std::string colour;  // "#rrggbb"
    std::string format;  // ImageMagick's output format: JPEG, BMP3, GIF...
    std::string size = "64x48";
};

inline constexpr char kPictureFolder[] = "C:\\Картинки";

// Makes the pictures in the picture folder of the prefix; returns their Windows paths in order.
std::vector<std::string> MakePictures(const std::string& prefix, const std::vector<PictureFile>& pictures);
// "ListDir.txt" naming the picture folder (Windows-1251, CR LF).
std::string FolderListBytes();
// The Unix path of a path on the prefix's drive C:.
std::string UnixPathOf(const std::string& prefix, const std::string& windowsPath);

}  // namespace orvella::e2e
