// The file-system adapter and the autorun reader against real files.
#include "common/win32/win32_file_system.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/file_path.h"
#include "config/autorun_config.h"
#include "temp_folder.h"

namespace {

class Win32FileSystemTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.ok());
    folder_ = temp_.Path();
  }
  std::string In(const char* name) const { return temp_.PathOf(name); }

  test_support::TempFolder temp_{"vendisc_fs"};
  Win32FileSystem fs_;
  std::string folder_;
};

TEST_F(Win32FileSystemTest, WritesReadsStampsReplacesAndDeletes) {
  const std::string a = In("a.txt"), b = In("b.txt");
  std::string binary("line\r\n\0\xFF end", 12);
  ASSERT_TRUE(fs_.WriteWholeFile(a, binary));
  EXPECT_TRUE(fs_.FindFile(a));
  EXPECT_TRUE(fs_.FindFile(folder_ + "\\*.txt"));
  std::string back;
  ASSERT_TRUE(fs_.ReadWholeFile(a, &back));
  EXPECT_EQ(back, binary);

  uint64_t size = 0, time = 0;
  ASSERT_TRUE(fs_.Stamp(a, &size, &time));
  EXPECT_EQ(size, binary.size());
  EXPECT_NE(time, 0u);

  ASSERT_TRUE(fs_.WriteWholeFile(b, "new"));
  ASSERT_TRUE(fs_.MoveReplacing(b, a));
  EXPECT_FALSE(fs_.FindFile(b));
  ASSERT_TRUE(fs_.ReadWholeFile(a, &back));
  EXPECT_EQ(back, "new");

  EXPECT_TRUE(fs_.DeletePath(a));
  EXPECT_FALSE(fs_.FindFile(a));
  EXPECT_FALSE(fs_.ReadWholeFile(a, &back));
  EXPECT_FALSE(fs_.Stamp(a, &size, &time));
  EXPECT_FALSE(fs_.DeletePath(a));
}

TEST_F(Win32FileSystemTest, ReadsAFileLargerThanOneChunk) {
  std::string big(3u << 20, 'z');
  big[1u << 20] = 'y';
  ASSERT_TRUE(fs_.WriteWholeFile(In("big.bin"), big));
  std::string back;
  ASSERT_TRUE(fs_.ReadWholeFile(In("big.bin"), &back));
  EXPECT_EQ(back, big);
}

TEST_F(Win32FileSystemTest, ReadsOnlyTheHeadAskedFor) {
  ASSERT_TRUE(fs_.WriteWholeFile(In("head.bin"), "0123456789"));
  struct Row {
    size_t maxBytes;
    const char* expected;
  } rows[] = {{4, "0123"}, {10, "0123456789"}, {100, "0123456789"}, {0, ""}};
  for (const Row& row : rows) {
    std::string back = "old";
    ASSERT_TRUE(fs_.ReadFileHead(In("head.bin"), row.maxBytes, &back)) << row.maxBytes;
    EXPECT_EQ(back, row.expected) << row.maxBytes;
  }
  std::string back;
  EXPECT_FALSE(fs_.ReadFileHead(In("missing.bin"), 4, &back));
}

TEST_F(Win32FileSystemTest, AutorunConfigReadsTheFileInTheCurrentDirectory) {
  char saved[MAX_PATH + 1] = {};
  ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  AutorunConfig autorun(fs_);
  EXPECT_FALSE(autorun.Exists());
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "");
  ASSERT_TRUE(fs_.WriteWholeFile(In("autorun.inf"),
                                 "[autorun]\r\nOPEN=Vendisc.exe \"my file.doc\"\r\n"
                                 "ShowSplashScreen= 1 \r\nicon=cd.ico\r\n"));
  EXPECT_TRUE(autorun.Exists());
  EXPECT_EQ(autorun.Path(), folder_ + "\\autorun.inf");
  EXPECT_EQ(config::FileFromOpenValue(autorun.ReadConfigValue("Open")), "my file.doc");
  EXPECT_TRUE(autorun.Flag("showsplashscreen"));
  EXPECT_EQ(autorun.File("icon"), folder_ + "\\cd.ico");
  EXPECT_EQ(FilePath::CurrentDirectory(fs_), folder_);
  EXPECT_TRUE(FilePath(autorun.Path()).Exists(fs_));
  SetCurrentDirectoryA(saved);
}

TEST(Win32FileSystemRoot, ADriveRootGivesOneBackslash) {
  char saved[MAX_PATH + 1] = {};
  ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  Win32FileSystem fs;
  EXPECT_EQ(fs.CurrentDirectory(), "C:\\");
  EXPECT_EQ(AutorunConfig(fs).Path(), "C:\\autorun.inf");
  SetCurrentDirectoryA(saved);
}

}  // namespace
