#include "pictures/picture_types.h"

namespace orvella {
namespace {

char LowerLatin(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<std::size_t> PictureTypeOf(std::string_view fileName) {
    // Extensions are ASCII, so the last three bytes decide: a name ending in any other character
    // ends in a byte no extension holds.
    if (fileName.size() < 3) return std::nullopt;
    const std::string_view tail = fileName.substr(fileName.size() - 3);
    for (std::size_t type = 0; type < kPictureExtensions.size(); ++type) {
        const std::string_view extension = kPictureExtensions[type];
        if (LowerLatin(tail[0]) == extension[0] && LowerLatin(tail[1]) == extension[1] &&
            LowerLatin(tail[2]) == extension[2]) {
            return type;
        }
    }
    return std::nullopt;
}

bool PassesSizeLimit(std::uint64_t bytes, bool onSizeLimit, int sizeLimitKb) {
    if (!onSizeLimit) return true;
    return sizeLimitKb < 0 || bytes / 1024 > static_cast<std::uint64_t>(sizeLimitKb);
}

}  // namespace orvella
