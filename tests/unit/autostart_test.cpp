#include "settings/autostart.h"

#include <gtest/gtest.h>

#include "fakes/fake_dialogs.h"
#include "fakes/fake_registry.h"

namespace orvella {
namespace {

constexpr const char* kExe = "C:\\Program Files\\Orvella\\Orvella.exe";
const FakeRegistry::Location kEntry{RegistryRoot::LocalMachine, kAutoRunKey, "Orvella"};

TEST(AutoRunCommand, QuotesThePathSoABlankCannotSplitIt) {
    EXPECT_EQ(AutoRunCommand(kExe), "\"C:\\Program Files\\Orvella\\Orvella.exe\" -change");
}

struct AutoRunCase {
    const char* name;
    bool ticked;
    const char* existing;  // the entry before, null when absent
    bool refused;          // the Run key cannot be opened with full access
    const char* expected;  // the entry after, null when absent
    bool told;             // the two messages shown
};

class ApplyAutoRun : public ::testing::TestWithParam<AutoRunCase> {};

TEST_P(ApplyAutoRun, BringsTheEntryToTheBoxOrTellsWhyNot) {
    const AutoRunCase& c = GetParam();
    FakeRegistry registry;
    FakeDialogs dialogs;
    if (c.existing != nullptr) registry.values[kEntry] = c.existing;
    if (c.refused) registry.refusedKeys.insert(kAutoRunKey);

    ApplyAutoRunChoice(c.ticked, registry, dialogs, "Orvella", kExe);

    const auto found = registry.values.find(kEntry);
    if (c.expected == nullptr) {
        EXPECT_EQ(found, registry.values.end());
    } else {
        ASSERT_NE(found, registry.values.end());
        EXPECT_EQ(found->second, c.expected);
    }
    if (c.told) {
        ASSERT_EQ(dialogs.messages.size(), 2u);
        EXPECT_EQ(dialogs.messages[0], "Ошибка при добавлении программы в автозагрузку!");
        EXPECT_EQ(dialogs.messages[1],
                  "Запустите программу с правами Администратора или поместите ярлык к программе в автозагрузку "
                  "вручную и в свойствах ярлыка в поле \"Объект\" добавьте параметр \"-change\". Должно получится "
                  "\"...\\Orvella\\Orvella.exe\" -change");
    } else {
        EXPECT_TRUE(dialogs.messages.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ApplyAutoRun,
    ::testing::Values(
        AutoRunCase{"TickedAbsentAdds", true, nullptr, false, "\"C:\\Program Files\\Orvella\\Orvella.exe\" -change",
                    false},
        AutoRunCase{"TickedPresentKeepsAStaleCommand", true, "C:\\Old\\Orvella.exe -change", false,
                    "C:\\Old\\Orvella.exe -change", false},
        AutoRunCase{"UntickedPresentRemoves", false, "C:\\Old\\Orvella.exe -change", false, nullptr, false},
        AutoRunCase{"UntickedAbsentDoesNothing", false, nullptr, false, nullptr, false},
        AutoRunCase{"TickedWithoutRightsTellsTwice", true, nullptr, true, nullptr, true},
        AutoRunCase{"UntickedWithoutRightsIsSilent", false, "C:\\Old\\Orvella.exe -change", true,
                    "C:\\Old\\Orvella.exe -change", false}),
    [](const auto& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace orvella
