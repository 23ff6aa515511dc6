// Replacing autorun.inf on a real file system: the old file survives every
// failure and no temporary file is left behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "common/win32/handles.h"
#include "common/win32/win32_file_system.h"
#include "config/autorun_writer.h"
#include "temp_folder.h"

namespace {

class AutorunWriterOnWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(temp_.ok());
    folder_ = temp_.Path();
    target_ = folder_ + "\\autorun.inf";
    ASSERT_TRUE(fs_.WriteWholeFile(target_, "old\r\n"));
  }

  std::string Contents(const std::string& path) {
    std::string contents;
    EXPECT_TRUE(fs_.ReadWholeFile(path, &contents)) << path;
    return contents;
  }

  // Names of the files in the folder, separated by "|".
  std::string Listing() {
    std::string names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder_ + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        names += std::string(data.cFileName) + "|";
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
  }

  Win32FileSystem fs_;
  test_support::TempFolder temp_{"vendisc_writer"};
  std::string folder_;
  std::string target_;
};

TEST_F(AutorunWriterOnWindows, ReplacesAnExistingFile) {
  EXPECT_TRUE(WriteAutorunFile(fs_, target_, "[autorun]\r\nOPEN=Vendisc.exe \"a.txt\"\r\n"));
  EXPECT_EQ(Contents(target_), "[autorun]\r\nOPEN=Vendisc.exe \"a.txt\"\r\n");
  EXPECT_EQ(Listing(), "autorun.inf|");
  // The profile reader sees the new file at once.
  char value[64] = {};
  GetPrivateProfileStringA("autorun", "open", "", value, sizeof value, target_.c_str());
  EXPECT_STREQ(value, "Vendisc.exe \"a.txt\"");
}

TEST_F(AutorunWriterOnWindows, ReadOnlyTargetIsLeftAlone) {
  ASSERT_TRUE(SetFileAttributesA(target_.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteAutorunFile(fs_, target_, "new\r\n"));
  EXPECT_EQ(Contents(target_), "old\r\n");
  EXPECT_EQ(Listing(), "autorun.inf|");
}

TEST_F(AutorunWriterOnWindows, TargetHeldOpenWithoutSharingIsLeftAlone) {
  {
    win32::FileHandle lock(CreateFileA(target_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(WriteAutorunFile(fs_, target_, "new\r\n"));
  }
  EXPECT_EQ(Contents(target_), "old\r\n");
  EXPECT_EQ(Listing(), "autorun.inf|");
}

TEST_F(AutorunWriterOnWindows, FolderThatCannotHoldFilesFails) {
  // A "folder" that is really a file, and one that does not exist.
  ASSERT_TRUE(fs_.WriteWholeFile(folder_ + "\\plain.txt", "x"));
  EXPECT_FALSE(WriteAutorunFile(fs_, folder_ + "\\plain.txt\\autorun.inf", "new\r\n"));
  EXPECT_FALSE(WriteAutorunFile(fs_, folder_ + "\\missing\\autorun.inf", "new\r\n"));
  EXPECT_EQ(Contents(target_), "old\r\n");
  EXPECT_EQ(Contents(folder_ + "\\plain.txt"), "x");
  EXPECT_EQ(Listing(), "autorun.inf|plain.txt|");
}

TEST_F(AutorunWriterOnWindows, StaleTemporaryFileIsReplaced) {
  const std::string temp = target_ + kAutorunTempSuffix;
  ASSERT_TRUE(fs_.WriteWholeFile(temp, "left over from a crash"));
  EXPECT_TRUE(WriteAutorunFile(fs_, target_, "new\r\n"));
  EXPECT_EQ(Contents(target_), "new\r\n");
  EXPECT_EQ(Listing(), "autorun.inf|");
}

}  // namespace
