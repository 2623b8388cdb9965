#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orvella {

// The picture extensions in the order the scan lists them.
inline constexpr std::array<std::string_view, 3> kPictureExtensions = {"jpg", "bmp", "gif"};

// The position in kPictureExtensions of the extension that equals the name's last three
// characters with A-Z lowered (a name without a dot counts too); nothing when none does.
std::optional<std::size_t> PictureTypeOf(std::string_view fileName);

// Whether "onsizelimit" lets a file of `bytes` through: only whole kilobytes above the limit count.
bool PassesSizeLimit(std::uint64_t bytes, bool onSizeLimit, int sizeLimitKb);

}  // namespace orvella
