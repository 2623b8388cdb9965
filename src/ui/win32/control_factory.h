#pragma once
#include "ui/win32/native_control.h"

namespace orvella::ui::win32 {

// The first control id of a form; ids count up from it in creation order, depth first.
inline constexpr int kFirstControlId = 100;

// Creates native windows for the model's children and theirs, depth first, in the order the
// models were made (which is also the keyboard order).
void CreateChildWindows(NativeControl& parent, BindingContext& context, int& nextId);

}  // namespace orvella::ui::win32
