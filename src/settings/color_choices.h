#pragma once
#include <vector>

#include "ui/color_box.h"

namespace orvella {

// The colours the change panel's colour box offers: the sixteen standard colours, four extended
// ones and the system's colours (which follow the system's scheme when drawn).
const std::vector<ui::ColorBox::Entry>& PanelColorChoices();

// The name of the entry that asks for any other colour.
inline constexpr const char* kCustomColorEntry = "Custom...";

}  // namespace orvella
