#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_file_system.h"
#include "fakes/temp_dir.h"
#include "platform/cp1251_codec.h"
#include "platform/native/native_file_system.h"
#include "settings/config_file.h"
#include "settings/folder_list.h"
#include "settings/settings_errors.h"

namespace orvella {
namespace {

const std::string kConfigPath = "C:\\Orvella\\Orvella.ini";
const std::string kListPath = "C:\\Orvella\\ListDir.txt";

using Folders = std::vector<FolderEntry>;

class FolderListTest : public testing::Test {
protected:
    Folders Read() const { return ReadFolders(files, codec, kListPath, config); }

    FakeFileSystem files;
    Cp1251Codec codec;
    ConfigFile config{files, codec, kConfigPath};
};

struct ReadCase {
    const char* name;
    std::optional<std::string> list;    // bytes of ListDir.txt, nothing for no file
    std::optional<std::string> chkdir;  // nothing for no key
    Folders expected;
};

class FolderReadTest : public FolderListTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(FolderReadTest, PairsLinesWithFlagsAndSorts) {
    if (GetParam().list) files.files[kListPath] = *GetParam().list;
    if (GetParam().chkdir) files.files[kConfigPath] = "[conf]\r\nchkdir=" + *GetParam().chkdir + "\r\n";
    EXPECT_EQ(Read(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FolderReadTest,
    testing::Values(
        ReadCase{"NoFile", std::nullopt, "111", {}},
        ReadCase{"EmptyFile", "", "111", {}},
        ReadCase{"FlagsByLine", "C:\\a\r\nC:\\b\r\nC:\\c\r\nC:\\d\r\nC:\\e\r\n", "101",
                 {{"C:\\a", true}, {"C:\\b", false}, {"C:\\c", true}, {"C:\\d", false}, {"C:\\e", false}}},
        ReadCase{"FlagsFollowTheirLineIntoSortedPlace", "D:\\b\r\nc:\\A\r\nE:\\x\r\n", "10",
                 {{"c:\\A", false}, {"D:\\b", true}, {"E:\\x", false}}},
        ReadCase{"OnlyOneMeansInclude", "a\r\nb\r\nc\r\n", "2x1", {{"a", false}, {"b", false}, {"c", true}}},
        ReadCase{"FlagsCountByCharacter", "a\r\nb\r\n", "\xE6\x31", {{"a", false}, {"b", true}}},
        ReadCase{"CrOnly", "c\rb\ra", "011", {{"a", true}, {"b", true}, {"c", false}}},
        ReadCase{"MixedLineEnds", "d\r\nc\nb\ra", "1010", {{"a", false}, {"b", true}, {"c", false}, {"d", true}}},
        ReadCase{"BlankLinesAreEntries", "b\r\n\r\na\n\n", "0110", {{"", true}, {"", false}, {"a", true}, {"b", false}}},
        ReadCase{"OnlyALineEnd", "\r\n", "1", {{"", true}}},
        ReadCase{"NoFinalLineEnd", "b\r\na", "01", {{"a", true}, {"b", false}}},
        ReadCase{"EqualPathsKeepTheirOrder", "b\r\nA\r\nB\r\na\r\n", "1010",
                 {{"A", false}, {"a", false}, {"b", true}, {"B", true}}},
        ReadCase{"AnsiPaths", "D:\\\xF4\xEE\xF2\xEE\r\nC:\\\xC0\xF0\xF2\r\n", "10",
                 {{"C:\\Арт", false}, {"D:\\фото", true}}},
        ReadCase{"Utf8AfterByteOrderMark", "\xEF\xBB\xBF" "D:\\фото\r\nC:\\Арт\r\n", "10",
                 {{"C:\\Арт", false}, {"D:\\фото", true}}}),
    [](const testing::TestParamInfo<ReadCase>& test) { return std::string(test.param.name); });

std::string Numbered(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "C:\\p%04d", n);
    return name;
}

std::string ListOf(int count) {
    std::string list;
    for (int i = 0; i < count; ++i) list += Numbered(i) + "\r\n";
    return list;
}

TEST_F(FolderListTest, TwentyFoldersWithoutFlagsAreAllAlone) {
    files.files[kListPath] = ListOf(20);
    const Folders folders = Read();
    ASSERT_EQ(folders.size(), 20u);
    for (const FolderEntry& folder : folders) EXPECT_FALSE(folder.includeSubfolders) << folder.path;
}

TEST_F(FolderListTest, OnlyTheFirst2047FlagsCount) {
    files.files[kListPath] = ListOf(2049);
    files.files[kConfigPath] = "[conf]\r\nchkdir=" + std::string(2049, '1') + "\r\n";
    const Folders folders = Read();
    ASSERT_EQ(folders.size(), 2049u);
    EXPECT_TRUE(folders[2046].includeSubfolders);
    EXPECT_FALSE(folders[2047].includeSubfolders);
    EXPECT_FALSE(folders[2048].includeSubfolders);
}

TEST_F(FolderListTest, SaveWritesTheListThenOneFlagPerFolder) {
    files.files[kConfigPath] = "[conf]\r\npause=3\r\nchkdir=00000000000000000\r\n";
    SaveFolders(files, codec, kListPath, config, {{"D:\\фото", true}, {"C:\\a", false}, {"", true}});
    EXPECT_EQ(files.files[kListPath], "D:\\\xF4\xEE\xF2\xEE\r\nC:\\a\r\n\r\n");
    EXPECT_EQ(files.files[kConfigPath], "[conf]\r\npause=3\r\nchkdir=101\r\n");
    EXPECT_EQ(files.writes, (std::vector<std::string>{kListPath, kConfigPath}));
    EXPECT_EQ(Read(), (Folders{{"", true}, {"C:\\a", false}, {"D:\\фото", true}}));
}

TEST_F(FolderListTest, SavingNoFoldersWritesAnEmptyFileAndAnEmptyFlagString) {
    files.files[kListPath] = "C:\\a\r\n";
    SaveFolders(files, codec, kListPath, config, {});
    EXPECT_EQ(files.files[kListPath], "");
    EXPECT_EQ(files.files[kConfigPath], "[conf]\r\nchkdir=\r\n");
    EXPECT_EQ(Read(), Folders{});
}

TEST_F(FolderListTest, ListFileThatCannotBeCreatedLeavesTheFlagsAlone) {
    files.files[kConfigPath] = "[conf]\r\nchkdir=111\r\n";
    files.RefuseWrites(kListPath);
    try {
        SaveFolders(files, codec, kListPath, config, {{"C:\\a", false}});
        FAIL() << "no error";
    } catch (const FileCreateError& e) {
        EXPECT_STREQ(e.what(), "Cannot create file \"C:\\Orvella\\ListDir.txt\". Access is denied.");
    }
    EXPECT_EQ(files.files[kConfigPath], "[conf]\r\nchkdir=111\r\n");
}

TEST_F(FolderListTest, RefusedFlagsAfterTheListIsWritten) {
    files.RefuseWrites(kConfigPath);
    EXPECT_THROW(SaveFolders(files, codec, kListPath, config, {{"C:\\a", true}}), ProfileWriteError);
    EXPECT_EQ(files.files[kListPath], "C:\\a\r\n");
}

TEST(FolderListOnDisk, SaveAndReadBack) {
    TempDir dir;
    NativeFileSystem files;
    Cp1251Codec codec;
    ConfigFile config(files, codec, dir.File("Orvella.ini"));
    const std::string listPath = dir.File("ListDir.txt");
    SaveFolders(files, codec, listPath, config, {{"E:\\Ёлки", true}, {"c:\\art", false}});
    EXPECT_EQ(dir.Read("ListDir.txt"), "E:\\\xA8\xEB\xEA\xE8\r\nc:\\art\r\n");
    EXPECT_EQ(dir.Read("Orvella.ini"), "[conf]\r\nchkdir=10\r\n");
    EXPECT_EQ(ReadFolders(files, codec, listPath, config), (Folders{{"c:\\art", false}, {"E:\\Ёлки", true}}));

    const std::string unwritable = dir.File("missing folder/ListDir.txt");
    EXPECT_THROW(SaveFolders(files, codec, unwritable, config, {}), FileCreateError);
    EXPECT_EQ(dir.Read("Orvella.ini"), "[conf]\r\nchkdir=10\r\n");
}

}  // namespace
}  // namespace orvella
