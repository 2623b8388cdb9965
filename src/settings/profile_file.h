#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace orvella {

class AnsiCodec;
class FileSystem;

// A Windows profile (INI) file. Every call reads the whole file and every write writes it back
// at once; nothing is kept between calls. The file is ANSI text, or UTF-8 when it starts with a
// byte-order mark. A missing or unreadable file reads as empty.
class ProfileFile {
public:
    static constexpr std::size_t kMaxStringLength = 2047;

    ProfileFile(FileSystem& files, const AnsiCodec& codec, std::string path);

    const std::string& Path() const { return path_; }

    // The value, cut to its first kMaxStringLength characters; nothing when the key is missing.
    std::optional<std::string> ReadString(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view defaultValue) const;
    // `defaultValue` when the key is missing or its value is not an integer.
    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    // An integer: 0 is false, anything else true.
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

    // Throw ProfileWriteError when the file cannot be written; std::invalid_argument for a value
    // holding a line break, which would add lines of its own.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);

private:
    FileSystem& files_;
    const AnsiCodec& codec_;
    std::string path_;
};

}  // namespace orvella
