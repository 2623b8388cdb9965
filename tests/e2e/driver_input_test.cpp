// The driver's ways of pressing a button, tried on a message box of the program (the one a
// missing database brings): each must close the box and so end the run.
#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

struct PressCase {
    std::string name;
    std::vector<std::string> command;  // after "<box hwnd>"
};

class DriverPress : public OrvellaScenario, public ::testing::WithParamInterface<PressCase> {};

TEST_P(DriverPress, ClosesTheMessageBox) {
    RemoveProgramFile("db.spb");
    ChildProcess& program = StartOrvella();
    const auto box = WaitMessageBox();
    ASSERT_TRUE(box);
    std::vector<std::string> command = {GetParam().command.front(), box->hwnd};
    command.insert(command.end(), GetParam().command.begin() + 1, GetParam().command.end());
    ASSERT_EQ(Driver(command).exitCode, 0);
    EXPECT_TRUE(program.WaitExit(kWindowTimeout));
}

INSTANTIATE_TEST_SUITE_P(Ways, DriverPress,
                         ::testing::Values(PressCase{"press_id", {"press", "1"}},
                                           PressCase{"click_id", {"click", "--id", "1"}},
                                           PressCase{"mouse_click", {"click", "--id", "1", "--mouse"}}),
                         [](const auto& testCase) { return testCase.param.name; });

}  // namespace
}  // namespace orvella::e2e
