#pragma once
#include <windows.h>

#include <string>

namespace orvella::ui::win32 {

// The window classes of our own windows. All of them hand their messages to the native control
// whose address is passed as the creation parameter.

// A form's class carries the form's name, so its windows can be found by class.
void RegisterFormClass(const std::wstring& name);
// The class of panels; registered on first use.
const wchar_t* PanelClass();

}  // namespace orvella::ui::win32
