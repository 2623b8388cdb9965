#include "settings/profile_file.h"

#include <stdexcept>

#include "platform/ansi_codec.h"
#include "platform/errors.h"
#include "platform/file_system.h"
#include "settings/profile_integer.h"
#include "settings/profile_text.h"
#include "settings/settings_errors.h"

namespace orvella {
namespace {

bool IsUtf8(std::string_view text) { return text.starts_with(kUtf8Bom); }

// The first `count` characters of UTF-8 text (continuation bytes belong to their character).
std::string_view FirstCharacters(std::string_view utf8, std::size_t count) {
    std::size_t i = 0;
    for (; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) continue;
        if (count == 0) break;
        --count;
    }
    return utf8.substr(0, i);
}

}  // namespace

ProfileFile::ProfileFile(FileSystem& files, const AnsiCodec& codec, std::string path)
    : files_(files), codec_(codec), path_(std::move(path)) {}

std::optional<std::string> ProfileFile::ReadString(std::string_view section, std::string_view key) const {
    const std::string text = files_.ReadFile(path_).value_or(std::string());
    const bool utf8 = IsUtf8(text);
    const auto value = utf8 ? FindProfileValue(text, section, key)
                            : FindProfileValue(text, codec_.ToAnsi(section), codec_.ToAnsi(key));
    if (!value) return std::nullopt;
    return std::string(FirstCharacters(utf8 ? std::string(*value) : codec_.FromAnsi(*value), kMaxStringLength));
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    auto value = ReadString(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

int ProfileFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = ReadString(section, key);
    if (!value) return defaultValue;
    return ParseProfileInteger(*value).value_or(defaultValue);
}

bool ProfileFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    if (value.find_first_of("\r\n") != std::string_view::npos) {
        throw std::invalid_argument("A profile value cannot hold a line break");
    }
    const auto text = files_.ReadFile(path_);
    // A file that exists but cannot be read would be replaced by this one key: refuse instead.
    if (!text && files_.FileExists(path_)) throw ProfileWriteError(path_);
    const std::string current = text.value_or(std::string());
    const std::string updated =
        IsUtf8(current) ? SetProfileValue(current, section, key, value)
                        : SetProfileValue(current, codec_.ToAnsi(section), codec_.ToAnsi(key), codec_.ToAnsi(value));
    try {
        files_.WriteFile(path_, updated);
    } catch (const FileWriteError&) {
        throw ProfileWriteError(path_);
    }
}

void ProfileFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void ProfileFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

}  // namespace orvella
