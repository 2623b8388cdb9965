#pragma once
#include <string>
#include <string_view>

#include "settings/config_keys.h"
#include "settings/profile_file.h"

namespace orvella {

// The program's configuration file: the executable's path with the extension ".ini".
std::string ConfigFilePath(std::string_view executablePath);

// Typed access to the keys of config_keys.h. Each read and each write is one whole access of
// the file; a refused write throws ProfileWriteError ("Unable to write to <path>").
class ConfigFile {
public:
    ConfigFile(FileSystem& files, const AnsiCodec& codec, std::string path);

    const std::string& Path() const { return profile_.Path(); }

    int Read(const IntegerKey& key) const;
    bool Read(const BooleanKey& key) const;
    std::string Read(const StringKey& key) const;

    void Write(const IntegerKey& key, int value);
    void Write(const BooleanKey& key, bool value);
    void Write(const StringKey& key, std::string_view value);

private:
    ProfileFile profile_;
};

}  // namespace orvella
