// The agreement text shown for a licence file: every line ends in CR LF,
// whatever the file's own line ends were.
#include "starter/licence_text.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

class LicenceTextTest : public testing::Test {
 protected:
  void SetUp() override {
    // One file per test: ctest runs the tests of this file side by side.
    path_ = (std::filesystem::temp_directory_path() /
             (std::string("licence_text_test_") +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
              std::to_string(::getpid()) + ".txt"))
                .string();
  }
  void TearDown() override { std::remove(path_.c_str()); }
  void Write(const std::string& bytes) {
    std::ofstream out(path_, std::ios::binary);
    out << bytes;
  }
  std::string path_;
};

TEST_F(LicenceTextTest, LinesEndInCrLf) {
  struct Case {
    const char* file;
    const char* text;
  };
  const Case cases[] = {
      {"one\ntwo\nthree\n", "one\r\ntwo\r\nthree\r\n"},
      {"one\r\ntwo\r\nthree\r\n", "one\r\ntwo\r\nthree\r\n"},
      {"one\ntwo\nthree", "one\r\ntwo\r\nthree\r\n"},  // last line without an end
      {"", ""},
      {"\n\n", "\r\n\r\n"},
      {"before\x1A"
       "after\n",
       "before\r\n"},  // Ctrl+Z ends a text file
  };
  for (const Case& c : cases) {
    Write(c.file);
    EXPECT_EQ(licence_text::ReadLicenceText(path_), c.text) << c.file;
  }
}

TEST_F(LicenceTextTest, NulBytesAreDropped) {
  Write(std::string("a\0b\nc\0", 6));
  EXPECT_EQ(licence_text::ReadLicenceText(path_), "ab\r\nc\r\n");
}

TEST_F(LicenceTextTest, MissingFileNamesTheFile) {
  EXPECT_EQ(licence_text::ReadLicenceText("no such dir/licence.txt"),
            "Failed to open the license agreement file no such dir/licence.txt");
}

TEST_F(LicenceTextTest, ReadingStopsAtTheCap) {
  Write(std::string(100, 'x') + "\n" + std::string(100, 'y') + "\n");
  EXPECT_EQ(licence_text::ReadLicenceText(path_, 150),
            std::string(100, 'x') + "\r\n" + std::string(49, 'y') + "\r\n");
}

}  // namespace

namespace {

// A line of megabytes would keep a word-wrapping text box busy for minutes:
// long lines are broken after their last blank, or at the limit without one.
TEST_F(LicenceTextTest, OverlongLinesAreBroken) {
  const size_t limit = licence_text::kMaxLineChars;
  const std::string words = std::string(limit - 10, 'a') + " " + std::string(20, 'b');
  Write(words + "\n" + std::string(limit * 2 + 5, 'c'));
  const std::string text = licence_text::ReadLicenceText(path_);
  EXPECT_EQ(text, std::string(limit - 10, 'a') + " \r\n" + std::string(20, 'b') + "\r\n" +
                      std::string(limit, 'c') + "\r\n" + std::string(limit, 'c') + "\r\n" +
                      std::string(5, 'c') + "\r\n");
}

}  // namespace

// A file whose name is longer than Windows takes is not opened, even where
// the system could open it.
TEST(LicenceTextLongName, NameOverThePathLimitIsNotOpened) {
  namespace fs = std::filesystem;
  fs::path folder = fs::temp_directory_path() / ("licence_long_" + std::to_string(::getpid()));
  fs::path deep = folder;
  while (deep.string().size() < 300) deep /= std::string(40, 'd');
  fs::create_directories(deep);
  const std::string name = (deep / "licence.txt").string();
  { std::ofstream(name) << "You agree.\n"; }
  EXPECT_EQ(licence_text::ReadLicenceText(name), licence_text::kOpenFailed + name);
  fs::remove_all(folder);
}
