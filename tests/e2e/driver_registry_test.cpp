// The driver reads the registry as UTF-8 and in the view a 32-bit program has (the machine-wide
// keys of a 32-bit program live under Wow6432Node on 64-bit Windows).
#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

using DriverRegistry = WineScenario;

TEST_F(DriverRegistry, ReadsCyrillicValuesInTheViewTheyWereWrittenIn) {
    ChildProcess& add = Start({"reg", "add", "HKLM\\Software\\OrvellaE2E", "/v", "Ярлык", "/t", "REG_SZ", "/d",
                               "Сменить обои", "/reg:32", "/f"},
                              false);
    ASSERT_EQ(add.WaitExit(kWindowTimeout), std::optional<int>(0));
    EXPECT_EQ(RegistryValue("HKLM\\Software\\OrvellaE2E", "Ярлык", true), std::optional<std::string>("Сменить обои"));
    EXPECT_EQ(RegistryValue("HKLM\\Software\\OrvellaE2E", "Ярлык", false), std::nullopt);
}

}  // namespace
}  // namespace orvella::e2e
