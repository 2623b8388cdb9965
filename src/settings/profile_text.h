#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "settings/utf8_bom.h"

namespace orvella {

// One key's value in the bytes of a profile file, as the profile functions see it: lines end at
// CR, LF or CR LF; names and values are trimmed of blanks; section and key names match without
// regard to ASCII case; only the first section of a name and its first line of a key count; a
// UTF-8 byte-order mark before the first line is skipped.
std::optional<std::string_view> FindProfileValue(std::string_view text, std::string_view section,
                                                 std::string_view key);

// `text` with the key's value replaced, or with "key=value" added after the section's last line
// (the section is added at the end when missing). Every other byte stays as it was.
std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value);

}  // namespace orvella
