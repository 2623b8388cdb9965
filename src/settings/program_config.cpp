#include "settings/program_config.h"

#include "platform/system_info.h"

namespace orvella {

ConfigFile ProgramConfig(const PlatformServices& platform) {
    return ConfigFile(platform.files, platform.codec, ConfigFilePath(platform.system.ExecutablePath()));
}

}  // namespace orvella
