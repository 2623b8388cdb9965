// A program folder without the database or its engine, or with a database that is none: one message,
// the run ends, nothing created or changed.
#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

constexpr char kMissingFiles[] = "Не найдены необходимые файлы! Переустановите программу.";

class UnusableFiles : public OrvellaScenario {
protected:
    void ExpectOneMessageAndTheEnd() {
        ChildProcess& program = StartOrvella();
        const auto box = WaitMessageBox();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->title, "Orvella");
        EXPECT_EQ(box->text, kMissingFiles);
        Screenshot("message");

        // The run ends after this one box: a second one would keep the process waiting for a press.
        ASSERT_TRUE(PressButton(box->hwnd, 1));
        EXPECT_TRUE(program.WaitExit(kWindowTimeout));
    }
};

class MissingFile : public UnusableFiles, public ::testing::WithParamInterface<std::string> {};

TEST_P(MissingFile, IsReportedOnceAndEndsTheRun) {
    RemoveProgramFile(GetParam());
    ExpectOneMessageAndTheEnd();
    EXPECT_FALSE(ProgramFileExists(GetParam())) << "the program must not create " << GetParam();
}

TEST_F(UnusableFiles, JunkDatabaseIsReportedOnceAndLeftUntouched) {
    const std::string junk(4096, 'Z');
    WriteProgramFile("db.spb", junk);
    ExpectOneMessageAndTheEnd();
    EXPECT_EQ(ReadProgramFile("db.spb"), junk);
}

INSTANTIATE_TEST_SUITE_P(Files, MissingFile, ::testing::Values("db.spb", "drvdb.dll"), [](const auto& testCase) {
    std::string name = testCase.param;
    name[name.find('.')] = '_';
    return name;
});

}  // namespace
}  // namespace orvella::e2e
