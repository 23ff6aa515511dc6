#include "starter/splash_settings.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "config/autorun_config.h"
#include "fake_file_system.h"

namespace {

class SplashSettingsTest : public ::testing::Test {
 protected:
  void Autorun(const std::string& body) { fs.Put("autorun.inf", "[autorun]\r\n" + body); }
  FakeFileSystem fs;
  AutorunConfig config{fs};
};

TEST_F(SplashSettingsTest, TemplateAndModeComeFromDifferentKeys) {
  struct Row {
    const char* keys;
    bool untitled;
    std::string picturePath;
  } rows[] = {
      {"SplashScreenUseImage=1\r\nSplashScreenImage=pics\\\\s.jpg\r\n", true, "E:\\pics\\s.jpg"},
      // Picture mode without a picture: the folder itself, which then fails to load.
      {"SplashScreenUseImage=1\r\n", false, "E:\\"},
      // A picture named but not used: a text splash in the untitled template.
      {"SplashScreenUseImage=0\r\nSplashScreenImage=s.jpg\r\n", true, ""},
      {"", false, ""},
  };
  for (const Row& row : rows) {
    Autorun(row.keys);
    const splash::Settings settings = splash::ReadSettings(config, "f.doc");
    EXPECT_EQ(settings.untitled, row.untitled) << row.keys;
    EXPECT_EQ(settings.picturePath, row.picturePath) << row.keys;
  }
}

TEST_F(SplashSettingsTest, ShowForTimeIsTheLeadingNumber) {
  struct Row {
    const char* value;
    int32_t seconds;
  } rows[] = {{"", 0}, {"abc", 0}, {"0", 0}, {"5", 5}, {"12s", 12}, {"-3", -3}};
  for (const Row& row : rows) {
    Autorun(std::string("SplashScreenImageShowForSecs=") + row.value + "\r\n");
    EXPECT_EQ(splash::ReadSettings(config, "").showForSeconds, row.seconds) << row.value;
  }
}

TEST(SplashHideTimer, SecondsBecomeAPeriodThatNeverWraps) {
  struct Row {
    int32_t seconds;
    uint32_t periodMs;
  } rows[] = {
      {0, 0},
      {-1, 0},
      {INT32_MIN, 0},
      {1, 1000},
      {2147483, 2147483000u},
      // Past the largest period a window timer takes: clamped, not cut short.
      {2147484, splash::kMaxTimerPeriodMs},
      // Times 1000 this wraps to 704 ms in 32 bits.
      {4294968, splash::kMaxTimerPeriodMs},
      {INT32_MAX, splash::kMaxTimerPeriodMs},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(splash::HideTimerPeriodMs(row.seconds), row.periodMs) << row.seconds;
  }
}

TEST_F(SplashSettingsTest, LinesReplaceEveryFileNameToken) {
  Autorun(
      "SplashScreenLine1=Opening <FILE_NAME>\r\nSplashScreenLine2=<file_name>\r\n"
      "SplashScreenLine3=<FILE_NAME> and <FILE_NAME>\r\n");
  const splash::Settings settings = splash::ReadSettings(config, "docs\\a.pdf");
  EXPECT_EQ(settings.lines,
            (splash::Lines{"Opening docs\\a.pdf", "<file_name>", "docs\\a.pdf and docs\\a.pdf"}));
  EXPECT_EQ(splash::ReadLines(config, ""), (splash::Lines{"Opening ", "<file_name>", " and "}));
}

TEST_F(SplashSettingsTest, PictureModeReadsNoLinesAndNoFont) {
  Autorun(
      "SplashScreenUseImage=1\r\nSplashScreenImage=s.jpg\r\nSplashScreenLine1=x\r\n"
      "SplashFontName=Arial\r\n");
  const splash::Settings settings = splash::ReadSettings(config, "");
  EXPECT_EQ(settings.lines, splash::Lines{});
  EXPECT_FALSE(settings.font);
}

TEST_F(SplashSettingsTest, FontFromItsKeys) {
  Autorun(
      "SplashFontName=Times New Roman\r\nSplashFontWeight=700\r\nSplashFontItalic=1\r\n"
      "SplashFontHeight=14\r\n");
  auto font = splash::ReadSettings(config, "").font;
  ASSERT_TRUE(font);
  EXPECT_EQ(font->face, "Times New Roman");
  EXPECT_EQ(font->weight, 700);
  EXPECT_TRUE(font->italic);
  EXPECT_EQ(font->points, 14);

  // Empty keys leave their fields 0; a long face name is cut.
  Autorun("SplashFontName=" + std::string(40, 'F') + "\r\nSplashFontItalic=0\r\n");
  font = splash::ReadSettings(config, "").font;
  ASSERT_TRUE(font);
  EXPECT_EQ(font->face, std::string(splash::kFaceNameChars, 'F'));
  EXPECT_EQ(font->weight, 0);
  EXPECT_FALSE(font->italic);
  EXPECT_EQ(font->points, 0);

  Autorun("SplashFontWeight=700\r\n");
  EXPECT_FALSE(splash::ReadSettings(config, "").font);
}

TEST(SplashLines, PlaceholderOnlyWhenAllThreeAreEmpty) {
  EXPECT_EQ(splash::LinesToShow({}), (splash::Lines{splash::kNoLinesText, "", ""}));
  EXPECT_EQ(splash::LinesToShow({"", "", "c"}), (splash::Lines{"", "", "c"}));
}

}  // namespace
