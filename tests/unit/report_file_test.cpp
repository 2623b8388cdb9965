#include "icons/report_file.h"

#include <gtest/gtest.h>

#include "fakes/fake_file_system.h"
#include "platform/cp1251_codec.h"

namespace orvella {
namespace {

TEST(ReportSaveName, AddsTxtUnlessTheNameEndsSoExactly) {
    const struct {
        const char* chosen;
        const char* saved;
    } cases[] = {{"C:\\r\\report", "C:\\r\\report.txt"},
                 {"C:\\r\\report.TXT", "C:\\r\\report.TXT.txt"},
                 {"C:\\r\\a.txt", "C:\\r\\a.txt"},
                 {"C:\\r\\a.txt.bak", "C:\\r\\a.txt.bak.txt"}};
    for (const auto& c : cases) EXPECT_EQ(ReportSaveName(c.chosen), c.saved) << c.chosen;
}

TEST(WriteReport, WritesAnsiLinesEachEndedByCrLf) {
    FakeFileSystem files;
    WriteReport(files, Cp1251Codec(), "C:\\Orvella\\report.txt", {"Сохранено иконок: 0, текущее количество: 0", ""});
    EXPECT_EQ(files.files["C:\\Orvella\\report.txt"],
              Cp1251Codec().ToAnsi("Сохранено иконок: 0, текущее количество: 0") + "\r\n\r\n");
}

}  // namespace
}  // namespace orvella
