#include <gtest/gtest.h>

#include <optional>
#include <stdexcept>
#include <string>

#include "fakes/fake_file_system.h"
#include "fakes/temp_dir.h"
#include "platform/cp1251_codec.h"
#include "platform/native/native_file_system.h"
#include "settings/profile_file.h"
#include "settings/settings_errors.h"

namespace orvella {
namespace {

using namespace std::string_literals;

const std::string kPath = "C:\\Orvella\\Orvella.ini";

class ProfileFileTest : public testing::Test {
protected:
    FakeFileSystem files;
    Cp1251Codec codec;
    ProfileFile ini{files, codec, kPath};
};

struct ReadCase {
    const char* name;
    std::string text;
    std::optional<std::string> pause;  // the value of "pause" in section "conf"
};

class ProfileReadTest : public ProfileFileTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(ProfileReadTest, FindsTheValue) {
    files.files[kPath] = GetParam().text;
    EXPECT_EQ(ini.ReadString("conf", "pause"), GetParam().pause);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileReadTest,
    testing::Values(ReadCase{"Plain", "[conf]\r\nleft=1\r\npause=5\r\n", "5"},
                    ReadCase{"NamesIgnoreCase", "[CONF]\r\nPause=5\r\n", "5"},
                    ReadCase{"BlanksAroundNamesAndValue", "  [ conf ]  \r\n\t pause \t=  5 6 \r\n", "5 6"},
                    ReadCase{"FirstOfDuplicateKeys", "[conf]\r\npause=5\r\npause=7\r\n", "5"},
                    ReadCase{"OnlyFirstSectionOfAName", "[conf]\r\nleft=1\r\n[other]\r\n[conf]\r\npause=5\r\n",
                             std::nullopt},
                    ReadCase{"OtherSection", "[other]\r\npause=5\r\n", std::nullopt},
                    ReadCase{"NoSection", "pause=5\r\n", std::nullopt},
                    ReadCase{"UnclosedHeaderIsNoSection", "[other]\r\n[conf\r\npause=5\r\n", std::nullopt},
                    ReadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF[conf]\r\npause=5\r\n", "5"},
                    ReadCase{"LfOnly", "[conf]\nleft=1\npause=5\n", "5"},
                    ReadCase{"CrOnly", "[conf]\rleft=1\rpause=5\r", "5"},
                    ReadCase{"NoFinalLineEnd", "[conf]\r\npause=5", "5"},
                    ReadCase{"EmptyValue", "[conf]\r\npause=\r\n", ""},
                    ReadCase{"LineWithoutEquals", "[conf]\r\npause\r\n", std::nullopt},
                    ReadCase{"Comment", "[conf]\r\n;pause=5\r\n", std::nullopt},
                    ReadCase{"EqualsInValue", "[conf]\r\npause=a=b\r\n", "a=b"},
                    ReadCase{"Empty", "", std::nullopt},
                    ReadCase{"BinaryJunk", "\0\xFF\xFE[\x01]=\r\n\0\x98[conf\0]\r\npause\0=5"s,
                             std::nullopt},
                    ReadCase{"AnsiValue", "[conf]\r\npause=\xCF\xF0\xE8\xE2\xE5\xF2\r\n", "Привет"},
                    ReadCase{"Utf8ValueAfterByteOrderMark", "\xEF\xBB\xBF[conf]\r\npause=Привет\r\n", "Привет"}),
    [](const testing::TestParamInfo<ReadCase>& test) { return std::string(test.param.name); });

TEST_F(ProfileFileTest, MissingFileOrKeyGivesTheDefaults) {
    EXPECT_EQ(ini.ReadInteger("conf", "pause", 10), 10);
    files.files[kPath] = "[conf]\r\nleft=3\r\n";
    EXPECT_EQ(ini.ReadInteger("conf", "pause", 10), 10);
    EXPECT_TRUE(ini.ReadBool("conf", "unic", true));
    EXPECT_EQ(ini.ReadString("conf", "chkdir", "000"), "000");
}

TEST_F(ProfileFileTest, UnreadableFileGivesTheDefaults) {
    files.files[kPath] = "[conf]\r\npause=3\r\n";
    files.unreadable.insert(kPath);
    EXPECT_EQ(ini.ReadInteger("conf", "pause", 10), 10);
}

TEST_F(ProfileFileTest, IntegersAndBooleans) {
    files.files[kPath] = "[conf]\r\na=abc\r\nb=0x1F\r\nc=2\r\nd=x\r\ne=0\r\nf=\r\n";
    EXPECT_EQ(ini.ReadInteger("conf", "a", 10), 10);
    EXPECT_EQ(ini.ReadInteger("conf", "b", 10), 31);
    EXPECT_TRUE(ini.ReadBool("conf", "c", false));
    EXPECT_FALSE(ini.ReadBool("conf", "d", false));
    EXPECT_TRUE(ini.ReadBool("conf", "d", true));
    EXPECT_FALSE(ini.ReadBool("conf", "e", true));
    EXPECT_EQ(ini.ReadInteger("conf", "f", 7), 7);
}

TEST_F(ProfileFileTest, StringsAreCutTo2047Characters) {
    const std::string junkLine(100000, 'x');
    files.files[kPath] = junkLine + "\r\n[conf]\r\nlatin=" + std::string(100000, '1') + "\r\ncyrillic=" +
                         std::string(3000, '\xE6') + "\r\nnumber=" + std::string(100000, '0') + "42\r\n";
    EXPECT_EQ(ini.ReadString("conf", "latin"), std::string(2047, '1'));
    std::string zhe;
    for (int i = 0; i < 2047; ++i) zhe += "ж";
    EXPECT_EQ(ini.ReadString("conf", "cyrillic"), zhe);
    EXPECT_EQ(ini.ReadInteger("conf", "number", 1), 0);  // the first 2047 characters are all zeros
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string after;  // after writing pause=5
};

class ProfileWriteTest : public ProfileFileTest, public testing::WithParamInterface<WriteCase> {};

TEST_P(ProfileWriteTest, ChangesOnlyTheKeysLine) {
    files.files[kPath] = GetParam().before;
    ini.WriteInteger("conf", "pause", 5);
    EXPECT_EQ(files.files[kPath], GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileWriteTest,
    testing::Values(
        WriteCase{"EmptyFile", "", "[conf]\r\npause=5\r\n"},
        WriteCase{"ReplacesTheValue", "[conf]\r\nleft=1\r\npause=1\r\ntop=2\r\n", "[conf]\r\nleft=1\r\npause=5\r\ntop=2\r\n"},
        WriteCase{"KeepsTheKeysSpellingAndBlanks", "[CONF]\r\nPause = 123 \r\n", "[CONF]\r\nPause = 5 \r\n"},
        WriteCase{"FillsAnEmptyValue", "[conf]\r\npause=\r\n", "[conf]\r\npause=5\r\n"},
        WriteCase{"ChangesTheFirstOfDuplicates", "[conf]\r\npause=1\r\npause=2\r\n", "[conf]\r\npause=5\r\npause=2\r\n"},
        WriteCase{"AppendsAtTheEndOfTheSection", "; note\r\n[conf]\r\n; keep\r\nleft=1\r\n\r\n[other]\r\nx=1\r\n",
                  "; note\r\n[conf]\r\n; keep\r\nleft=1\r\npause=5\r\n\r\n[other]\r\nx=1\r\n"},
        WriteCase{"AppendsAfterAHeaderWithoutLineEnd", "[conf]", "[conf]\r\npause=5\r\n"},
        WriteCase{"AppendsAfterALastLineWithoutLineEnd", "[conf]\r\nleft=1", "[conf]\r\nleft=1\r\npause=5\r\n"},
        WriteCase{"AddsTheSection", "pause=9\r\n[other]\r\nx=1", "pause=9\r\n[other]\r\nx=1\r\n[conf]\r\npause=5\r\n"},
        WriteCase{"FirstSectionOfAName", "[conf]\r\nleft=1\r\n[conf]\r\npause=1\r\n",
                  "[conf]\r\nleft=1\r\npause=5\r\n[conf]\r\npause=1\r\n"},
        WriteCase{"LfOnly", "[conf]\nleft=1\npause=1\n", "[conf]\nleft=1\npause=5\n"},
        WriteCase{"CrOnly", "[conf]\rpause=1\rleft=1", "[conf]\rpause=5\rleft=1"},
        WriteCase{"ByteOrderMark", "\xEF\xBB\xBF[conf]\r\npause=1\r\n", "\xEF\xBB\xBF[conf]\r\npause=5\r\n"},
        WriteCase{"OnlyAByteOrderMark", "\xEF\xBB\xBF", "\xEF\xBB\xBF[conf]\r\npause=5\r\n"},
        WriteCase{"KeepsBytesTheCodePageLacks", "\0\xFF\x98junk\r\n"s,
                  "\0\xFF\x98junk\r\n"s + "[conf]\r\npause=5\r\n"}),
    [](const testing::TestParamInfo<WriteCase>& test) { return std::string(test.param.name); });

TEST_F(ProfileFileTest, CreatesAMissingFile) {
    ini.WriteBool("conf", "unic", false);
    ini.WriteString("conf", "chkconf", "");
    ini.WriteString("conf", "name", "Привет");
    EXPECT_EQ(files.files[kPath], "[conf]\r\nunic=0\r\nchkconf=\r\nname=\xCF\xF0\xE8\xE2\xE5\xF2\r\n");
}

TEST_F(ProfileFileTest, RefusedWriteNamesThePathAndChangesNothing) {
    files.files[kPath] = "[conf]\r\npause=1\r\n";
    files.RefuseWrites(kPath);
    try {
        ini.WriteInteger("conf", "pause", 5);
        FAIL() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to C:\\Orvella\\Orvella.ini");
    }
    EXPECT_EQ(files.files[kPath], "[conf]\r\npause=1\r\n");
}

TEST_F(ProfileFileTest, ExistingFileThatCannotBeReadIsNotOverwritten) {
    files.files[kPath] = "[conf]\r\npause=1\r\nleft=2\r\n";
    files.unreadable.insert(kPath);
    EXPECT_THROW(ini.WriteInteger("conf", "pause", 5), ProfileWriteError);
    EXPECT_EQ(files.files[kPath], "[conf]\r\npause=1\r\nleft=2\r\n");
}

TEST_F(ProfileFileTest, ValueWithALineBreakIsRefused) {
    EXPECT_THROW(ini.WriteString("conf", "chkdir", "1\r\nleft=5"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("conf", "chkdir", "1\n"), std::invalid_argument);
    EXPECT_FALSE(files.FileExists(kPath));
}

TEST(ProfileFileOnDisk, WritesAnsiWithCrLfAndReadsItBack) {
    TempDir dir;
    NativeFileSystem files;
    Cp1251Codec codec;
    ProfileFile ini(files, codec, dir.File("Orvella.ini"));
    ini.WriteInteger("conf", "colorbutton", -2147483633);
    ini.WriteString("conf", "name", "Ёлка");
    ini.WriteInteger("conf", "colorbutton", 16118514);
    EXPECT_EQ(dir.Read("Orvella.ini"), "[conf]\r\ncolorbutton=16118514\r\nname=\xA8\xEB\xEA\xE0\r\n");
    EXPECT_EQ(ini.ReadString("conf", "name"), "Ёлка");
}

TEST(ProfileFileOnDisk, RefusedWriteNamesThePath) {
    TempDir dir;
    NativeFileSystem files;
    Cp1251Codec codec;
    const std::string path = dir.File("missing folder/Orvella.ini");
    ProfileFile ini(files, codec, path);
    try {
        ini.WriteInteger("conf", "left", 1);
        FAIL() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
}

}  // namespace
}  // namespace orvella
