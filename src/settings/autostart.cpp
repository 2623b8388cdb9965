#include "settings/autostart.h"

#include <exception>

#include "platform/dialogs.h"
#include "platform/registry.h"

namespace orvella {
namespace {

constexpr const char* kAddFailed = "Ошибка при добавлении программы в автозагрузку!";
constexpr const char* kAddByHand =
    "Запустите программу с правами Администратора или поместите ярлык к программе в автозагрузку вручную и в "
    "свойствах ярлыка в поле \"Объект\" добавьте параметр \"-change\". Должно получится "
    "\"...\\Orvella\\Orvella.exe\" -change";

}  // namespace

bool IsAutoRun(const Registry& registry, const std::string& name) {
    return registry.ValueExists(RegistryRoot::LocalMachine, kAutoRunKey, name);
}

void AddAutoRun(Registry& registry, const std::string& name, const std::string& command) {
    registry.WriteString(RegistryRoot::LocalMachine, kAutoRunKey, name, command);
}

void DelAutoRun(Registry& registry, const std::string& name) {
    registry.DeleteValue(RegistryRoot::LocalMachine, kAutoRunKey, name);
}

std::string AutoRunCommand(const std::string& executablePath) { return "\"" + executablePath + "\" -change"; }

void ApplyAutoRunChoice(bool ticked, Registry& registry, Dialogs& dialogs, const std::string& name,
                        const std::string& executablePath) {
    try {
        if (ticked && !IsAutoRun(registry, name)) AddAutoRun(registry, name, AutoRunCommand(executablePath));
        if (!ticked && IsAutoRun(registry, name)) DelAutoRun(registry, name);
    } catch (const std::exception&) {
        dialogs.ShowMessage(kAddFailed);
        dialogs.ShowMessage(kAddByHand);
    }
}

}  // namespace orvella
