#pragma once
#include "core/platform_services.h"
#include "settings/config_file.h"

namespace orvella {

// The configuration file beside the running executable.
ConfigFile ProgramConfig(const PlatformServices& platform);

}  // namespace orvella
