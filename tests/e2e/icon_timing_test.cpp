// How long the program takes to read a full desktop of 500 icons out of the fake shell under Wine,
// per icon, beside the cost of one bare cross-process message to the same list view measured in
// the same run. Shown, not asserted.
#include <algorithm>
#include <cstdio>
#include <iostream>

#include "e2e/layout_rows.h"
#include "e2e/wine_scenario.h"

namespace orvella::e2e {
namespace {

constexpr int kIcons = 500;
constexpr int kPings = 2000;

std::string GridOfIcons() {
    std::string lines;
    for (int i = 0; i < kIcons; ++i)
        lines += "Значок " + std::to_string(i) + ":" + std::to_string(30 + i % 25 * 80) + ":" +
                 std::to_string(30 + i / 25 * 80) + "\r\n";
    return lines;
}

// `count microseconds` as the driver's shell-timing and shell-ping print them.
struct Measure {
    long long count = 0;
    long long microseconds = 0;
    double PerCount() const { return count > 0 ? static_cast<double>(microseconds) / static_cast<double>(count) : 0; }
};

Measure ParseMeasure(const std::string& output) {
    Measure measure;
    std::sscanf(output.c_str(), "%lld %lld", &measure.count, &measure.microseconds);
    return measure;
}

using IconTiming = OrvellaScenario;

TEST_F(IconTiming, FullGetOf500IconsBesideBareMessageRoundTrips) {
    ASSERT_EQ(StartShell(WriteRootFile("icons.txt", GridOfIcons())).size(), static_cast<size_t>(kIcons));
    WriteIni({{"offvisible", "0"}});
    ASSERT_TRUE(RunOrvella({"-change"}));
    const std::vector<AutomaticSave> rows = ReadAutomaticSaves(DatabaseFile());
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::count(rows[0].data.begin(), rows[0].data.end(), '*'), kIcons);

    // The program's pass over the items, timed inside the shell, then bare round trips from the driver.
    const Measure get = ParseMeasure(Driver({"shell-timing"}).output);
    const Measure ping = ParseMeasure(Driver({"shell-ping", std::to_string(kPings)}).output);
    ASSERT_EQ(get.count, kIcons);
    ASSERT_EQ(ping.count, kPings);

    char report[256];
    std::snprintf(report, sizeof report,
                  "get of %lld icons: %.1f ms, %.1f us per icon; bare message round trip: %.1f us; "
                  "an icon costs %.1f round trips",
                  get.count, static_cast<double>(get.microseconds) / 1000.0, get.PerCount(), ping.PerCount(),
                  ping.PerCount() > 0 ? get.PerCount() / ping.PerCount() : 0.0);
    std::cout << report << "\n";
    RecordProperty("get_icons", static_cast<int>(get.count));
    RecordProperty("get_us_per_icon", static_cast<int>(get.PerCount()));
    RecordProperty("round_trip_us", static_cast<int>(ping.PerCount()));
}

}  // namespace
}  // namespace orvella::e2e
