#pragma once
#include <string>

namespace orvella {

class Dialogs;
class Registry;

// The machine-wide autostart list of Windows.
inline constexpr const char* kAutoRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool IsAutoRun(const Registry& registry, const std::string& name);
// Throws OsError when the entry is refused (without administrator rights, as a rule).
void AddAutoRun(Registry& registry, const std::string& name, const std::string& command);
void DelAutoRun(Registry& registry, const std::string& name);

// The command the autostart runs: the executable's path in quotes, so that Windows cannot take a
// program lying at the path's first blank for it, and the change switch.
std::string AutoRunCommand(const std::string& executablePath);

// Brings the entry to the state of the autostart check box; an entry that exists already is left
// as it is. A refusal is told in two messages and the box stays as the user set it.
void ApplyAutoRunChoice(bool ticked, Registry& registry, Dialogs& dialogs, const std::string& name,
                        const std::string& executablePath);

}  // namespace orvella
