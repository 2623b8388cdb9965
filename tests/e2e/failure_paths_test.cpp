// A settings file the program may not write: the user is told in a box, the run still ends, and
// the file keeps its bytes.
#include <sys/stat.h>

#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

constexpr char kWriteRefused[] = "Unable to write to ";
constexpr char kIniName[] = "Orvella.ini";

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

using FailurePaths = OrvellaScenario;

TEST_F(FailurePaths, ReadOnlyIniIsReportedOnceOnTheWayOutAndKeptAsItWas) {
    const std::string before = "[conf]\r\npause=7\r\n";
    WriteProgramFile(kIniName, before);
    // Wine shows a file without any write bit as FILE_ATTRIBUTE_READONLY, even to root.
    ASSERT_EQ(chmod((ProgramDir() + "/" + kIniName).c_str(), 0444), 0);

    ChildProcess& program = StartOrvella();
    const auto settings = WaitWindow("TForm1");
    ASSERT_TRUE(settings);
    ASSERT_TRUE(Close(*settings));

    // The report window, the panel and the settings window each store their place when destroyed;
    // the one refusal is shown once, and the run still ends.
    const auto box = WaitMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->pid, settings->pid);
    EXPECT_EQ(box->title, "Orvella");
    EXPECT_EQ(box->text.rfind(kWriteRefused, 0), 0u) << box->text;
    EXPECT_TRUE(EndsWith(box->text, kIniName)) << box->text;
    EXPECT_EQ(box->buttons, std::vector<int>{1});
    Screenshot("refused");
    ASSERT_TRUE(PressButton(box->hwnd, 1));
    EXPECT_TRUE(program.WaitExit(kWindowTimeout));
    EXPECT_EQ(ReadProgramFile(kIniName), before);
}

}  // namespace
}  // namespace orvella::e2e
