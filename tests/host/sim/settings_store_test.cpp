#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/automation_error.h"
#include "host/sim/file_settings_store.h"
#include "host/sim/memory_settings_store.h"
#include "host/sim/settings_file_format.h"

namespace zelvane::sim {
namespace {

namespace fs = std::filesystem;

class FileSettingsStoreTest : public ::testing::Test {
 protected:
  FileSettingsStoreTest() {
    folder = fs::temp_directory_path() / ("sim_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                          "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    file = folder / "settings.txt";
  }
  ~FileSettingsStoreTest() override { fs::remove_all(folder); }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  static void Write(const fs::path& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }

  fs::path folder;
  fs::path file;
};

TEST_F(FileSettingsStoreTest, ValuesSurviveANewStoreOnTheSameFileWithEveryCharacter) {
  const std::u16string awkward = u"tab\there\\back\r\nline \u00e9\u4e2d\U0001F600";
  FileSettingsStore(file).SaveSetting(u"Zelvane", u"Lists", u"K1", awkward);
  FileSettingsStore store(file);
  EXPECT_EQ(store.GetSetting(u"Zelvane", u"Lists", u"K1", u"none"), awkward);
  EXPECT_EQ(store.GetSetting(u"ZELVANE", u"lists", u"k1", u"none"), awkward) << "names ignore case";
  EXPECT_EQ(store.GetSetting(u"Zelvane", u"Lists", u"K2", u"none"), u"none");
  EXPECT_EQ(Read(file).find('\r'), std::string::npos) << "line breaks inside values are escaped";
}

TEST_F(FileSettingsStoreTest, ASaveReplacesTheFileWholeAndLeavesNoTemporaryFile) {
  FileSettingsStore store(file);
  store.SaveSetting(u"A", u"S", u"K", u"1");
  store.SaveSetting(u"A", u"S", u"K", u"2");
  store.SaveSetting(u"A", u"S", u"L", u"3");
  EXPECT_EQ(Read(file), "zelvane-settings 1\nA\tS\tK\t2\nA\tS\tL\t3\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

TEST_F(FileSettingsStoreTest, ACorruptFileReadsAsEmptyAndIsLeftAloneUntilTheNextSave) {
  const std::string corrupt = "zelvane-settings 1\nA\tS\tK\n";
  Write(file, corrupt);
  FileSettingsStore store(file);
  EXPECT_EQ(store.GetSetting(u"A", u"S", u"K", u"default"), u"default");
  EXPECT_TRUE(store.Entries().empty());
  EXPECT_EQ(Read(file), corrupt);
  store.SaveSetting(u"A", u"S", u"K", u"new");
  EXPECT_EQ(Read(file), "zelvane-settings 1\nA\tS\tK\tnew\n");
}

TEST_F(FileSettingsStoreTest, AFailedSaveRaisesError75AndKeepsTheOldFile) {
  FileSettingsStore store(file);
  store.SaveSetting(u"A", u"S", u"K", u"kept");
  fs::create_directory(fs::path(file) += ".tmp");  // the temporary file cannot be written
  try {
    store.SaveSetting(u"A", u"S", u"K", u"lost");
    FAIL() << "no error";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), 75);
  }
  EXPECT_EQ(store.GetSetting(u"A", u"S", u"K", u""), u"kept");
}

TEST_F(FileSettingsStoreTest, AMissingFileReadsAsTheDefault) {
  FileSettingsStore store(folder / "absent" / "settings.txt");
  EXPECT_EQ(store.GetSetting(u"A", u"S", u"K", u"d"), u"d");
}

class CorruptContentTest : public ::testing::TestWithParam<std::string> {};

TEST_P(CorruptContentTest, IsRejectedWhole) { EXPECT_FALSE(ParseSettingsFile(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Contents, CorruptContentTest,
                         ::testing::Values(std::string(""), std::string("other header\n"),
                                           std::string("zelvane-settings 1\nA\tS\tK\tV"),            // no final LF
                                           std::string("zelvane-settings 1\nA\tS\tK\tV\tX\n"),       // five fields
                                           std::string("zelvane-settings 1\nA\tS\tK\tbad\\q\n"),     // unknown escape
                                           std::string("zelvane-settings 1\nA\tS\tK\tend\\\n"),      // lone backslash
                                           std::string("zelvane-settings 1\nA\tS\tK\tcr\r\n"),       // raw CR
                                           std::string("zelvane-settings 1\nA\tS\tK\t\xff\xfe\n")));  // not UTF-8

TEST(SettingsFileFormat, AnEmptyListIsJustTheHeader) {
  EXPECT_EQ(FormatSettingsFile({}), "zelvane-settings 1\n");
  const auto parsed = ParseSettingsFile("zelvane-settings 1\n");
  ASSERT_TRUE(parsed.has_value());
  EXPECT_TRUE(parsed->empty());
}

TEST(MemorySettingsStore, KeepsTheFirstSpellingAndCountsCalls) {
  MemorySettingsStore store;
  store.SaveSetting(u"Zelvane", u"Lists", u"Key", u"a");
  store.SaveSetting(u"zelvane", u"LISTS", u"key", u"b");
  EXPECT_EQ(store.GetSetting(u"Zelvane", u"Lists", u"KEY", u""), u"b");
  ASSERT_EQ(store.Table().Entries().size(), 1u);
  EXPECT_EQ(store.Table().Entries()[0].key, u"Key");
  EXPECT_EQ(store.SaveCount(), 2);
  EXPECT_EQ(store.GetCount(), 1);
}

}  // namespace
}  // namespace zelvane::sim
