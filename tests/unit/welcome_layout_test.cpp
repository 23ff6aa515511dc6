#include "starter/welcome_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace layout {
namespace {

int32_t TenPerChar(std::string_view s) { return static_cast<int32_t>(s.size()) * 10; }

DialogMetrics Metrics(Size workArea = {1024, 768}) {
  DialogMetrics m;
  m.captionHeight = 18;
  m.frameWidth = 3;
  m.workArea = workArea;
  m.okButton = {88, 23};  // gap 33
  m.cancelHeight = 23;
  return m;
}

WelcomeInput TextInput() {
  WelcomeInput in;
  in.metrics = Metrics();
  in.client = {390, 330};
  in.titleControlWidth = 373;  // wraps at 350
  in.title = "Welcome to the CD";
  in.titleWidth = TenPerChar;
  in.titleLineHeight = 13;
  in.useText = true;
  in.hasLink = true;
  in.linkTextHeight = 13;
  return in;
}

TEST(WelcomeLayout, FitsPictures) {
  struct Row {
    Size picture;
    bool withText;
    Size fitted;
  } rows[] = {
      {{1000, 200}, false, {512, 102}},  // 1000 > 1024 - 3 - 18 - 100: by 1000 / 512
      {{903, 647}, false, {903, 647}},   // at the limits
      {{300, 100}, true, {341, 113}},    // 300 > 256: enlarged to a third
      {{250, 100}, true, {250, 100}},   {{1000, 100}, true, {340, 34}},
      {{200, 600}, true, {85, 256}},  // only the height is over: by 600 / 256
  };
  for (const Row& r : rows) {
    EXPECT_EQ(FitWelcomePicture(Metrics(), r.picture, r.withText), r.fitted)
        << r.picture.width << "x" << r.picture.height << (r.withText ? " with text" : "");
  }
}

TEST(WelcomeLayout, TextOnlyKeepsTheTemplateSize) {
  WelcomeInput in = TextInput();
  WelcomeLayout out = LayoutWelcome(in);
  EXPECT_FALSE(out.dialog);
  EXPECT_EQ(out.title, (Rect{5, 5, 373, 18}));
  EXPECT_EQ(out.message, (Rect{5, 25, 380, 330 - 13 - 18 - 33 - 18}));
  EXPECT_EQ(out.separator, (Rect{5, 294, 380, 2}));
  EXPECT_FALSE(out.okButton);
  EXPECT_FALSE(out.hideLink);
  EXPECT_FALSE(out.hideTitle);

  in.hasLink = false;  // the message gains the link's space
  out = LayoutWelcome(in);
  EXPECT_TRUE(out.hideLink);
  EXPECT_EQ(out.message, (Rect{5, 25, 380, 330 - 18 - 33 - 18 + 5}));

  const std::string longTitle(1000, 'x');
  in.title = longTitle;
  out = LayoutWelcome(in);
  EXPECT_EQ(out.title->height, 105);  // 29 lines, capped at 100, plus 5
}

TEST(WelcomeLayout, NeitherTextNorPictureChangesNothing) {
  WelcomeInput in = TextInput();
  in.useText = false;
  const WelcomeLayout out = LayoutWelcome(in);
  EXPECT_FALSE(out.title || out.message || out.link || out.separator || out.okButton);
  EXPECT_FALSE(out.hideTitle || out.hideMessage || out.hideLink || out.hideSeparator);
}

TEST(WelcomeLayout, PictureOnly) {
  WelcomeInput in = TextInput();
  in.useText = false;
  in.usePicture = true;
  in.picture = Size{1000, 200};
  const WelcomeLayout out = LayoutWelcome(in);
  EXPECT_EQ(out.picture, (Size{512, 102}));
  EXPECT_EQ(out.dialog, (Size{518, 102 + 6 + 33 + 18}));
  EXPECT_EQ(out.picturePosition, (Point{0, 0}));
  // Client 512 x 135.
  EXPECT_EQ(out.okButton, (Rect{518 - 176 - 20, 107, 88, 23}));
  EXPECT_EQ(out.cancelButton, (Rect{415, 107, 88, 23}));
  EXPECT_TRUE(out.hideTitle && out.hideMessage && out.hideLink && out.hideSeparator);
}

TEST(WelcomeLayout, PictureWithTextByLocation) {
  struct Row {
    const char* location;
    Size picture;
    bool link;
    Size dialog;
    Point picturePosition;
    Rect message;
  } rows[] = {
      // A narrow side picture still gets a 300-pixel text column.
      {"Left of text", {100, 100}, false, {406, 167}, {0, 0}, {105, 5, 290, 95}},
      {"RIGHT OF TEXT", {100, 100}, false, {406, 167}, {300, 0}, {5, 5, 290, 95}},
      {"Left of text", {100, 100}, true, {406, 167}, {0, 0}, {105, 5, 290, 75}},
      {"Along the top", {300, 100}, false, {347, 430}, {0, 0}, {5, 118, 331, 245}},
      {"Along the bottom", {300, 100}, false, {347, 430}, {0, 250}, {5, 5, 331, 240}},
      // Unrecognised: laid out along the top rather than hiding the message.
      {"Somewhere", {300, 100}, false, {347, 430}, {0, 0}, {5, 118, 331, 245}},
      {"", {300, 100}, false, {347, 430}, {0, 0}, {5, 118, 331, 245}},
  };
  for (const Row& r : rows) {
    WelcomeInput in = TextInput();
    in.usePicture = true;
    in.picture = r.picture;
    in.location = r.location;
    in.hasLink = r.link;
    const WelcomeLayout out = LayoutWelcome(in);
    EXPECT_EQ(out.dialog, r.dialog) << r.location;
    EXPECT_EQ(out.picturePosition, r.picturePosition) << r.location;
    EXPECT_EQ(out.message, r.message) << r.location;
    EXPECT_EQ(out.hideLink, !r.link) << r.location;
    EXPECT_TRUE(out.hideTitle);
    EXPECT_FALSE(out.hideMessage || out.hideSeparator);
  }
}

TEST(WelcomeLayout, LinkSitsAtTheBottomOfTheTextArea) {
  WelcomeInput in = TextInput();
  in.usePicture = true;
  in.picture = Size{100, 100};
  in.location = "Left of text";
  const Rect area{105, 5, 290, 95};
  for (int32_t textH : {13, 16}) {
    in.linkTextHeight = textH;
    const int32_t linkH = textH < 15 ? 20 : textH + 5;
    const WelcomeLayout out = LayoutWelcome(in);
    EXPECT_EQ(out.link, (Rect{105, area.top + area.height - linkH + 5, 290, linkH}));
    EXPECT_EQ(out.message->height, area.height - linkH);
  }
}

TEST(WelcomeLayout, DialogKeptWithinTheWorkArea) {
  // Too high: the band loses the excess rounded up to 50.
  WelcomeInput in = TextInput();
  in.metrics = Metrics({1024, 400});
  in.usePicture = true;
  in.picture = Size{200, 90};
  in.location = "Along the top";
  in.hasLink = false;
  WelcomeLayout out = LayoutWelcome(in);
  EXPECT_EQ(out.dialog, (Size{206, 357}));  // 407 - 50
  EXPECT_EQ(out.message, (Rect{5, 95, 190, 195}));

  // Too wide: the column narrows by 50s to 250.
  in.metrics = Metrics({380, 768});
  in.location = "Right of text";
  in.picture = Size{90, 90};
  out = LayoutWelcome(in);
  EXPECT_EQ(out.dialog, (Size{346, 90 + 6 + 33 + 18 + 10}));
  EXPECT_EQ(out.picturePosition, (Point{250, 0}));

  // Still too wide at a 200 column: the picture shrinks to what is left.
  in.metrics = Metrics({250, 768});
  in.picture = Size{60, 60};
  out = LayoutWelcome(in);
  EXPECT_EQ(out.picture, (Size{43, 43}));
  EXPECT_EQ(out.dialog, (Size{249, 43 + 6 + 33 + 18 + 10}));
}

TEST(WelcomeLayout, FailedPictureHidesOnlyTheTitle) {
  WelcomeInput in = TextInput();
  in.usePicture = true;  // asked for, but not loaded
  WelcomeLayout out = LayoutWelcome(in);
  EXPECT_FALSE(out.dialog);
  EXPECT_TRUE(out.hideTitle);
  EXPECT_EQ(out.message, (Rect{5, 25, 380, 248}));
  in.useText = false;
  out = LayoutWelcome(in);
  EXPECT_TRUE(out.hideTitle && out.hideMessage && out.hideLink && out.hideSeparator);
}

}  // namespace
}  // namespace layout
