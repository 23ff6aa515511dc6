// The display option dialogs' rules: loading with and without stored values,
// enabling as truth tables, the splash font, and what leaving checks, asks
// and saves, in order.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "wizard/pages/background_page_rules.h"
#include "wizard/pages/display_rules.h"
#include "wizard/pages/display_texts.h"
#include "wizard/pages/splash_page_rules.h"
#include "wizard/pages/welcome_screen_rules.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {

using namespace keys;
namespace ws = wizard_settings;
namespace tx = display_texts;

// Records each check as "require|check <label>: <path>" and refuses the
// paths listed as missing.
class FakeImageChecks : public ImageFileChecks {
 public:
  std::set<std::string> missing;
  std::vector<std::string> log;
  bool RequireFile(const std::string& path, const std::string& label) override {
    log.push_back("require " + label + ": " + path);
    return missing.count(path) == 0;
  }
  bool CheckChosenFile(const std::string& path, const std::string& label) override {
    log.push_back("check " + label + ": " + path);
    return missing.count(path) == 0;
  }
};

struct DisplayDialogs : ::testing::Test {
  FakeRegistryBackend registry;
  WizardSettings settings{registry};
  FakeWizardQuestions questions;
  FakeImageChecks checks;
};

// --- Shared rules ---

TEST(DisplayRules, LineBreaksAndTagsBothWays) {
  struct Row {
    const char* shown;
    const char* stored;
  };
  const Row toTags[] = {{"a\r\nb\r\nc", "a<br>b<br>c"},
                        {"a\rb\nc", "a<br>b<br>c"},
                        {"a\n\rb", "a<br><br>b"},  // LF then CR: two lone breaks
                        {"\r\n\r\n", "<br><br>"},
                        {"no breaks", "no breaks"}};
  for (const Row& r : toTags) EXPECT_EQ(display_rules::LineBreaksToTags(r.shown), r.stored);
  EXPECT_EQ(display_rules::TagsToLineBreaks("a<br>b<br><br>c"), "a\r\nb\r\n\r\nc");
  EXPECT_EQ(display_rules::TagsToLineBreaks("a<BR>b"), "a<BR>b");  // as the starter splits
  const std::string typed = "Line one\r\nLine two\r\nLine three";
  EXPECT_EQ(display_rules::TagsToLineBreaks(display_rules::LineBreaksToTags(typed)), typed);
}

TEST(DisplayRules, CutNeverSplitsALineBreak) {
  EXPECT_EQ(display_rules::CutTo("abcdef", 4), "abcd");
  EXPECT_EQ(display_rules::CutTo("abc", 4), "abc");
  EXPECT_EQ(display_rules::CutTo("ab\r\ncd", 3), "ab");
  EXPECT_EQ(display_rules::CutTo("ab\r\ncd", 4), "ab\r\n");
}

TEST_F(DisplayDialogs, ImagesShowInTheConfigurationFolder) {
  EXPECT_EQ(display_rules::ShownImagePath(settings, kSplashScreenImage), "");
  settings.SetText(kSplashScreenImage, "C:\\old place\\logo.bmp");
  settings.SetText(ws::kSourceFolder, "D:\\cd");
  EXPECT_EQ(display_rules::ShownImagePath(settings, kSplashScreenImage), "D:\\cd\\logo.bmp");
  settings.SetText(kSplashScreenImage, "logo.bmp");
  EXPECT_EQ(display_rules::ShownImagePath(settings, kSplashScreenImage), "D:\\cd\\logo.bmp");
}

// --- Splash screen ---

TEST_F(DisplayDialogs, SplashLoadsDefaultsAndProposesLinesUntilSavedSwitchedOn) {
  splash_page::State s = splash_page::Load(settings);
  EXPECT_FALSE(s.enabled);
  EXPECT_EQ(s.whenToShow, 0);
  EXPECT_EQ(s.seconds, 0);
  EXPECT_TRUE(s.useImage);
  EXPECT_EQ(s.image, "");
  EXPECT_EQ(s.lines[0], "Loading CD");
  EXPECT_EQ(s.lines[1], "");
  EXPECT_EQ(s.lines[2], "Please wait whilst the CD is loaded");

  settings.SetText(SplashScreenLine(1), "Mine");
  settings.SetText(SplashScreenLine(3), "");
  s.enabled = true;
  s.useImage = false;
  s.lines[0] = "Mine";
  s.lines[2] = "";
  ASSERT_TRUE(splash_page::Leave(s, settings, questions, checks));
  s.enabled = false;  // switched off later: the author's lines stay theirs
  ASSERT_TRUE(splash_page::Leave(s, settings, questions, checks));
  const splash_page::State again = splash_page::Load(settings);
  EXPECT_EQ(again.lines[0], "Mine");
  EXPECT_EQ(again.lines[2], "");
  EXPECT_FALSE(again.useImage);
}

TEST_F(DisplayDialogs, SplashWhenToShowKeywords) {
  struct Row {
    const char* stored;
    int index;
  };
  const Row rows[] = {{"", 0}, {"Startup", 0}, {"STARTUP", 0}, {"FileLoad", 1}, {"other", 1}};
  for (const Row& r : rows) {
    settings.SetText(kSplashScreenWhenToShow, r.stored);
    EXPECT_EQ(splash_page::Load(settings).whenToShow, r.index) << r.stored;
  }
  splash_page::State s = splash_page::Load(settings);
  for (int index : {0, 1}) {
    s.whenToShow = index;
    ASSERT_TRUE(splash_page::Leave(s, settings, questions, checks));
    EXPECT_EQ(settings.Text(kSplashScreenWhenToShow), index == 0 ? "Startup" : "FileLoad");
  }
}

TEST(SplashRules, EnablingTruthTable) {
  struct Row {
    bool enabled, useImage;
    splash_page::Enabling expected;
  };
  const Row rows[] = {{false, false, {false, false, false}},
                      {false, true, {false, false, false}},
                      {true, false, {true, false, true}},
                      {true, true, {true, true, false}}};
  for (const Row& r : rows) {
    splash_page::State s;
    s.enabled = r.enabled;
    s.useImage = r.useImage;
    EXPECT_EQ(splash_page::EnablingFor(s), r.expected) << r.enabled << r.useImage;
  }
}

TEST_F(DisplayDialogs, SplashEnableChecksOnlyThatAnImageExists) {
  splash_page::State s;
  s.image = "D:\\cd\\gone.bmp";
  for (bool enabled : {false, true}) {
    for (bool image : {false, true}) {
      s.enabled = enabled;
      s.useImage = image;
      splash_page::OnEnable(s, checks);
    }
  }
  EXPECT_EQ(checks.log, std::vector<std::string>{"require Image: D:\\cd\\gone.bmp"});
}

TEST_F(DisplayDialogs, SplashFontDescriptionAndDialogPreset) {
  EXPECT_EQ(splash_page::FontDescription(settings), "Windows default");
  const splash_page::FontPreset unset = splash_page::FontDialogPreset(settings, 96);
  EXPECT_EQ(unset.face, "");
  EXPECT_EQ(unset.height, -133);  // 100 points when none is stored
  settings.SetText(kSplashFontName, "Arial");
  settings.SetNumber(kSplashFontHeight, 12);
  settings.SetNumber(kSplashFontWeight, 700);
  settings.SetFlag(kSplashFontItalic, false);
  EXPECT_EQ(splash_page::FontDescription(settings),
            "Font: Arial; Size: 12pt; Weight: 700; Italic: False; ");
  settings.SetFlag(kSplashFontItalic, true);
  EXPECT_EQ(splash_page::FontDescription(settings),
            "Font: Arial; Size: 12pt; Weight: 700; Italic: True; ");
  const splash_page::FontPreset preset = splash_page::FontDialogPreset(settings, 96);
  EXPECT_EQ(preset.face, "Arial");
  EXPECT_EQ(preset.weight, 700);
  EXPECT_TRUE(preset.italic);
  EXPECT_EQ(preset.height, -16);

  struct Row {
    int32_t points;
    int dpi, height;
  };
  const Row rows[] = {{12, 96, -16},
                      {10, 96, -13},
                      {10, 120, -17},
                      {8, 72, -8},
                      {9, 96, -12},
                      {0, 96, 0},
                      {7, 96, -9},
                      // A damaged stored size stays a height of the right sign.
                      {INT32_MAX, 96, -INT32_MAX},
                      {INT32_MIN, 96, INT32_MAX}};
  for (const Row& r : rows) {
    EXPECT_EQ(splash_page::FontHeightForPoints(r.points, r.dpi), r.height)
        << r.points << "@" << r.dpi;
  }
}

TEST_F(DisplayDialogs, SplashFontSavesAtOnceOrRefusesWithoutAFace) {
  EXPECT_FALSE(splash_page::SaveFont({"", 400, false, 120}, settings, questions));
  EXPECT_EQ(questions.asked,
            std::vector<std::string>{"show: Sorry, no font name name was provided."});
  EXPECT_FALSE(registry.HasValue(RegistryRoot::kLocalMachine, kRegistryBasePath, kSplashFontName));
  ASSERT_TRUE(splash_page::SaveFont({"Courier New", 700, true, 140}, settings, questions));
  EXPECT_EQ(settings.Text(kSplashFontName), "Courier New");
  EXPECT_EQ(settings.Number(kSplashFontWeight), 700);
  EXPECT_TRUE(settings.Flag(kSplashFontItalic));
  EXPECT_EQ(settings.Number(kSplashFontHeight), 14);
  EXPECT_EQ(splash_page::FontDescription(settings),
            "Font: Courier New; Size: 14pt; Weight: 700; Italic: True; ");
  // The largest size the dialog can report rounds without overflowing.
  ASSERT_TRUE(splash_page::SaveFont({"Arial", 400, false, INT32_MAX}, settings, questions));
  EXPECT_EQ(settings.Number(kSplashFontHeight), 214748365);
}

TEST_F(DisplayDialogs, SplashLeaveRefusesAMissingImageAndKeepsValuesAFailedCheckSaved) {
  splash_page::State s;
  s.enabled = true;
  s.useImage = true;
  EXPECT_FALSE(splash_page::Leave(s, settings, questions, checks));
  EXPECT_EQ(
      questions.asked,
      std::vector<std::string>{"show: Please select a image using the 'Select image...' button."});
  EXPECT_FALSE(
      registry.HasValue(RegistryRoot::kLocalMachine, kRegistryBasePath, kShowSplashScreen));

  s.image = "D:\\cd\\gone.bmp";
  s.seconds = 5;
  s.lines[1] = "two";
  checks.missing = {s.image};
  EXPECT_FALSE(splash_page::Leave(s, settings, questions, checks));
  EXPECT_EQ(checks.log, std::vector<std::string>{"check Image: D:\\cd\\gone.bmp"});
  EXPECT_TRUE(settings.Flag(kShowSplashScreen));
  EXPECT_TRUE(settings.Flag(ws::kSetSplashScreenTest));
  EXPECT_TRUE(settings.Flag(kSplashScreenUseImage));
  EXPECT_EQ(settings.Text(kSplashScreenImage), "D:\\cd\\gone.bmp");
  EXPECT_EQ(settings.Number(kSplashScreenImageShowForSecs), 5);
  EXPECT_EQ(settings.Text(SplashScreenLine(2)), "two");

  // Text mode and a disabled splash check no image at all.
  checks.log.clear();
  s.useImage = false;
  EXPECT_TRUE(splash_page::Leave(s, settings, questions, checks));
  s.useImage = true;
  s.enabled = false;
  s.image.clear();
  EXPECT_TRUE(splash_page::Leave(s, settings, questions, checks));
  EXPECT_TRUE(checks.log.empty());
  EXPECT_FALSE(settings.Flag(kShowSplashScreen));
}

// --- Welcome screen ---

TEST_F(DisplayDialogs, WelcomeLoadsDefaultsCutsAndShowsLineBreaks) {
  welcome_screen::State w = welcome_screen::Load(settings);
  EXPECT_FALSE(w.enabled);
  EXPECT_EQ(w.title, "");
  EXPECT_FALSE(w.useImage);
  EXPECT_TRUE(w.useText);
  EXPECT_EQ(w.location, 1);
  EXPECT_EQ(w.message, "");

  settings.SetText(kWelcomeTitle, std::string(80, 't'));
  settings.SetText(kWelcomeMessage, std::string(950, 'm'));
  w = welcome_screen::Load(settings);
  EXPECT_EQ(w.title, std::string(75, 't'));
  EXPECT_EQ(w.message, std::string(900, 'm'));
  settings.SetText(kWelcomeMessage, "One<br>Two<br>Three");
  EXPECT_EQ(welcome_screen::Load(settings).message, "One\r\nTwo\r\nThree");

  struct Row {
    const char* stored;
    int index;
  };
  const Row rows[] = {{"Along the top", 0},
                      {"right of text", 2},
                      {"Along the bottom", 3},
                      {"", 1},
                      {"Somewhere", 1}};
  for (const Row& r : rows) {
    settings.SetText(kWelcomeImageLocation, r.stored);
    EXPECT_EQ(welcome_screen::Load(settings).location, r.index) << r.stored;
  }
}

TEST(WelcomeRules, EnablingTruthTable) {
  for (int bits = 0; bits < 8; ++bits) {
    welcome_screen::State w;
    w.enabled = (bits & 1) != 0;
    w.useImage = (bits & 2) != 0;
    w.useText = (bits & 4) != 0;
    const welcome_screen::Enabling e = welcome_screen::EnablingFor(w);
    EXPECT_EQ(e.general, w.enabled) << bits;
    EXPECT_EQ(e.imageFile, w.enabled && w.useImage) << bits;
    EXPECT_EQ(e.location, bits == 7) << bits;
    EXPECT_EQ(e.text, w.enabled && w.useText) << bits;
  }
}

TEST_F(DisplayDialogs, WelcomeLeaveRefusesInOrder) {
  struct Row {
    const char* title;
    bool image, text;
    const char* message;
    const char* file;
    const char* refusal;  // null: saved
  };
  const Row rows[] = {
      {"", false, false, "", "", "Please enter data into the 'Dialog Title' field."},
      {"T", false, false, "", "",
       "Please ensure that you select at least one option to display - either an image, or text."},
      {"T", true, true, "", "", "Please enter data into the 'Message' field."},
      {"T", true, false, "", "", "Please select an Image using the 'Select Image...' button."},
      {"T", true, true, "m", "", "Please select an Image using the 'Select Image...' button."},
      {"T", false, true, "m", "", nullptr},
      {"T", true, false, "", "D:\\cd\\w.bmp", nullptr},
  };
  for (const Row& r : rows) {
    FakeWizardQuestions asked;
    welcome_screen::State w;
    w.enabled = true;
    w.title = r.title;
    w.useImage = r.image;
    w.useText = r.text;
    w.message = r.message;
    w.image = r.file;
    EXPECT_EQ(welcome_screen::Leave(w, settings, asked, checks), r.refusal == nullptr) << r.title;
    EXPECT_EQ(asked.asked, r.refusal ? std::vector<std::string>{std::string("show: ") + r.refusal}
                                     : std::vector<std::string>{});
  }
  // Disabled, nothing is checked.
  welcome_screen::State off;
  EXPECT_TRUE(welcome_screen::Leave(off, settings, questions, checks));
  EXPECT_TRUE(questions.asked.empty());
  EXPECT_FALSE(settings.Flag(kWelcomeEnabled));
}

TEST_F(DisplayDialogs, WelcomeLeaveChecksTheImageThenSavesEverything) {
  welcome_screen::State w;
  w.enabled = true;
  w.title = "Hello";
  w.useImage = true;
  w.image = "D:\\cd\\w.bmp";
  w.location = 3;
  w.message = "One\r\nTwo\rThree\nFour";
  w.url = "http://example.com/";
  checks.missing = {w.image};
  EXPECT_FALSE(welcome_screen::Leave(w, settings, questions, checks));
  EXPECT_FALSE(registry.HasValue(RegistryRoot::kLocalMachine, kRegistryBasePath, kWelcomeTitle));
  checks.missing.clear();
  ASSERT_TRUE(welcome_screen::Leave(w, settings, questions, checks));
  EXPECT_EQ(checks.log,
            (std::vector<std::string>{"check Image: D:\\cd\\w.bmp", "check Image: D:\\cd\\w.bmp"}));
  EXPECT_TRUE(settings.Flag(kWelcomeEnabled));
  EXPECT_EQ(settings.Text(kWelcomeTitle), "Hello");
  EXPECT_TRUE(settings.Flag(kWelcomeUseImage));
  EXPECT_TRUE(settings.Flag(kWelcomeUseText));
  EXPECT_EQ(settings.Text(kWelcomeImage), "D:\\cd\\w.bmp");
  EXPECT_EQ(settings.Text(kWelcomeImageLocation), "Along the bottom");
  EXPECT_EQ(settings.Text(kWelcomeMessage), "One<br>Two<br>Three<br>Four");
  EXPECT_EQ(settings.Text(kWelcomeURL), "http://example.com/");
  settings.SetText(ws::kSourceFolder, "D:\\cd");
  const welcome_screen::State again = welcome_screen::Load(settings);
  EXPECT_EQ(again.message, "One\r\nTwo\r\nThree\r\nFour");
  EXPECT_EQ(again.image, "D:\\cd\\w.bmp");
  EXPECT_EQ(again.location, 3);
}

TEST_F(DisplayDialogs, WelcomeEnableChecksTheImageOnlyWhenShown) {
  welcome_screen::State w;
  w.image = "D:\\cd\\w.bmp";
  for (int bits = 0; bits < 4; ++bits) {
    w.enabled = (bits & 1) != 0;
    w.useImage = (bits & 2) != 0;
    welcome_screen::OnEnable(w, checks);
  }
  EXPECT_EQ(checks.log, std::vector<std::string>{"check Image: D:\\cd\\w.bmp"});
}

// --- Background overlay ---

TEST_F(DisplayDialogs, BackgroundLoadsDefaults) {
  const background_page::State b = background_page::Load(settings);
  EXPECT_FALSE(b.enabled);
  EXPECT_EQ(b.whenToShow, 2);
  EXPECT_TRUE(b.fullScreen);
  EXPECT_EQ(b.colour, 0u);
  for (const background_page::Picture& p : b.pictures) {
    EXPECT_EQ(p.file, "");
    EXPECT_EQ(p.position, 0);
    EXPECT_EQ(p.border, 40);
  }
  EXPECT_TRUE(b.keepOpen);
  EXPECT_TRUE(b.closeButton);
  EXPECT_EQ(b.closeText, "Close");
  EXPECT_FALSE(b.reselect);
}

TEST_F(DisplayDialogs, BackgroundKeywordsAndPositionsBothWays) {
  struct When {
    const char* stored;
    int index;
    const char* saved;
  };
  const When whens[] = {{"Startup", 0, "Startup"},
                        {"beforewelcome", 1, "BeforeWelcome"},
                        {"AfterWelcome", 2, "AfterWelcome"},
                        {"", 2, "AfterWelcome"},
                        {"FirstFile", -1, ""}};
  for (const When& w : whens) {
    settings.SetText(kBackgroundWhenToShow, w.stored);
    background_page::State b = background_page::Load(settings);
    EXPECT_EQ(b.whenToShow, w.index) << w.stored;
    ASSERT_TRUE(background_page::Leave(b, settings, questions, checks));
    EXPECT_EQ(settings.Text(kBackgroundWhenToShow), w.saved) << w.stored;
  }
  struct Position {
    const char* stored;
    int index;
  };
  const Position positions[] = {{"Top, left", 0},     {"Top, Center", 1}, {"Middle, Center", 4},
                                {"bottom, right", 8}, {"FullScreen", 0},  {"", 0}};
  for (const Position& p : positions) {
    settings.SetText(BackgroundFullScreenImageFileMode(2), p.stored);
    EXPECT_EQ(background_page::Load(settings).pictures[1].position, p.index) << p.stored;
  }
  ASSERT_EQ(std::size(tx::kPositions), 9u);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(background_page::PositionIndex(tx::kPositions[i]), i);
}

TEST_F(DisplayDialogs, BackgroundReselectModeComesFromTheFilePage) {
  struct Row {
    const char* single;  // null: never stored
    const char* reselect;
    bool expected;
  };
  const Row rows[] = {{nullptr, nullptr, false},
                      {"0", nullptr, true},
                      {"0", "1", true},
                      {"0", "0", false},
                      {"1", "1", false}};
  for (const Row& r : rows) {
    FakeRegistryBackend fresh;
    WizardSettings s(fresh);
    if (r.single) s.SetFlag(kSingleFile, r.single[0] == '1');
    if (r.reselect) s.SetFlag(kMultiSelectAllowReselect, r.reselect[0] == '1');
    EXPECT_EQ(background_page::Load(s).reselect, r.expected);
  }
}

TEST(BackgroundRules, EnablingTruthTable) {
  // Bits: enabled, full screen, reselect, keep open, close button, image 1, image 2 chosen.
  for (int bits = 0; bits < 128; ++bits) {
    background_page::State b;
    b.enabled = bits & 1;
    b.fullScreen = bits & 2;
    b.reselect = bits & 4;
    b.keepOpen = bits & 8;
    b.closeButton = bits & 16;
    b.pictures[0].file = (bits & 32) ? "a.bmp" : "";
    b.pictures[1].file = (bits & 64) ? "b.bmp" : "";
    b.pictures[1].position = 4;  // middle, centre: no border
    const bool e = b.enabled, f = b.fullScreen, r = b.reselect, k = b.keepOpen, c = b.closeButton;
    const background_page::Enabling got = background_page::EnablingFor(b);
    const background_page::Enabling want{e,
                                         e && f,
                                         e && !f,
                                         {e && !f && (bits & 32), e && !f && (bits & 64)},
                                         {e && !f && (bits & 32), false},
                                         e && !r,
                                         e && !r && k,
                                         e && !r && c && k};
    EXPECT_EQ(got, want) << bits;
  }
  for (int position = 0; position < 9; ++position) {
    background_page::State b;
    b.enabled = true;
    b.fullScreen = false;
    b.pictures[0].file = "a.bmp";
    b.pictures[0].position = position;
    EXPECT_EQ(background_page::EnablingFor(b).border[0], position != 4) << position;
    EXPECT_EQ(image_position::BorderEnabled(position), position != 4) << position;
  }
}

TEST_F(DisplayDialogs, BackgroundEnableTicksTheCloseButtonAndChecksTheImagesShown) {
  background_page::State b;
  b.fullScreenImage = "D:\\cd\\full.bmp";
  b.pictures[0].file = "D:\\cd\\one.bmp";
  b.closeButton = false;
  background_page::OnEnable(b, checks);  // not enabled: nothing
  EXPECT_FALSE(b.closeButton);
  b.enabled = true;
  background_page::OnEnable(b, checks);
  EXPECT_TRUE(b.closeButton);
  b.fullScreen = false;
  b.keepOpen = false;
  b.closeButton = false;
  background_page::OnEnable(b, checks);
  EXPECT_FALSE(b.closeButton);
  EXPECT_EQ(checks.log,
            (std::vector<std::string>{"check Full Screen Image: D:\\cd\\full.bmp",
                                      "check Image 1: D:\\cd\\one.bmp", "check Image 2: "}));
  b.closeText = "";
  background_page::OnCloseButton(b);
  EXPECT_EQ(b.closeText, "Close");
  b.closeText = "Shut";
  background_page::OnCloseButton(b);
  EXPECT_EQ(b.closeText, "Shut");
}

TEST_F(DisplayDialogs, BackgroundLeaveChecksAndAsksInOrder) {
  const std::string q1 = std::string("ask: ") + tx::kBorder1Over100;
  const std::string q2 = std::string("ask: ") + tx::kBorder2Over100;
  struct Row {
    bool fullScreen;
    const char* fullImage;
    int32_t border1, border2;
    const char* closeText;
    std::vector<bool> answers;
    bool left;
    std::vector<std::string> asked;
  };
  const Row rows[] = {
      {true,
       "",
       40,
       40,
       "Close",
       {},
       false,
       {"show: Please select a background image using the 'Select image...' button."}},
      {true, "D:\\cd\\full.bmp", 500, 500, "Close", {}, true, {}},
      {false, "", 100, 100, "Close", {}, true, {}},
      {false, "", 101, 100, "Close", {false}, false, {q1}},
      {false, "", 101, 1000, "Close", {true, false}, false, {q1, q2}},
      {false, "", 101, 1000, "Close", {true, true}, true, {q1, q2}},
      {false,
       "",
       40,
       40,
       "&Close",
       {},
       false,
       {"show: Close button text contains a '&', which is not allowed.  Remove / reword as "
        "required."}},
  };
  for (const Row& r : rows) {
    FakeWizardQuestions asked;
    asked.answers.assign(r.answers.begin(), r.answers.end());
    background_page::State b;
    b.enabled = true;
    b.fullScreen = r.fullScreen;
    b.fullScreenImage = r.fullImage;
    b.pictures[0].border = r.border1;
    b.pictures[1].border = r.border2;
    b.closeText = r.closeText;
    EXPECT_EQ(background_page::Leave(b, settings, asked, checks), r.left) << r.border1;
    EXPECT_EQ(asked.asked, r.asked) << r.border1;
  }
  // An "&" passes without the close button, and a disabled overlay checks nothing.
  background_page::State b;
  b.enabled = true;
  b.fullScreen = false;
  b.closeButton = false;
  b.closeText = "&";
  EXPECT_TRUE(background_page::Leave(b, settings, questions, checks));
  b.enabled = false;
  b.fullScreen = true;
  b.closeButton = true;
  EXPECT_TRUE(background_page::Leave(b, settings, questions, checks));
  EXPECT_TRUE(questions.asked.empty());
}

TEST_F(DisplayDialogs, BackgroundLeaveStopsAtTheFirstFailedImage) {
  background_page::State b;
  b.enabled = true;
  b.fullScreen = false;
  b.pictures[0].file = "D:\\cd\\one.bmp";
  b.pictures[1].file = "D:\\cd\\two.bmp";
  b.pictures[0].border = 500;
  checks.missing = {b.pictures[0].file};
  EXPECT_FALSE(background_page::Leave(b, settings, questions, checks));
  EXPECT_EQ(checks.log, std::vector<std::string>{"check Image 1: D:\\cd\\one.bmp"});
  EXPECT_TRUE(questions.asked.empty());
  checks.log.clear();
  checks.missing = {b.fullScreenImage = "D:\\cd\\full.bmp"};
  b.fullScreen = true;
  EXPECT_FALSE(background_page::Leave(b, settings, questions, checks));
  EXPECT_EQ(checks.log, std::vector<std::string>{"check Full Screen Image: D:\\cd\\full.bmp"});
  EXPECT_FALSE(
      registry.HasValue(RegistryRoot::kLocalMachine, kRegistryBasePath, kShowBackgroundWindow));
}

TEST_F(DisplayDialogs, BackgroundSavesEveryValueAndTheColourAtOnce) {
  background_page::SaveColour(0x00FF8040, settings);
  EXPECT_EQ(settings.Number(kBackgroundWindowColour), 0x00FF8040);
  background_page::State b;
  b.enabled = true;
  b.whenToShow = 1;
  b.fullScreen = false;
  b.fullScreenImage = "D:\\cd\\full.bmp";
  b.colour = 0x123456;
  b.pictures[0] = {"D:\\cd\\one.bmp", 4, 0};
  b.pictures[1] = {"", 8, 60};
  b.keepOpen = false;
  b.closeButton = false;
  b.closeText = "Shut";
  ASSERT_TRUE(background_page::Leave(b, settings, questions, checks));
  EXPECT_TRUE(settings.Flag(kShowBackgroundWindow));
  EXPECT_EQ(settings.Text(kBackgroundWhenToShow), "BeforeWelcome");
  EXPECT_FALSE(settings.Flag(kBackgroundFullScreenImage));
  EXPECT_EQ(settings.Text(ws::kBackgroundFullScreenImageFile), "D:\\cd\\full.bmp");
  EXPECT_EQ(settings.Text(ws::kBackgroundFullScreenImageFileMode), "FullScreen");
  EXPECT_EQ(settings.Number(kBackgroundWindowColour), 0x123456);
  EXPECT_EQ(settings.Text(BackgroundFullScreenImageFile(1)), "D:\\cd\\one.bmp");
  EXPECT_EQ(settings.Text(BackgroundFullScreenImageFileMode(1)), "Middle, center");
  EXPECT_EQ(settings.Number(BackgroundFullScreenImageFileBorder(1)), 0);
  EXPECT_EQ(settings.Text(BackgroundFullScreenImageFile(2)), "");
  EXPECT_EQ(settings.Text(BackgroundFullScreenImageFileMode(2)), "Bottom, right");
  EXPECT_EQ(settings.Number(BackgroundFullScreenImageFileBorder(2)), 60);
  EXPECT_FALSE(settings.Flag(kBackgroundWindowLeaveOpenUntilFileClosed));
  EXPECT_FALSE(settings.Flag(kBackgroundHaveCloseButton));
  EXPECT_EQ(settings.Text(kBackgroundCloseButtonText), "Shut");
  settings.SetText(ws::kSourceFolder, "D:\\cd");
  const background_page::State again = background_page::Load(settings);
  EXPECT_EQ(again.whenToShow, 1);
  EXPECT_EQ(again.pictures[0].file, "D:\\cd\\one.bmp");
  EXPECT_EQ(again.pictures[0].position, 4);
  EXPECT_EQ(again.pictures[1].position, 8);
  EXPECT_EQ(again.colour, 0x123456u);
}

TEST(ImagePositionRules, BordersAboveAHundredAskAndNegativeOnesAreRefused) {
  struct Row {
    int32_t border;
    std::vector<bool> answers;
    bool left;
    std::vector<std::string> asked;
  };
  const std::string ask = std::string("ask: ") + tx::kBorderOver100;
  const std::string refuse = std::string("show: ") + tx::kBorderNegative;
  const Row rows[] = {{0, {}, true, {}},          {100, {}, true, {}},
                      {101, {true}, true, {ask}}, {101, {false}, false, {ask}},
                      {-1, {}, false, {refuse}},  {-100, {}, false, {refuse}}};
  for (const Row& r : rows) {
    FakeWizardQuestions questions;
    questions.answers.assign(r.answers.begin(), r.answers.end());
    EXPECT_EQ(image_position::Leave({0, r.border}, questions), r.left) << r.border;
    EXPECT_EQ(questions.asked, r.asked) << r.border;
  }
}

}  // namespace
