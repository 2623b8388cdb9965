#include "e2e/wine_suite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "e2e/e2e_paths.h"

namespace orvella::e2e {

WineSuite& WineSuite::Get() {
    static WineSuite suite;
    return suite;
}

std::string WineSuite::Script() const { return SourceDir() + "/tools/wine/orvwine.sh"; }

std::string WineSuite::Value(const std::string& name) const {
    const auto found = environment_.find(name);
    return found == environment_.end() ? std::string() : found->second;
}

void WineSuite::Start() {
    using namespace std::chrono_literals;
    std::filesystem::create_directories(ShotsDir());
    const std::string log = ShotsDir() + "/prepare.log";
    SpawnOptions options;
    options.outputFile = log;
    // The first run makes the prefix template (about a minute) and builds the tools.
    const RunResult prepared = RunAndCapture({"bash", Script(), "prepare"}, options, 600s);
    if (prepared.exitCode != 0) {
        error_ = "tools/wine/orvwine.sh prepare failed, see " + log;
        return;
    }
    std::istringstream lines(prepared.output);
    for (std::string line; std::getline(lines, line);) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos) environment_[line.substr(0, equals)] = line.substr(equals + 1);
    }
    const RunResult xvfb = RunAndCapture({"bash", Script(), "xvfb-start", ShotsDir() + "/xvfb.log"}, options, 30s);
    std::istringstream words(xvfb.output);
    words >> display_ >> xvfbPid_;
    if (xvfb.exitCode != 0 || display_.empty()) {
        error_ = "Xvfb did not start, see " + log;
        return;
    }
    environment_["DISPLAY"] = display_;
    error_.clear();
}

void WineSuite::Stop() {
    if (xvfbPid_.empty()) return;
    using namespace std::chrono_literals;
    RunAndCapture({"bash", Script(), "xvfb-stop", xvfbPid_}, {}, 10s);
    xvfbPid_.clear();
}

namespace {

class WineSuiteEnvironment : public ::testing::Environment {
public:
    void SetUp() override { WineSuite::Get().Start(); }
    void TearDown() override { WineSuite::Get().Stop(); }
};

[[maybe_unused]] ::testing::Environment* const registered =
    ::testing::AddGlobalTestEnvironment(new WineSuiteEnvironment);

}  // namespace
}  // namespace orvella::e2e
