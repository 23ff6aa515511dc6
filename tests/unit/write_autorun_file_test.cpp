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

// A disk that fills up: every write but the target's leaves half a file.
class HalfWritingFileSystem : public FakeFileSystem {
 public:
  bool WriteWholeFile(const std::string& path, const std::string& contents) override {
    files[path] = contents.substr(0, contents.size() / 2);
    return false;
  }
};

TEST(WriteAutorunFile, FailedTemporaryWriteKeepsTheOldFile) {
  HalfWritingFileSystem fs;
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

// Remembers where each write went.
class RecordingFileSystem : public FakeFileSystem {
 public:
  std::string written;
  bool WriteWholeFile(const std::string& path, const std::string& contents) override {
    written = path;
    return FakeFileSystem::WriteWholeFile(path, contents);
  }
};

TEST(WriteAutorunFile, WritesTheTemporaryFileBesideTheTarget) {
  RecordingFileSystem fs;
  fs.failReplace = true;
  EXPECT_FALSE(WriteAutorunFile(fs, kTarget, "new"));
  EXPECT_TRUE(text::StartsWith(fs.written, "E:\\cd\\autorun.inf")) << fs.written;
  EXPECT_NE(fs.written, kTarget);
  EXPECT_EQ(fs.written.find('\\', 6), std::string::npos) << fs.written;
  EXPECT_TRUE(fs.files.empty());
}

}  // namespace
