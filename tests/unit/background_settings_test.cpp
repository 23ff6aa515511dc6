#include "starter/background_settings.h"

#include <gtest/gtest.h>

#include "config/autorun_config.h"
#include "fake_file_system.h"

namespace background {
namespace {

TEST(BackgroundSettings, Colour) {
  struct Row {
    const char* value;
    uint32_t colour;
  } rows[] = {
      {"", kBlack},           {"0", kBlack},   {"255", 0x0000FF},  {"16777215", kWhite},
      {"65280abc", 0x00FF00}, {"abc", kWhite}, {"-1", 0xFFFFFFFF},
  };
  for (const Row& r : rows) EXPECT_EQ(ColourFromValue(r.value), r.colour) << r.value;
}

TEST(BackgroundSettings, CloseButtonCaption) {
  EXPECT_EQ(CloseButtonCaption(""), "Close");
  EXPECT_EQ(CloseButtonCaption("Shut"), "Shut");
}

TEST(BackgroundSettings, ReadsPicturesAndCloseButton) {
  FakeFileSystem fs;
  fs.currentDirectory = "E:\\";
  fs.Put("autorun.inf",
         "[autorun]\r\n"
         "BackgroundWindowColour= 255 \r\n"
         "BackgroundFullScreenImageFile1=pics\\\\a.jpg\r\n"
         "BackgroundFullScreenImageFileMode1=Top, Left\r\n"
         "BackgroundFullScreenImageFileBorder1=12\r\n"
         "BackgroundFullScreenImageFileMode2=Bottom, Right\r\n"
         "BackgroundFullScreenImageFileBorder2=7\r\n"
         "BackgroundHaveCloseButton=1\r\n"
         "BackgroundCloseButtonText=Away\r\n");
  AutorunConfig config(fs);
  const Settings s = ReadSettings(config);
  EXPECT_EQ(s.colour, 0x0000FFu);
  EXPECT_EQ(s.pictures[0].path, "E:\\pics\\a.jpg");
  EXPECT_EQ(s.pictures[0].position, "Top, Left");
  EXPECT_EQ(s.pictures[0].border, 12);
  // No file: the picture's other keys do not matter.
  EXPECT_EQ(s.pictures[1].path, "");
  EXPECT_EQ(s.pictures[1].position, "");
  EXPECT_EQ(s.pictures[1].border, 0);
  EXPECT_TRUE(s.hasCloseButton);
  EXPECT_EQ(s.closeButtonText, "Away");
}

TEST(BackgroundSettings, EmptyBorderIsZeroAndNoButtonWithoutTheFlag) {
  FakeFileSystem fs;
  fs.Put("autorun.inf",
         "[autorun]\r\n"
         "BackgroundFullScreenImageFile2=b.gif\r\n"
         "BackgroundFullScreenImageFileBorder2=\r\n"
         "BackgroundHaveCloseButton=yes\r\n"
         "BackgroundCloseButtonText=Away\r\n");
  AutorunConfig config(fs);
  const Settings s = ReadSettings(config);
  EXPECT_EQ(s.colour, kBlack);
  EXPECT_EQ(s.pictures[1].path, "E:\\b.gif");
  EXPECT_EQ(s.pictures[1].border, 0);
  EXPECT_FALSE(s.hasCloseButton);
  EXPECT_EQ(s.closeButtonText, "");
}

}  // namespace
}  // namespace background
