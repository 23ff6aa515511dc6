#include "config/autorun_config.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "fake_file_system.h"

using namespace std::string_literals;

namespace {

std::string Read(const std::string& contents, const std::string& key) {
  return config::ReadProfileString(contents, "autorun", key);
}

TEST(ReadProfileString, FollowsTheProfileRules) {
  struct Row {
    const char* what;
    std::string contents;
    const char* key;
    std::string expected;
  } rows[] = {
      {"names ignore case", "[AutoRun]\r\noPeN=x.exe\r\n", "OPEN", "x.exe"},
      {"first line wins", "[autorun]\nOPEN=a\nopen=b\n", "Open", "a"},
      {"key without '=' wins empty", "[autorun]\nOPEN\nOPEN=a\n", "OPEN", ""},
      {"blanks around names", "[ autorun ]\n \tOPEN \t= \ta b \t\n", "OPEN", "a b"},
      {"'=' in the value", "[autorun]\nA==b=c\n", "A", "=b=c"},
      {"double quotes", "[autorun]\nA=\"a b\"\n", "A", "a b"},
      {"single quotes", "[autorun]\nA='a b'\n", "A", "a b"},
      {"empty quotes", "[autorun]\nA=\"\"\n", "A", ""},
      {"lone quote kept", "[autorun]\nA=\"\n", "A", "\""},
      {"mismatched quotes kept", "[autorun]\nA='a\"\n", "A", "'a\""},
      {"inner quotes kept", "[autorun]\nA=x \"a\"\n", "A", "x \"a\""},
      {"only one pair goes", "[autorun]\nA=\"\"a\"\"\n", "A", "\"a\""},
      {"lone CR ends a line", "[autorun]\rA=1\rB=2\r\n", "A", "1"},
      {"other section skipped", "[x]\nA=no\n[autorun]\nA=yes\n", "A", "yes"},
      {"repeated section not searched", "[autorun]\nA=1\n[autorun]\nB=2\n", "B", ""},
      {"no section", "A=1\n", "A", ""},
      {"section without ']'", "[autorun\nA=1\n", "A", ""},
      {"prefix of a name", "[autorun]\nOPENX=1\nOPE=2\n", "OPEN", ""},
      {"comment is a name of its own", "[autorun]\n;A=1\nA=2 ; c\n", "A", "2 ; c"},
      {"NUL ends the value", "[autorun]\nA=ab\0cd\n"s, "A", "ab"},
      {"UTF-8 BOM skipped", "\xEF\xBB\xBF[autorun]\nA=1\n", "A", "1"},
      {"Ctrl-Z is white space", "[autorun]\nA=1\x1A", "A", "1"},
      {"empty file", "", "A", ""},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Read(row.contents, row.key), row.expected) << row.what;
    // The parsed section that AutorunConfig keeps gives the same answers.
    const config::ProfileSection section = config::ProfileSection::Parse(row.contents, "autorun");
    const std::string* parsed = section.Find(row.key);
    EXPECT_EQ(parsed ? *parsed : std::string(), row.expected) << row.what;
  }
}

TEST(ProfileSection, KeepsTheFirstLineOfEveryName) {
  auto section = config::ProfileSection::Parse(
      "[other]\nA=x\n[AUTORUN]\nA=1\nb\na=2\nB=3\n C = 4 \n[autorun]\nD=5\n", "autorun");
  EXPECT_EQ(section.Size(), 3u);
  ASSERT_NE(section.Find("a"), nullptr);
  EXPECT_EQ(*section.Find("a"), "1");
  ASSERT_NE(section.Find(" B "), nullptr);
  EXPECT_EQ(*section.Find(" B "), "");
  ASSERT_NE(section.Find("c"), nullptr);
  EXPECT_EQ(*section.Find("c"), "4");
  EXPECT_EQ(section.Find("D"), nullptr);
}

TEST(ReadProfileString, CutsValuesToTheBuffer) {
  const size_t limit = config::kValueBufferSize - 1;
  EXPECT_EQ(Read("[autorun]\nA=" + std::string(6000, 'x'), "A"), std::string(limit, 'x'));
  EXPECT_EQ(Read("[autorun]\nA=" + std::string(limit, 'x'), "A").size(), limit);
  // Quotes go first, so a quoted value that fills the buffer keeps every character.
  EXPECT_EQ(Read("[autorun]\nA=\"" + std::string(limit, 'x') + "\"", "A").size(), limit);
}

TEST(ReadProfileString, SurvivesBinaryGarbage) {
  std::string garbage;
  unsigned seed = 1;
  for (int i = 0; i < 200000; ++i) {
    seed = seed * 1103515245u + 12345u;
    garbage += static_cast<char>(seed >> 16);
  }
  EXPECT_EQ(Read(garbage + "\n[autorun]\nOPEN=x.exe\n", "OPEN"), "x.exe");
  EXPECT_EQ(Read(garbage, "OPEN").size() < config::kValueBufferSize, true);
}

TEST(ReadProfileString, ReadsTenMegabytesInLinearTime) {
  auto build = [](size_t lines) {
    std::string s = "[autorun]\r\n";
    for (size_t i = 0; i < lines; ++i) s += "Key" + std::to_string(i) + "=some value here\r\n";
    return s + "OPEN=last.exe\r\n";
  };
  // The best of three runs: a busy machine slows single runs, not the best one.
  auto time = [](const std::string& contents) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
      auto start = std::chrono::steady_clock::now();
      EXPECT_EQ(Read(contents, "open"), "last.exe");
      best = std::min(
          best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
  };
  std::string big = build(400000);  // about 10 MB
  ASSERT_GT(big.size(), 10u << 20);
  double small = time(build(40000));
  double large = time(big);
  // Ten times the text may not cost a hundred times the time (quadratic
  // behaviour would); loose bounds so that a busy machine does not fail it.
#ifdef VENDISC_SANITIZED
  EXPECT_LT(large, 20.0);  // the sanitizers make every access several times slower
#else
  EXPECT_LT(large, 5.0);
#endif
  EXPECT_LT(large, 40 * small + 0.05);
}

TEST(TypedReadings, FlagsKeywordsAndNumbers) {
  EXPECT_TRUE(config::IsOn("1"));
  for (const char* off : {"", "0", "yes", "true", "01", "1 "}) EXPECT_FALSE(config::IsOn(off));
  for (const char* one : {"1", "yes", "", "2"}) EXPECT_FALSE(config::IsSeveralFiles(one)) << one;
  EXPECT_TRUE(config::IsSeveralFiles("0"));
  EXPECT_TRUE(config::KeywordIs("startup", "Startup"));
  EXPECT_TRUE(config::KeywordIs("PROMPT", "Prompt"));
  EXPECT_FALSE(config::KeywordIs("Startup2", "Startup"));
  EXPECT_FALSE(config::KeywordIs("", "Startup"));
  EXPECT_EQ(config::NumberOr("abc", 0), 0);
  EXPECT_EQ(config::NumberOr("", 7), 7);
  EXPECT_EQ(config::NumberOr("3x", 0), 3);
  EXPECT_EQ(config::NumberOr("-12", 0), -12);
}

TEST(TypedReadings, JoinToFolderMakesDoubledBackslashesSingle) {
  EXPECT_EQ(config::JoinToFolder("E:\\", "logo.gif"), "E:\\logo.gif");
  EXPECT_EQ(config::JoinToFolder("E:\\cd", "img\\logo.gif"), "E:\\cd\\img\\logo.gif");
  EXPECT_EQ(config::JoinToFolder("E:\\cd", "\\img\\\\logo.gif"), "E:\\cd\\img\\logo.gif");
  EXPECT_EQ(config::JoinToFolder("\\\\server\\cd", "a.doc"), "\\\\server\\cd\\a.doc");
}

TEST(FileFromOpenValue, QuoteRules) {
  struct Row {
    const char* open;
    const char* file;
  } rows[] = {
      {"Vendisc.exe \"my file.doc\"", "my file.doc"},
      {"my file.doc", "my file.doc"},  // the reader already removed enclosing quotes
      {"Vendisc.exe", "Vendisc.exe"},
      {"", ""},
      {"Vendisc.exe \"unclosed.doc", "unclosed.doc"},
      {"\"x.doc", "\"x.doc"},  // a quote in the first place is left alone
      {"Vendisc.exe \"a.doc\" /s", "a.doc"},
      {"Vendisc.exe \"\"", ""},  // several files: no file, not a lone quote
      {"Vendisc.exe \" \"", ""},
  };
  for (const auto& row : rows) EXPECT_EQ(config::FileFromOpenValue(row.open), row.file) << row.open;
}

class AutorunConfigTest : public ::testing::Test {
 protected:
  FakeFileSystem fs;
  AutorunConfig autorun{fs};
};

TEST_F(AutorunConfigTest, PathAtADriveRootAndInAFolder) {
  fs.currentDirectory = "E:\\";
  EXPECT_EQ(autorun.Path(), "E:\\autorun.inf");
  fs.currentDirectory = "C:\\cd\\src";
  EXPECT_EQ(autorun.Path(), "C:\\cd\\src\\autorun.inf");
}

TEST_F(AutorunConfigTest, MissingFileReadsEmpty) {
  EXPECT_FALSE(autorun.Exists());
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "");
  EXPECT_EQ(autorun.File("icon"), "E:\\");
  fs.Put("autorun.inf", "[autorun]\r\nOPEN=x.exe\r\n");
  EXPECT_TRUE(autorun.Exists());
}

TEST_F(AutorunConfigTest, ValuesAreTrimmedAndTyped) {
  fs.Put("AUTORUN.INF",
         "[autorun]\r\nOPEN=Vendisc.exe \"my file.doc\"\r\nShowSplashScreen=1 \t\r\n"
         "RunOneAtATime=yes\r\nSplashScreenWhenToShow=startup\r\nMultiSourceFileCount=3x\r\n"
         "BackgroundWindowColour=\r\nSplashScreenImage=  img\\logo.gif\r\n"
         "Quoted=\"  padded  \"\r\n");
  EXPECT_EQ(config::FileFromOpenValue(autorun.ReadConfigValue("Open")), "my file.doc");
  EXPECT_TRUE(autorun.Flag("ShowSplashScreen"));
  EXPECT_FALSE(autorun.Flag("RunOneAtATime"));
  EXPECT_TRUE(autorun.Keyword("SplashScreenWhenToShow", "Startup"));
  EXPECT_EQ(autorun.Number("MultiSourceFileCount", 0), 3);
  EXPECT_EQ(autorun.Number("BackgroundWindowColour", 0), 0);
  EXPECT_EQ(autorun.File("SplashScreenImage"), "E:\\img\\logo.gif");
  EXPECT_EQ(autorun.ReadConfigValue("Quoted"), "padded");
}

TEST_F(AutorunConfigTest, EveryReadSeesTheFileAsItIsNow) {
  const std::string path = "E:\\autorun.inf";
  struct Row {
    const char* what;
    std::string contents;
    uint64_t writeTime;
    const char* expected;
    int reads;  // reads of the file after the change, over three key reads
  } rows[] = {
      {"unchanged: parsed once", "[autorun]\r\nOPEN=a.exe\r\n", 100, "a.exe", 0},
      {"size changed", "[autorun]\r\nOPEN=bb.exe\r\n", 100, "bb.exe", 1},
      {"same size, time changed", "[autorun]\r\nOPEN=cc.exe\r\n", 101, "cc.exe", 1},
      {"time moved back", "[autorun]\r\nOPEN=dd.exe\r\n", 50, "dd.exe", 1},
  };
  fs.files[path] = rows[0].contents;
  fs.writeTimes[path] = rows[0].writeTime;
  ASSERT_EQ(autorun.ReadConfigValue("Open"), "a.exe");
  for (const auto& row : rows) {
    fs.files[path] = row.contents;
    fs.writeTimes[path] = row.writeTime;
    fs.reads = 0;
    for (int i = 0; i < 3; ++i)
      EXPECT_EQ(autorun.ReadConfigValue("OPEN"), row.expected) << row.what;
    EXPECT_EQ(fs.reads, row.reads) << row.what;
  }
}

TEST_F(AutorunConfigTest, AGoneFileOrAnotherFolderIsNotServedFromTheCopy) {
  fs.Put("autorun.inf", "[autorun]\r\nOPEN=a.exe\r\n");
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "a.exe");
  fs.currentDirectory = "F:\\";
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "");
  fs.Put("autorun.inf", "[autorun]\r\nOPEN=a.exe\r\n");
  fs.currentDirectory = "E:\\";
  fs.files.erase("E:\\autorun.inf");
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "");
  // Back with the same size and time: read again, not the copy from before it went.
  fs.Put("autorun.inf", "[autorun]\r\nOPEN=b.exe\r\n");
  fs.reads = 0;
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "b.exe");
  EXPECT_EQ(fs.reads, 1);
}

TEST_F(AutorunConfigTest, AFileThatCannotBeReadGivesEmptyValues) {
  // Examined but not readable (locked, or gone between the two calls).
  struct UnreadableFileSystem : FakeFileSystem {
    bool ReadWholeFile(const std::string&, std::string*) const override { return false; }
  } unreadable;
  unreadable.Put("autorun.inf", "[autorun]\r\nOPEN=a.exe\r\n");
  EXPECT_EQ(AutorunConfig(unreadable).ReadConfigValue("OPEN"), "");
}

TEST_F(AutorunConfigTest, ReadingEveryKeyOfALargeFileReadsItOnce) {
  std::string contents = "[autorun]\r\n";
  for (int n = 1; n <= 3000; ++n) contents += "MultiSourceFile" + std::to_string(n) + "=f.txt\r\n";
  fs.Put("autorun.inf", contents);
  for (int n = 1; n <= 3000; ++n) {
    ASSERT_EQ(autorun.ReadConfigValue("multisourcefile" + std::to_string(n)), "f.txt");
  }
  EXPECT_EQ(fs.reads, 1);
}

TEST_F(AutorunConfigTest, OnlyTheHeadOfAHugeFileIsRead) {
  constexpr size_t kCap = config::kMaxAutorunBytes;
  // Pads the text with a filler line so that it ends `before` bytes short of the cap.
  auto padded = [](std::string head, size_t before) {
    head += "Filler=";
    head += std::string(kCap - before - head.size() - 2, 'x') + "\r\n";
    return head;
  };
  const std::string head = "[autorun]\r\nOPEN=a.exe\r\n";

  // "Cut=12" lies inside the cap and "345" beyond: the line goes, not a shortened value.
  fs.Put("autorun.inf", padded(head, 6) + "Cut=12345\r\nAfter=1\r\n" + std::string(1000, 'z'));
  EXPECT_EQ(autorun.ReadConfigValue("OPEN"), "a.exe");
  EXPECT_FALSE(autorun.HasKey("Cut"));
  EXPECT_FALSE(autorun.HasKey("After"));
  EXPECT_GT(fs.largestHeadAsked, 0u);
  EXPECT_LE(fs.largestHeadAsked, kCap);

  // A file of exactly the cap is read whole, its last line too.
  fs.Put("autorun.inf", padded(head, 6) + "Last=7");
  ASSERT_EQ(fs.files["E:\\autorun.inf"].size(), kCap);
  EXPECT_EQ(autorun.ReadConfigValue("Last"), "7");
}

}  // namespace

namespace {

TEST(FindProfileString, TellsAMissingKeyFromAnEmptyOne) {
  const std::string contents = "[autorun]\r\nEmpty=\r\nBare\r\nFull=x\r\n[other]\r\nLater=y\r\n";
  EXPECT_EQ(config::FindProfileString(contents, "autorun", "empty"), "");
  EXPECT_EQ(config::FindProfileString(contents, "autorun", "Bare"), "");
  EXPECT_EQ(config::FindProfileString(contents, "autorun", "Full"), "x");
  EXPECT_EQ(config::FindProfileString(contents, "autorun", "Later"), std::nullopt);
  EXPECT_EQ(config::FindProfileString(contents, "autorun", "Absent"), std::nullopt);
  EXPECT_EQ(config::FindProfileString(contents, "none", "Full"), std::nullopt);
}

}  // namespace
