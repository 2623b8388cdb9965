#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fakes/fake_file_system.h"
#include "fakes/temp_dir.h"
#include "platform/cp1251_codec.h"
#include "platform/native/native_file_system.h"
#include "settings/config_file.h"
#include "settings/panel_config.h"
#include "settings/report_window_config.h"
#include "settings/settings_errors.h"
#include "settings/settings_window_config.h"

namespace orvella {
namespace {

const std::string kPath = "C:\\Orvella\\Orvella.ini";

struct PathCase {
    std::string executable;
    std::string config;
};

class ConfigFilePathTest : public testing::TestWithParam<PathCase> {};

TEST_P(ConfigFilePathTest, ReplacesTheExtension) { EXPECT_EQ(ConfigFilePath(GetParam().executable), GetParam().config); }

INSTANTIATE_TEST_SUITE_P(Cases, ConfigFilePathTest,
                         testing::Values(PathCase{"C:\\Program Files\\Orvella\\Orvella.exe", "C:\\Program Files\\Orvella\\Orvella.ini"},
                                         PathCase{"C:\\x\\Orvella.EXE", "C:\\x\\Orvella.ini"},
                                         PathCase{"C:\\x\\Orvella.v2.exe", "C:\\x\\Orvella.v2.ini"},
                                         PathCase{"C:\\my.folder\\Orvella", "C:\\my.folder\\Orvella.ini"},
                                         PathCase{"/opt/my.folder/orvella", "/opt/my.folder/orvella.ini"},
                                         PathCase{"Orvella", "Orvella.ini"}));

// Every value different from its default, so a mixed-up key shows.
SettingsWindowConfig SampleSettings() {
    SettingsWindowConfig values;
    values.left = -20;
    values.top = 30;
    values.colorbutton = -2147483633;  // a system colour
    values.pause = 25;
    values.page = 2;
    values.run = {7, false, false, false, false, false, false, false, 120, true};
    return values;
}

class ConfigFileTest : public testing::Test {
protected:
    FakeFileSystem files;
    Cp1251Codec codec;
    ConfigFile config{files, codec, kPath};
};

TEST_F(ConfigFileTest, FirstStartGivesTheDefaults) {
    const RunSettings run{5, true, true, true, true, true, true, true, 50, false};
    EXPECT_EQ(ReadSettingsWindowConfig(config), (SettingsWindowConfig{1, 1, 16118514, 10, 0, run}));
    EXPECT_EQ(ReadPanelConfig(config), (PanelConfig{1, 1, 16118514, 10, run}));
    EXPECT_EQ(ReadReportWindowGeometry(config), (ReportWindowGeometry{100, 100, 400, 200}));
    EXPECT_EQ(config.Read(config::kChkDir), "00000000000000000");
    EXPECT_EQ(RunSettings{}, (RunSettings{0, false, false, false, false, false, false, false, 0, false}));
}

struct ValueCase {
    std::string line;
    std::function<int(const PanelConfig&)> field;
    int expected;
};

class ConfigValueTest : public ConfigFileTest, public testing::WithParamInterface<ValueCase> {};

TEST_P(ConfigValueTest, ReadsAsTheFileHasIt) {
    files.files[kPath] = "[conf]\r\n" + GetParam().line + "\r\n";
    EXPECT_EQ(GetParam().field(ReadPanelConfig(config)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigValueTest,
    testing::Values(ValueCase{"pause=abc", [](const PanelConfig& c) { return c.pause; }, 10},
                    ValueCase{"pause=0x1F", [](const PanelConfig& c) { return c.pause; }, 31},
                    ValueCase{"pause=99999", [](const PanelConfig& c) { return c.pause; }, 99999},
                    ValueCase{"offvisible=2", [](const PanelConfig& c) { return int{c.run.offvisible}; }, 1},
                    ValueCase{"onsizelimit=x", [](const PanelConfig& c) { return int{c.run.onsizelimit}; }, 0},
                    ValueCase{"AUTOSAVEICON=0", [](const PanelConfig& c) { return int{c.run.AutoSaveIcon}; }, 0},
                    ValueCase{"countautosave=0", [](const PanelConfig& c) { return c.run.countautosave; }, 0},
                    ValueCase{"colorbutton=-2147483633", [](const PanelConfig& c) { return c.colorbutton; },
                              -2147483633}));

const std::string kSampleKeys =
    "left=-20\r\ntop=30\r\nchkconf=\r\ncolorbutton=-2147483633\r\npause=25\r\noffchangestart=0\r\noffvisible=0\r\n"
    "onlist=0\r\nautoscan=0\r\nautorun=1\r\ncountautosave=7\r\nAutoSaveIcon=0\r\npage=2\r\nshowtime=0\r\n"
    "unic=0\r\nsizelimit=120\r\nonsizelimit=1\r\n";

TEST_F(ConfigFileTest, SettingsSaveWritesItsKeysInOrder) {
    WriteSettingsWindowConfig(config, SampleSettings(), true);
    EXPECT_EQ(files.files[kPath], "[conf]\r\n" + kSampleKeys);
    EXPECT_EQ(ReadSettingsWindowConfig(config), SampleSettings());
}

TEST_F(ConfigFileTest, SettingsSaveLeavesOtherKeysAlone) {
    const std::string others = "left2=7\r\ntop2=8\r\nleft3=9\r\ntop3=10\r\nheight3=11\r\nwidth3=12\r\nchkdir=101\r\n";
    files.files[kPath] = "[conf]\r\n" + others + "\r\n[other]\r\nleft=5\r\n";
    WriteSettingsWindowConfig(config, SampleSettings(), true);
    EXPECT_EQ(files.files[kPath], "[conf]\r\n" + others + kSampleKeys + "\r\n[other]\r\nleft=5\r\n");
}

TEST_F(ConfigFileTest, RefusedSettingsSaveStopsAtThatKey) {
    files.RefuseWrites(kPath, 3);
    try {
        WriteSettingsWindowConfig(config, SampleSettings(), false);
        FAIL() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to C:\\Orvella\\Orvella.ini");
    }
    EXPECT_EQ(files.files[kPath], "[conf]\r\nleft=-20\r\ntop=30\r\nchkconf=\r\n");
}

TEST_F(ConfigFileTest, PanelPositionAndReportGeometry) {
    files.files[kPath] = "[conf]\r\nleft=3\r\ntop2=99\r\n";
    WritePanelPosition(config, 640, -8);
    WriteReportWindowGeometry(config, {10, 20, 300, 500});
    EXPECT_EQ(files.files[kPath], "[conf]\r\nleft=3\r\ntop2=-8\r\nleft2=640\r\nleft3=10\r\ntop3=20\r\nheight3=300\r\nwidth3=500\r\n");
    const PanelConfig panel = ReadPanelConfig(config);
    EXPECT_EQ(panel.left, 640);
    EXPECT_EQ(panel.top, -8);
    EXPECT_EQ(ReadReportWindowGeometry(config), (ReportWindowGeometry{10, 20, 300, 500}));
}

TEST(ConfigFileOnDisk, SettingsSaveBytes) {
    TempDir dir;
    NativeFileSystem files;
    Cp1251Codec codec;
    ConfigFile config(files, codec, dir.File("Orvella.ini"));
    WriteSettingsWindowConfig(config, SampleSettings(), true);
    EXPECT_EQ(dir.Read("Orvella.ini"), "[conf]\r\n" + kSampleKeys);
    EXPECT_EQ(ReadSettingsWindowConfig(config), SampleSettings());
}

}  // namespace
}  // namespace orvella
