// Replacing autorun.inf through a temporary file, against the in-memory file
// system: a failure at any step keeps the old file and leaves nothing behind.
#include <gtest/gtest.h>

#include <string>

#include "common/text.h"
#include "config/autorun_writer.h"
#include "fake_file_system.h"

namespace {

const char kTarget[] = "E:\\cd\\autorun.inf";

TEST(WriteAutorunFile, ReplacesTheOldFileAndLeavesNoTemporaryFile) {
  FakeFileSystem fs;
  fs.files[kTarget] = "old";
  fs.files["E:\\cd\\a.txt"] = "author's";
  EXPECT_TRUE(WriteAutorunFile(fs, kTarget, "new\r\n"));
  EXPECT_EQ(fs.files[kTarget], "new\r\n");
  EXPECT_EQ(fs.files["E:\\cd\\a.txt"], "author's");
  EXPECT_EQ(fs.files.size(), 2u);
}

TEST(WriteAutorunFile, CreatesAMissingFile) {
  FakeFileSystem fs;
  EXPECT_TRUE(WriteAutorunFile(fs, kTarget, "x"));
  EXPECT_EQ(fs.files.size(), 1u);
  EXPECT_EQ(fs.files[kTarget], "x");
}

// A disk that fills up: the temporary file is left half written.
TEST(WriteAutorunFile, FailedTemporaryWriteKeepsTheOldFile) {
  FakeFileSystem fs;
  fs.halfWrites = true;
  fs.files[kTarget] = "old";
  EXPECT_FALSE(WriteAutorunFile(fs, kTarget, "new contents"));
  EXPECT_EQ(fs.files[kTarget], "old");
  EXPECT_EQ(fs.files.size(), 1u);
}

TEST(WriteAutorunFile, FailedRenameKeepsTheOldFileAndRemovesTheTemporaryFile) {
  FakeFileSystem fs;
  fs.files[kTarget] = "old";
  fs.failReplace = true;
  EXPECT_FALSE(WriteAutorunFile(fs, kTarget, "new"));
  EXPECT_EQ(fs.files[kTarget], "old");
  EXPECT_EQ(fs.files.size(), 1u);
}

TEST(WriteAutorunFile, WritesTheTemporaryFileBesideTheTarget) {
  FakeFileSystem fs;
  fs.failReplace = true;
  EXPECT_FALSE(WriteAutorunFile(fs, kTarget, "new"));
  ASSERT_EQ(fs.writes.size(), 1u);
  const std::string& written = fs.writes.back();
  EXPECT_TRUE(text::StartsWith(written, "E:\\cd\\autorun.inf")) << written;
  EXPECT_NE(written, kTarget);
  EXPECT_EQ(written.find('\\', 6), std::string::npos) << written;
  EXPECT_TRUE(fs.files.empty());
}

}  // namespace
