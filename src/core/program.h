#pragma once
#include <string>
#include <vector>

#include "core/platform_services.h"

namespace orvella {

namespace ui {
class Application;
}

// One run of the program: the single-instance test, the windows of the run mode chosen by the
// number of command-line parameters, the message loop and the end. `parameters` are the words
// after the program's path.
void RunProgram(const std::vector<std::string>& parameters, PlatformServices& platform, ui::Application& application);

}  // namespace orvella
