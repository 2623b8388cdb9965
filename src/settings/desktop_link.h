#pragma once
#include <string>

namespace orvella {

class Registry;
class ShellLinks;

// A folder of the user's shell ("Desktop", ...) as the registry lists it; empty when not listed.
std::string GetShellFolder(const Registry& registry, const std::string& name);

// Where the desktop shortcut goes: the desktop folder (empty: the current folder) and its name.
std::string DesktopLinkPath(const std::string& desktopFolder);

// Puts the shortcut "Сменить обои.lnk", which starts the program in change mode, on the desktop.
void CreateDesktopLink(const Registry& registry, ShellLinks& links, const std::string& executablePath);

}  // namespace orvella
