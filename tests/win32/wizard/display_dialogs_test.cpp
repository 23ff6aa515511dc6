// The display option pages in their option frames, over the real registry:
// what each shows from stored values, what its switches enable, what OK
// saves, and the refusals that keep a frame open.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <deque>
#include <string>
#include <vector>

#include "common/win32/handles.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/help_topics.h"
#include "wizard/pages/display_texts.h"
#include "wizard/pages/win32/background_page.h"
#include "wizard/pages/win32/image_position_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/splash_page.h"
#include "wizard/pages/win32/welcome_screen_page.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
using namespace keys;
namespace ws = wizard_settings;
namespace tx = display_texts;

void Press(HWND window, int id) {
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}
// As the user clicks it: the button changes its check, then tells its parent.
void Click(HWND page, int id) { ::SendMessageA(::GetDlgItem(page, id), BM_CLICK, 0, 0); }
void Choose(HWND page, int comboId, int index) {
  ::SendDlgItemMessageA(page, comboId, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(::GetDlgItem(page, comboId)));
}
std::string Text(HWND window, int id) {
  char buffer[2048] = {};
  ::GetDlgItemTextA(window, id, buffer, sizeof buffer);
  return buffer;
}
void Type(HWND page, int id, const std::string& text) { ::SetDlgItemTextA(page, id, text.c_str()); }
bool Enabled(HWND page, int id) { return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE; }
bool Checked(HWND page, int id) { return ::IsDlgButtonChecked(page, id) == BST_CHECKED; }
int Selected(HWND page, int id) {
  return static_cast<int>(::SendDlgItemMessageA(page, id, CB_GETCURSEL, 0, 0));
}

// Answers the message boxes this thread shows while it lives, one button each
// from a queue (then OK), after noting each text.
class MessageBoxAnswerer {
 public:
  explicit MessageBoxAnswerer(std::deque<int> buttons = {}) : buttons_(std::move(buttons)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 50, &MessageBoxAnswerer::Tick);
  }
  ~MessageBoxAnswerer() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  std::vector<std::string> seen;

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM) {
    // Only message boxes have the text static 0xFFFF; the frames are dialogs too.
    HWND textStatic = ::GetDlgItem(window, 0xFFFF);
    if (textStatic == nullptr || !::IsWindowVisible(window) || window == current_->answered_) {
      return TRUE;
    }
    current_->answered_ = window;
    current_->seen.push_back(Text(window, 0xFFFF));
    int button = IDOK;
    if (!current_->buttons_.empty()) {
      button = current_->buttons_.front();
      current_->buttons_.pop_front();
    }
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (current_ != nullptr) ::EnumThreadWindows(::GetCurrentThreadId(), &Visit, 0);
  }
  static inline MessageBoxAnswerer* current_ = nullptr;
  std::deque<int> buttons_;
  UINT_PTR timer_ = 0;
  HWND answered_ = nullptr;
};

// A frame that is created for the page and looked at before anything is pressed.
void ShowAndPhotograph(HWND frame, const char* name) {
  ::ShowWindow(frame, SW_SHOWNOACTIVATE);
  ::UpdateWindow(frame);
  test_support::PumpPending();
  test_support::SaveScreenshotIfAsked(frame, name);
  EXPECT_THAT(test_support::ClippedControls(frame), ::testing::IsEmpty()) << name;
}

// The prefix's registry is shared with later tests: the display values are
// set back to a new configuration's, and the file page's values to what they were.
void ClearDisplaySettings(WizardSettings& settings) {
  for (const SettingEntry& entry : AllSettings()) {
    const std::string name = entry.name;
    bool display = false;
    for (const char* prefix :
         {"Splash", "ShowSplash", "SetSplash", "Welcome", "Background", "ShowBackground"}) {
      display = display || name.rfind(prefix, 0) == 0;
    }
    if (!display || !entry.resets) continue;
    if (entry.kind == SettingKind::kText) settings.SetText(name, "");
    if (entry.kind == SettingKind::kFlag) settings.SetFlag(name, entry.reset != 0);
    if (entry.kind == SettingKind::kNumber) settings.SetNumber(name, entry.reset);
  }
}

class DisplayDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.ok());
    ClearDisplaySettings(settings);
    settings.SetText(ws::kSourceFolder, folder.Path());
  }
  void TearDown() override {
    ClearDisplaySettings(settings);
    settings.SetText(ws::kSourceFolder, sourceFolder);
    settings.SetFlag(kSingleFile, singleFile);
    settings.SetFlag(kMultiSelectAllowReselect, reselect);
  }
  WizardApp app;
  WizardSettings settings{app.Registry()};
  test_support::TempFolder folder{"display"};
  const std::string sourceFolder = settings.Text(ws::kSourceFolder);
  const bool singleFile = settings.Flag(kSingleFile);
  const bool reselect = settings.Flag(kMultiSelectAllowReselect);
};

TEST_F(DisplayDialogsTest, SplashProposesLinesDescribesTheFontAndSavesOnOk) {
  settings.SetFlag(kShowSplashScreen, true);
  settings.SetText(kSplashScreenWhenToShow, "FileLoad");
  settings.SetNumber(kSplashScreenImageShowForSecs, 5);
  settings.SetFlag(kSplashScreenUseImage, false);
  // A face name as long as many: its whole description must show.
  settings.SetText(kSplashFontName, "Times New Roman");
  settings.SetNumber(kSplashFontHeight, 12);
  settings.SetNumber(kSplashFontWeight, 700);
  SplashPage page;
  OptionFrame frame(help_topics::kSplashScreen);
  frame.SetPage(page, tx::kSplashTitle);
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  ShowAndPhotograph(frame.hwnd(), "splash_dialog");
  HWND p = page.hwnd();
  EXPECT_EQ(Text(frame.hwnd(), IDT_OPTION_TITLE), "Configure a Splash Screen");
  EXPECT_EQ(Text(p, IDE_SPLASH_LINE1), "Loading CD");
  EXPECT_EQ(Text(p, IDE_SPLASH_LINE3), "Please wait whilst the CD is loaded");
  EXPECT_EQ(Text(p, IDT_SPLASH_FONT),
            "Font: Times New Roman; Size: 12pt; Weight: 700; Italic: False; ");
  EXPECT_EQ(Selected(p, IDC_SPLASH_WHEN), 1);
  EXPECT_EQ(Text(p, IDE_SPLASH_SECONDS), "5");
  EXPECT_TRUE(Checked(p, IDR_SPLASH_TEXT));
  EXPECT_TRUE(Enabled(p, IDE_SPLASH_LINE2) && Enabled(p, IDB_SPLASH_FONT));
  EXPECT_FALSE(Enabled(p, IDE_SPLASH_IMAGE) || Enabled(p, IDB_SPLASH_SELECT_IMAGE));

  Click(p, IDR_SPLASH_IMAGE);
  EXPECT_TRUE(Enabled(p, IDE_SPLASH_IMAGE) && Enabled(p, IDT_SPLASH_IMAGE_LABEL));
  EXPECT_FALSE(Enabled(p, IDE_SPLASH_LINE1) || Enabled(p, IDB_SPLASH_FONT));
  Click(p, IDR_SPLASH_TEXT);
  EXPECT_FALSE(Checked(p, IDR_SPLASH_IMAGE));
  Click(p, IDX_SPLASH_ENABLE);  // off: everything but the box itself goes grey
  EXPECT_FALSE(Enabled(p, IDC_SPLASH_WHEN) || Enabled(p, IDE_SPLASH_LINE1) ||
               Enabled(p, IDB_SPLASH_HELP));
  Click(p, IDX_SPLASH_ENABLE);

  Type(p, IDE_SPLASH_SECONDS, "100000000");
  {
    MessageBoxAnswerer answerer;
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen,
              std::vector<std::string>{"Please enter an integer between 0 and 99999999."});
  }
  ASSERT_TRUE(::IsWindow(frame.hwnd()));
  EXPECT_FALSE(settings.Flag(ws::kSetSplashScreenTest));
  Type(p, IDE_SPLASH_SECONDS, "7");
  Type(p, IDE_SPLASH_LINE2, "for <FILE_NAME>");
  {
    MessageBoxAnswerer answerer;  // nothing should be shown
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen, std::vector<std::string>{});
  }
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_TRUE(settings.Flag(kShowSplashScreen));
  EXPECT_TRUE(settings.Flag(ws::kSetSplashScreenTest));
  EXPECT_EQ(settings.Text(kSplashScreenWhenToShow), "FileLoad");
  EXPECT_EQ(settings.Number(kSplashScreenImageShowForSecs), 7);
  EXPECT_FALSE(settings.Flag(kSplashScreenUseImage));
  EXPECT_EQ(settings.Text(SplashScreenLine(1)), "Loading CD");
  EXPECT_EQ(settings.Text(SplashScreenLine(2)), "for <FILE_NAME>");
}

TEST_F(DisplayDialogsTest, WelcomeShowsTheMessageOnLinesRefusesAnEmptyTitleAndJoinsOnOk) {
  settings.SetFlag(kWelcomeEnabled, true);
  settings.SetText(kWelcomeTitle, "Hello");
  settings.SetFlag(kWelcomeUseImage, false);
  settings.SetFlag(kWelcomeUseText, true);
  settings.SetText(kWelcomeImageLocation, "Along the top");
  settings.SetText(kWelcomeMessage, "One<br>Two");
  WelcomeScreenPage page;
  OptionFrame frame(help_topics::kWelcomeMessage);
  frame.SetPage(page, tx::kWelcomeTitle);
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  ShowAndPhotograph(frame.hwnd(), "welcome_dialog");
  HWND p = page.hwnd();
  EXPECT_EQ(Text(p, IDE_WELCOME_SCREEN_MESSAGE), "One\r\nTwo");
  EXPECT_EQ(Selected(p, IDC_WELCOME_SCREEN_LOCATION), 0);
  EXPECT_TRUE(Enabled(p, IDE_WELCOME_SCREEN_MESSAGE) && Enabled(p, IDE_WELCOME_SCREEN_URL));
  EXPECT_FALSE(Enabled(p, IDC_WELCOME_SCREEN_LOCATION) || Enabled(p, IDE_WELCOME_SCREEN_IMAGE));
  Click(p, IDX_WELCOME_SCREEN_USE_IMAGE);
  EXPECT_TRUE(Enabled(p, IDC_WELCOME_SCREEN_LOCATION) &&
              Enabled(p, IDB_WELCOME_SCREEN_SELECT_IMAGE));
  Click(p, IDX_WELCOME_SCREEN_USE_TEXT);
  EXPECT_FALSE(Enabled(p, IDC_WELCOME_SCREEN_LOCATION) || Enabled(p, IDE_WELCOME_SCREEN_MESSAGE));
  Click(p, IDX_WELCOME_SCREEN_USE_TEXT);
  Click(p, IDX_WELCOME_SCREEN_USE_IMAGE);

  Type(p, IDE_WELCOME_SCREEN_TITLE, "");
  {
    MessageBoxAnswerer answerer;
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen,
              std::vector<std::string>{"Please enter data into the 'Dialog Title' field."});
  }
  ASSERT_TRUE(::IsWindow(frame.hwnd()));
  Type(p, IDE_WELCOME_SCREEN_TITLE, "Welcome");
  Type(p, IDE_WELCOME_SCREEN_MESSAGE, "First\r\nSecond\r\nThird");
  {
    MessageBoxAnswerer answerer;  // nothing should be shown
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen, std::vector<std::string>{});
  }
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_EQ(settings.Text(kWelcomeTitle), "Welcome");
  EXPECT_EQ(settings.Text(kWelcomeMessage), "First<br>Second<br>Third");
  EXPECT_EQ(settings.Text(kWelcomeImageLocation), "Along the top");
  EXPECT_FALSE(settings.Flag(kWelcomeUseImage));
}

TEST_F(DisplayDialogsTest, BackgroundShowsPlacedImagesAsksAboutWideBordersAndSaves) {
  ASSERT_TRUE(folder.AddCopy("one.bmp", test_support::TestPicture("red-40x30.bmp")));
  settings.SetFlag(kSingleFile, true);
  settings.SetFlag(kShowBackgroundWindow, true);
  settings.SetText(kBackgroundWhenToShow, "");
  settings.SetFlag(kBackgroundFullScreenImage, false);
  settings.SetNumber(kBackgroundWindowColour, 0x0000FF);
  settings.SetText(BackgroundFullScreenImageFile(1), "C:\\elsewhere\\one.bmp");
  settings.SetText(BackgroundFullScreenImageFileMode(1), "Middle, Center");
  settings.SetNumber(BackgroundFullScreenImageFileBorder(1), 50);
  BackgroundPage page;
  OptionFrame frame(help_topics::kOverlayBackground);
  frame.SetPage(page, tx::kBackgroundTitle);
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  ShowAndPhotograph(frame.hwnd(), "background_dialog");
  HWND p = page.hwnd();
  EXPECT_EQ(Text(p, IDE_BACKGROUND_IMAGE1), folder.PathOf("one.bmp"));
  EXPECT_EQ(Selected(p, IDC_BACKGROUND_WHEN), 2);
  EXPECT_EQ(Selected(p, IDC_BACKGROUND_POSITION1), 4);
  EXPECT_EQ(Text(p, IDE_BACKGROUND_BORDER1), "50");
  EXPECT_EQ(Text(p, IDE_BACKGROUND_CLOSE_TEXT), "Close");
  EXPECT_TRUE(Checked(p, IDR_BACKGROUND_COLOUR));
  EXPECT_TRUE(Enabled(p, IDC_BACKGROUND_POSITION1) && Enabled(p, IDB_BACKGROUND_COLOUR));
  EXPECT_FALSE(Enabled(p, IDE_BACKGROUND_BORDER1));  // middle, centre
  EXPECT_FALSE(Enabled(p, IDC_BACKGROUND_POSITION2) || Enabled(p, IDE_BACKGROUND_FULL_IMAGE));
  EXPECT_TRUE(Enabled(p, IDX_BACKGROUND_KEEP_OPEN) && Enabled(p, IDE_BACKGROUND_CLOSE_TEXT));

  Choose(p, IDC_BACKGROUND_POSITION1, 0);
  EXPECT_TRUE(Enabled(p, IDE_BACKGROUND_BORDER1));
  Click(p, IDX_BACKGROUND_KEEP_OPEN);
  EXPECT_FALSE(Enabled(p, IDX_BACKGROUND_CLOSE_BUTTON) || Enabled(p, IDE_BACKGROUND_CLOSE_TEXT));
  Click(p, IDX_BACKGROUND_KEEP_OPEN);
  Type(p, IDE_BACKGROUND_CLOSE_TEXT, "");
  Click(p, IDX_BACKGROUND_CLOSE_BUTTON);
  Click(p, IDX_BACKGROUND_CLOSE_BUTTON);
  EXPECT_EQ(Text(p, IDE_BACKGROUND_CLOSE_TEXT), "Close");

  Type(p, IDE_BACKGROUND_BORDER1, "101");
  {
    MessageBoxAnswerer answerer({IDYES});
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen, std::vector<std::string>{tx::kBorder1Over100});
  }
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_EQ(settings.Text(kBackgroundWhenToShow), "AfterWelcome");
  EXPECT_EQ(settings.Text(BackgroundFullScreenImageFile(1)), folder.PathOf("one.bmp"));
  EXPECT_EQ(settings.Text(BackgroundFullScreenImageFileMode(1)), "Top, left");
  EXPECT_EQ(settings.Number(BackgroundFullScreenImageFileBorder(1)), 101);
  EXPECT_EQ(settings.Text(ws::kBackgroundFullScreenImageFileMode), "FullScreen");
  EXPECT_EQ(settings.Number(kBackgroundWindowColour), 0x0000FF);
  EXPECT_TRUE(settings.Flag(kBackgroundHaveCloseButton));
}

TEST_F(DisplayDialogsTest, BackgroundInReselectModeLeavesClosingToTheSelectionList) {
  settings.SetFlag(kSingleFile, false);
  settings.SetFlag(kMultiSelectAllowReselect, true);
  settings.SetFlag(kShowBackgroundWindow, true);
  settings.SetFlag(kBackgroundFullScreenImage, true);
  BackgroundPage page;
  OptionFrame frame(help_topics::kOverlayBackground);
  frame.SetPage(page, tx::kBackgroundTitle);
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();
  EXPECT_TRUE(Enabled(p, IDC_BACKGROUND_WHEN));
  EXPECT_FALSE(Enabled(p, IDX_BACKGROUND_KEEP_OPEN) || Enabled(p, IDT_BACKGROUND_KEEP_OPEN_NOTE) ||
               Enabled(p, IDX_BACKGROUND_CLOSE_BUTTON) || Enabled(p, IDE_BACKGROUND_CLOSE_TEXT));
  // Enabled, the swatch shows the stored colour (a new configuration's white).
  ShowAndPhotograph(frame.hwnd(), "background_full_screen");
  Click(p, IDR_BACKGROUND_COLOUR);
  test_support::PumpPending();
  win32::WindowDc dc(::GetDlgItem(p, IDT_BACKGROUND_SWATCH));
  EXPECT_EQ(::GetPixel(dc.get(), 20, 6), RGB(255, 255, 255));
}

// Finds the image chooser that the page opened, notes its first row and
// cancels it.
struct ChooserWatch {
  static inline std::string firstRow;
  static inline bool seen = false;
  static BOOL CALLBACK Visit(HWND window, LPARAM) {
    HWND page = ::FindWindowExA(window, nullptr, "#32770", nullptr);
    if (page == nullptr || ::GetDlgItem(page, IDL_IMAGE_FILES) == nullptr || seen) return TRUE;
    seen = true;
    char row[MAX_PATH] = {};
    ::SendDlgItemMessageA(page, IDL_IMAGE_FILES, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(row));
    firstRow = row;
    test_support::SaveScreenshotIfAsked(window, "background_image_chooser");
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDB_OPTION_CANCEL, BN_CLICKED), 0);
    return FALSE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Visit, 0);
  }
};

// A one-pixel 24-bit bitmap: the chooser loads what it lists.
std::string TinyBitmap() {
  const unsigned char bytes[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,  // file header
                                 40,  0,   0,  0, 1, 0, 0, 0, 1, 0, 0,  0,  // header size, 1 x 1
                                 1,   0,   24, 0, 0, 0, 0, 0, 4, 0, 0,  0,  // 24 bits, uncompressed
                                 0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0,
                                 0,   0,            // resolution, colours
                                 255, 0,   0,  0};  // one blue pixel, padded
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

TEST_F(DisplayDialogsTest, APlacedImageIsChosenWithNoImageOfferedFirst) {
  ASSERT_TRUE(folder.AddFile("one.bmp", TinyBitmap()));
  settings.SetFlag(kShowBackgroundWindow, true);
  settings.SetFlag(kBackgroundFullScreenImage, false);
  settings.SetText(BackgroundFullScreenImageFile(2), "one.bmp");
  BackgroundPage page;
  OptionFrame frame(help_topics::kOverlayBackground);
  frame.SetPage(page, tx::kBackgroundTitle);
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &ChooserWatch::Tick);
  Press(page.hwnd(), IDB_BACKGROUND_SELECT2);  // returns when the chooser closes
  ::KillTimer(nullptr, timer);
  EXPECT_TRUE(ChooserWatch::seen);
  EXPECT_EQ(ChooserWatch::firstRow, "<Do not configure this option>");
  EXPECT_EQ(Text(page.hwnd(), IDE_BACKGROUND_IMAGE2), folder.PathOf("one.bmp"));  // cancelled
  EXPECT_TRUE(Enabled(page.hwnd(), IDC_BACKGROUND_POSITION2));
}

TEST(ImagePositionPage, MiddleCentreHasNoBorderAndANegativeBorderIsRefused) {
  WizardApp app;
  ImagePositionPage page({4, 30});
  OptionFrame frame(help_topics::kBackgroundImagePosition);
  frame.SetPage(page, tx::kPositionTitle);
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  ShowAndPhotograph(frame.hwnd(), "image_position_dialog");
  HWND p = page.hwnd();
  EXPECT_TRUE(Checked(p, IDR_POSITION_MIDDLE_CENTRE));
  EXPECT_FALSE(Enabled(p, IDE_POSITION_BORDER));
  Click(p, IDR_POSITION_BOTTOM_RIGHT);
  EXPECT_TRUE(Enabled(p, IDE_POSITION_BORDER));
  Type(p, IDE_POSITION_BORDER, "-1");
  {
    MessageBoxAnswerer answerer;
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen, std::vector<std::string>{tx::kBorderNegative});
  }
  ASSERT_TRUE(::IsWindow(frame.hwnd()));
  Type(p, IDE_POSITION_BORDER, "20");
  {
    MessageBoxAnswerer answerer;  // nothing should be shown
    Press(frame.hwnd(), IDB_OPTION_OK);
    EXPECT_EQ(answerer.seen, std::vector<std::string>{});
  }
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_EQ(page.chosen().position, 8);
  EXPECT_EQ(page.chosen().border, 20);
}

}  // namespace
