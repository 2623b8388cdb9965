#include "settings/desktop_link.h"

#include <gtest/gtest.h>

#include "fakes/fake_registry.h"
#include "fakes/fake_shell_links.h"

namespace orvella {
namespace {

constexpr const char* kShellFolders = "SoftWare\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST(DesktopLinkPath, AddsOneBackslashAndTheLinkName) {
    const struct {
        const char* folder;
        const char* path;
    } cases[] = {
        {"C:\\Users\\Анна\\Desktop", "C:\\Users\\Анна\\Desktop\\Сменить обои.lnk"},
        {"C:\\Users\\Анна\\Desktop\\", "C:\\Users\\Анна\\Desktop\\Сменить обои.lnk"},
        {"", "Сменить обои.lnk"},
    };
    for (const auto& c : cases) EXPECT_EQ(DesktopLinkPath(c.folder), c.path) << c.folder;
}

TEST(CreateDesktopLink, StartsTheProgramInChangeModeFromItsFolder) {
    FakeRegistry registry;
    registry.values[{RegistryRoot::CurrentUser, kShellFolders, "Desktop"}] = "C:\\Users\\Анна\\Desktop";
    FakeShellLinks links;
    CreateDesktopLink(registry, links, "C:\\Program Files\\Orvella\\Orvella.exe");
    ASSERT_EQ(links.created.size(), 1u);
    const ShellLink& link = links.created[0];
    EXPECT_EQ(link.file, "C:\\Users\\Анна\\Desktop\\Сменить обои.lnk");
    EXPECT_EQ(link.target, "C:\\Program Files\\Orvella\\Orvella.exe");
    EXPECT_EQ(link.workingFolder, "C:\\Program Files\\Orvella\\");
    EXPECT_EQ(link.arguments, "-change");
    EXPECT_EQ(link.description, "Сменить \"обои\" на рабочем столе");
}

TEST(CreateDesktopLink, WithoutADesktopValueGoesToTheCurrentFolder) {
    FakeRegistry registry;
    FakeShellLinks links;
    CreateDesktopLink(registry, links, "C:\\Orvella\\Orvella.exe");
    ASSERT_EQ(links.created.size(), 1u);
    EXPECT_EQ(links.created[0].file, "Сменить обои.lnk");
}

}  // namespace
}  // namespace orvella
