#include "settings/desktop_link.h"

#include "core/program_folder.h"
#include "platform/registry.h"
#include "platform/shell_links.h"

namespace orvella {
namespace {

// The key's odd capital "W" is how the shell has always spelt it; the registry ignores case anyway.
constexpr const char* kShellFoldersKey = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr const char* kLinkName = "Сменить обои.lnk";
constexpr const char* kLinkDescription = "Сменить \"обои\" на рабочем столе";

}  // namespace

std::string GetShellFolder(const Registry& registry, const std::string& name) {
    return registry.ReadString(RegistryRoot::CurrentUser, kShellFoldersKey, name);
}

std::string DesktopLinkPath(const std::string& desktopFolder) {
    std::string path = desktopFolder;
    if (!path.empty() && path.back() != '\\') path += '\\';
    return path + kLinkName;
}

void CreateDesktopLink(const Registry& registry, ShellLinks& links, const std::string& executablePath) {
    ShellLink link;
    link.file = DesktopLinkPath(GetShellFolder(registry, "Desktop"));
    link.target = executablePath;
    link.workingFolder = FolderOf(executablePath);
    link.description = kLinkDescription;
    link.arguments = "-change";
    links.Create(link);
}

}  // namespace orvella
