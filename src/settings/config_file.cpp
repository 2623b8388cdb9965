#include "settings/config_file.h"

namespace orvella {

std::string ConfigFilePath(std::string_view executablePath) {
    const std::size_t nameStart = executablePath.find_last_of("\\/:");
    const std::size_t dot = executablePath.rfind('.');
    const bool hasExtension = dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    return std::string(hasExtension ? executablePath.substr(0, dot) : executablePath) + ".ini";
}

ConfigFile::ConfigFile(FileSystem& files, const AnsiCodec& codec, std::string path)
    : profile_(files, codec, std::move(path)) {}

int ConfigFile::Read(const IntegerKey& key) const {
    return profile_.ReadInteger(config::kSection, key.name, key.defaultValue);
}

bool ConfigFile::Read(const BooleanKey& key) const {
    return profile_.ReadBool(config::kSection, key.name, key.defaultValue);
}

std::string ConfigFile::Read(const StringKey& key) const {
    return profile_.ReadString(config::kSection, key.name, key.defaultValue);
}

void ConfigFile::Write(const IntegerKey& key, int value) { profile_.WriteInteger(config::kSection, key.name, value); }

void ConfigFile::Write(const BooleanKey& key, bool value) { profile_.WriteBool(config::kSection, key.name, value); }

void ConfigFile::Write(const StringKey& key, std::string_view value) {
    profile_.WriteString(config::kSection, key.name, value);
}

}  // namespace orvella
