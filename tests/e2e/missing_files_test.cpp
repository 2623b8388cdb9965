// A program folder without the database or its engine: one message, the run ends, nothing created.
#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

constexpr char kMissingFiles[] = "Не найдены необходимые файлы! Переустановите программу.";

class MissingFile : public OrvellaScenario, public ::testing::WithParamInterface<std::string> {};

TEST_P(MissingFile, IsReportedOnceAndEndsTheRun) {
    RemoveProgramFile(GetParam());
    ChildProcess& program = StartOrvella();
    const auto box = WaitMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->title, "Orvella");
    EXPECT_EQ(box->text, kMissingFiles);
    Screenshot("message");

    // The run ends after this one box: a second one would keep the process waiting for a press.
    ASSERT_TRUE(PressButton(box->hwnd, 1));
    EXPECT_TRUE(program.WaitExit(kWindowTimeout));
    EXPECT_FALSE(ProgramFileExists(GetParam())) << "the program must not create " << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Files, MissingFile, ::testing::Values("db.spb", "drvdb.dll"), [](const auto& testCase) {
    std::string name = testCase.param;
    name[name.find('.')] = '_';
    return name;
});

}  // namespace
}  // namespace orvella::e2e
