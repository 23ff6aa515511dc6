// The display options made with the real Discwright.exe through its options
// table — a picture splash screen, a welcome screen on three lines and a
// coloured background with two pictures and a close button — written to
// autorun.inf and played by the starter it copied; and the refusals of the
// welcome and background dialogs.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <tuple>

#include "cd_folder.h"
#include "common/win32/win32_registry_backend.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "starter_scenario.h"
#include "wizard/cd_files_texts.h"
#include "wizard/pages/display_texts.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"
#include "wizard_document_scenario.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::HasSubstr;
namespace dt = display_texts;

// The rows of the options table.
constexpr int kSplashRow = 0;
constexpr int kWelcomeRow = 1;
constexpr int kBackgroundRow = 3;
constexpr int kUsedColumn = 1;

constexpr const char* kWelcomeTitle = "Welcome to the Display CD";
constexpr const char* kWelcomeTyped = "First line.\r\nSecond line.\r\nThird line.";
constexpr const char* kCloseText = "Done";

// The starter's windows (its resource ids clash with the wizard's by name).
constexpr const char* kSplashPictureTitle = "CD AutoRun";
constexpr const char* kOverlayTitle = "CD AutoRun";
constexpr const char* kOverlayClass = "VendiscBackground";
constexpr int kStarterWelcomeTitle = 1011;
constexpr int kStarterWelcomeMessage = 1020;
constexpr int kOverlayCloseButton = 1025;
// The standard colour dialog's red, green and blue edits.
constexpr int kColourRed = 706;
constexpr int kColourGreen = 707;
constexpr int kColourBlue = 708;
constexpr COLORREF kNavy = RGB(0, 0, 128);

// Values a new configuration does not reset that the scenarios depend on.
constexpr const char* kUnresetValues[] = {wizard_settings::kQueriedFileOverwrite,
                                          wizard_settings::kDoNotWarnOverwrites,
                                          wizard_settings::kFileNameTooLongShowWarning,
                                          wizard_settings::kWarnedAboutCaching,
                                          wizard_settings::kTestedConfig,
                                          wizard_settings::kLastINFFile,
                                          wizard_settings::kSourceFolder,
                                          wizard_settings::kAppShowWelcomeDialog,
                                          "SourceFile",
                                          "LastImageFilter",
                                          "PeviewImages"};

// One setting as the wizard reads it.
int32_t NumberSetting(const std::string& name) {
  Win32RegistryBackend backend;
  return WizardSettings(backend).Number(name);
}
bool FlagSetting(const std::string& name) {
  Win32RegistryBackend backend;
  return WizardSettings(backend).Flag(name);
}

// The colour at (x, y) of a 24-bit bottom-up .bmp written by SaveScreenshot.
std::optional<COLORREF> BitmapPixel(const std::string& bmpPath, int x, int y) {
  const std::optional<Size> size = BitmapFileSize(bmpPath);
  if (!size || x < 0 || y < 0 || x >= size->width || y >= size->height) return std::nullopt;
  const long stride = (static_cast<long>(size->width) * 3 + 3) & ~3L;
  std::ifstream file(bmpPath, std::ios::binary);
  file.seekg(54 + stride * (size->height - 1 - y) + 3L * x);
  unsigned char bgr[3] = {};
  if (!file.read(reinterpret_cast<char*>(bgr), 3)) return std::nullopt;
  return RGB(bgr[2], bgr[1], bgr[0]);
}

// Pictures are compressed: near enough is the colour.
bool Near(std::optional<COLORREF> a, COLORREF b) {
  if (!a) return false;
  auto close = [](int p, int q) { return p - q < 48 && q - p < 48; };
  return close(GetRValue(*a), GetRValue(b)) && close(GetGValue(*a), GetGValue(b)) &&
         close(GetBValue(*a), GetBValue(b));
}

class WizardDisplay : public WizardDocumentScenario {
 protected:
  std::span<const char* const> UnresetValues() const override { return kUnresetValues; }
  void TearDown() override {
    if (starter_ && starter_->Running()) starter_->Kill();
    WizardDocumentScenario::TearDown();
  }

  // Starts the wizard and walks to the options page: the wizard frame and
  // the page.
  std::pair<HWND, HWND> OpenOptionsPage(const Process& discwright) {
    HWND welcome = WaitForFrame(discwright, wizard_texts::kWelcomeFrameTitle);
    EXPECT_NE(welcome, nullptr);
    if (!welcome || !ClickButton(welcome, IDB_FRAME_FINISH)) return {};
    HWND wizard = WaitForFrame(discwright, wizard_texts::kIntroductionTitle);
    EXPECT_NE(wizard, nullptr);
    if (!wizard || !ClickButton(wizard, IDB_FRAME_NEXT)) return {};
    EXPECT_NE(WaitForFrame(discwright, wizard_texts::kSelectFileTitle), nullptr);
    HWND filePage = PageHolding(wizard, IDE_FILE_PATH);
    if (!filePage) return {};
    EXPECT_TRUE(SetControlText(filePage, IDE_FILE_PATH, cd_.PathOf(kDocument)));
    if (!ClickButton(wizard, IDB_FRAME_NEXT)) return {};
    EXPECT_NE(WaitForFrame(discwright, wizard_texts::kAdditionalOptionsTitle), nullptr)
        << ControlText(wizard, IDT_FRAME_TITLE);
    return {wizard, PageHolding(wizard, IDL_OPTIONS_TABLE)};
  }

  // Selects a row of the options table and presses "Configure...": the
  // page inside the option frame titled `title`, found by one of its controls.
  static std::pair<HWND, HWND> OpenOption(const Process& discwright, HWND options, int row,
                                          const std::string& title, int pageControl) {
    EXPECT_TRUE(SelectListViewRow(options, IDL_OPTIONS_TABLE, row));
    EXPECT_TRUE(WaitUntil([&] { return IsControlEnabled(options, IDB_OPTIONS_CONFIGURE); }, 3s));
    if (!ClickButton(options, IDB_OPTIONS_CONFIGURE)) return {};
    HWND frame = WaitForOptionFrame(discwright, title);
    return {frame, PageHolding(frame, pageControl)};
  }

  static void AcceptOption(HWND frame, HWND options, int row) {
    ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
    ASSERT_TRUE(WaitForWindowGone(frame)) << "the option dialog refused to close";
    EXPECT_TRUE(WaitUntil(
        [&] { return ListViewCell(options, IDL_OPTIONS_TABLE, row, kUsedColumn) == "Yes"; }, 3s))
        << ListViewCell(options, IDL_OPTIONS_TABLE, row, kUsedColumn);
  }

  // The image chooser opened by `button` of `page`: the chooser's frame and
  // its page.
  static std::pair<HWND, HWND> OpenChooser(const Process& discwright, HWND page, int button) {
    if (!ClickButton(page, button)) return {};
    HWND frame = WaitForOptionFrame(discwright, image_chooser_texts::kTitle);
    return {frame, PageHolding(frame, IDL_IMAGE_FILES)};
  }

  // Chooses the row `name` in an open chooser and presses OK.
  static void ChooseRow(HWND frame, HWND chooser, const std::string& name) {
    const std::vector<std::string> rows = ListBoxItems(chooser, IDL_IMAGE_FILES);
    const auto found = std::find(rows.begin(), rows.end(), name);
    ASSERT_NE(found, rows.end()) << name << " not listed";
    ASSERT_TRUE(
        SelectListBoxItem(chooser, IDL_IMAGE_FILES, static_cast<int>(found - rows.begin())));
    ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
    ASSERT_TRUE(WaitForWindowGone(frame)) << "the chooser refused to close";
  }

  static void FinishAndExit(Process& discwright, HWND wizard) {
    ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_CANCEL));
    ASSERT_TRUE(WaitForWindowGone(wizard));
    HWND main = WaitForMainWindow(discwright);
    ASSERT_TRUE(PostClose(main));
    AnswerWizard(discwright, wizard_texts::kExitQuestion, IDYES);
    EXPECT_TRUE(discwright.WaitForExit(5s).has_value());
  }

  std::optional<Process> starter_;
};

// A picture splash copied in from elsewhere, a welcome screen on three lines
// and a navy background with two placed pictures and a close button; the
// lines written; and the CD played: splash, background and welcome screen
// together, then the document under the background until "Done".
TEST_F(WizardDisplay, SplashWelcomeAndBackgroundPlayAsConfigured) {
  CdFolder pictures("pictures");
  ASSERT_TRUE(pictures.ok());
  ASSERT_TRUE(pictures.AddCopy("splash.jpg", test_support::TestPicture("gradient-400x300.jpg")));
  ASSERT_TRUE(cd_.AddCopy("blue.jpg", test_support::TestPicture("blue-40x30.jpg")));
  ASSERT_TRUE(cd_.AddCopy("green.gif", test_support::TestPicture("green-40x30.gif")));

  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  ASSERT_NE(WaitForMainWindow(*discwright), nullptr);
  HWND wizard = nullptr, options = nullptr, frame = nullptr, chooserFrame = nullptr,
       chooser = nullptr;
  std::tie(wizard, options) = OpenOptionsPage(*discwright);
  ASSERT_NE(options, nullptr);

  // The splash screen: a picture copied in with "&Copy in image".
  HWND splash = nullptr;
  std::tie(frame, splash) =
      OpenOption(*discwright, options, kSplashRow, dt::kSplashTitle, IDX_SPLASH_ENABLE);
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(ControlText(splash, IDE_SPLASH_LINE1), dt::kSplashPresetLine1);
  EXPECT_EQ(ControlText(splash, IDE_SPLASH_LINE3), dt::kSplashPresetLine3);
  EXPECT_FALSE(IsControlEnabled(splash, IDB_SPLASH_SELECT_IMAGE));
  ASSERT_TRUE(ClickButton(splash, IDX_SPLASH_ENABLE));
  // A new configuration shows text.
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(splash, IDE_SPLASH_LINE1); }, 3s));
  EXPECT_EQ(CheckState(splash, IDR_SPLASH_TEXT), BST_CHECKED);
  ASSERT_TRUE(ClickButton(splash, IDR_SPLASH_IMAGE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(splash, IDB_SPLASH_SELECT_IMAGE); }, 3s));
  EXPECT_TRUE(WaitUntil([&] { return !IsControlEnabled(splash, IDE_SPLASH_LINE1); }, 3s));
  {
    std::tie(chooserFrame, chooser) = OpenChooser(*discwright, splash, IDB_SPLASH_SELECT_IMAGE);
    ASSERT_NE(chooser, nullptr);
    EXPECT_THAT(ListBoxItems(chooser, IDL_IMAGE_FILES),
                testing::ElementsAre("blue.jpg", "green.gif"));
    ASSERT_TRUE(ClickButton(chooser, IDB_IMAGE_COPY_IN));
    HWND open = WaitForWindow(*discwright, "Open", kDialogClass);
    ASSERT_NE(open, nullptr);
    ASSERT_TRUE(ChooseFile(open, pictures.PathOf("splash.jpg")));
    ASSERT_TRUE(WaitUntil([&] { return cd_.Exists("splash.jpg"); }, 5s)) << "not copied in";
    ASSERT_TRUE(WaitUntil(
        [&] {
          const auto rows = ListBoxItems(chooser, IDL_IMAGE_FILES);
          const int selected = ListBoxSelection(chooser, IDL_IMAGE_FILES);
          return selected >= 0 && selected < static_cast<int>(rows.size()) &&
                 rows[selected] == "splash.jpg";
        },
        5s))
        << "the copied picture is not the selected row";
    EXPECT_TRUE(WaitUntil([&] { return ControlText(chooser, IDE_IMAGE_WIDTH) == "400"; }, 5s));
    EXPECT_EQ(ControlText(chooser, IDE_IMAGE_HEIGHT), "300");
    Photograph(chooserFrame, "wizard_display_chooser");
    ASSERT_TRUE(ClickButton(chooserFrame, IDB_OPTION_OK));
    ASSERT_TRUE(WaitForWindowGone(chooserFrame)) << "the chooser refused to close";
  }
  EXPECT_EQ(ControlText(splash, IDE_SPLASH_IMAGE), cd_.PathOf("splash.jpg"));
  Photograph(frame, "wizard_display_splash");
  AcceptOption(frame, options, kSplashRow);

  // The welcome screen: a title and a message typed on three lines.
  HWND welcome = nullptr;
  std::tie(frame, welcome) =
      OpenOption(*discwright, options, kWelcomeRow, dt::kWelcomeTitle, IDE_WELCOME_SCREEN_TITLE);
  ASSERT_NE(welcome, nullptr);
  EXPECT_FALSE(IsControlEnabled(welcome, IDE_WELCOME_SCREEN_TITLE));
  ASSERT_TRUE(ClickButton(welcome, IDX_WELCOME_SCREEN_ENABLE));
  // A new configuration shows neither text nor image.
  ASSERT_TRUE(
      WaitUntil([&] { return IsControlEnabled(welcome, IDX_WELCOME_SCREEN_USE_TEXT); }, 3s));
  EXPECT_EQ(CheckState(welcome, IDX_WELCOME_SCREEN_USE_TEXT), BST_UNCHECKED);
  EXPECT_EQ(CheckState(welcome, IDX_WELCOME_SCREEN_USE_IMAGE), BST_UNCHECKED);
  ASSERT_TRUE(ClickButton(welcome, IDX_WELCOME_SCREEN_USE_TEXT));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(welcome, IDE_WELCOME_SCREEN_MESSAGE); }, 3s));
  ASSERT_TRUE(SetControlText(welcome, IDE_WELCOME_SCREEN_TITLE, kWelcomeTitle));
  ASSERT_TRUE(SetControlText(welcome, IDE_WELCOME_SCREEN_MESSAGE, kWelcomeTyped));
  Photograph(frame, "wizard_display_welcome");
  AcceptOption(frame, options, kWelcomeRow);
  EXPECT_EQ(WizardValue("WelcomeMessage"), "First line.<br>Second line.<br>Third line.");

  // The background: colour with two pictures, shown before the welcome
  // screen, closed with "Done".
  HWND background = nullptr;
  std::tie(frame, background) =
      OpenOption(*discwright, options, kBackgroundRow, dt::kBackgroundTitle, IDC_BACKGROUND_WHEN);
  ASSERT_NE(background, nullptr);
  ASSERT_TRUE(ClickButton(background, IDX_BACKGROUND_ENABLE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(background, IDR_BACKGROUND_COLOUR); }, 3s));
  EXPECT_EQ(CheckState(background, IDX_BACKGROUND_CLOSE_BUTTON), BST_CHECKED);
  EXPECT_EQ(ControlText(background, IDC_BACKGROUND_WHEN), dt::kBackgroundWhenItems[2]);
  ASSERT_TRUE(SelectComboItem(background, IDC_BACKGROUND_WHEN, 1));
  ASSERT_TRUE(ClickButton(background, IDR_BACKGROUND_COLOUR));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(background, IDB_BACKGROUND_SELECT1); }, 3s));
  EXPECT_FALSE(IsControlEnabled(background, IDB_BACKGROUND_SELECT_FULL));
  // The colour, saved as soon as the colour dialog says OK.
  ASSERT_TRUE(ClickButton(background, IDB_BACKGROUND_COLOUR));
  HWND colour = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(discwright->Pid()))
          if (ClassName(window) == kDialogClass && Control(window, kColourRed)) colour = window;
        return colour != nullptr;
      },
      5s))
      << "no colour dialog";
  ASSERT_TRUE(SetControlText(colour, kColourRed, "0"));
  ASSERT_TRUE(SetControlText(colour, kColourGreen, "0"));
  ASSERT_TRUE(SetControlText(colour, kColourBlue, "128"));
  ::Sleep(200);
  Photograph(colour, "wizard_display_colour");
  ASSERT_TRUE(PostCommand(colour, IDOK));
  ASSERT_TRUE(WaitForWindowGone(colour));
  EXPECT_TRUE(WaitUntil(
      [&] { return NumberSetting(keys::kBackgroundWindowColour) == static_cast<int32_t>(kNavy); },
      3s))
      << NumberSetting(keys::kBackgroundWindowColour);
  EXPECT_FALSE(IsControlEnabled(background, IDC_BACKGROUND_POSITION1));
  {
    std::tie(chooserFrame, chooser) = OpenChooser(*discwright, background, IDB_BACKGROUND_SELECT1);
    ASSERT_NE(chooser, nullptr);
    // The filter of the last copy-in is kept: JPG images only.
    EXPECT_THAT(ListBoxItems(chooser, IDL_IMAGE_FILES),
                testing::ElementsAre("<Do not configure this option>", "blue.jpg", "splash.jpg"));
    EXPECT_EQ(ControlText(chooser, IDC_IMAGE_FILTER), "JPG images (*.jpg, *.jpeg)");
    ChooseRow(chooserFrame, chooser, "blue.jpg");
  }
  ASSERT_TRUE(
      WaitUntil([&] { return IsControlEnabled(background, IDC_BACKGROUND_POSITION1); }, 3s));
  ASSERT_TRUE(SelectComboItem(background, IDC_BACKGROUND_POSITION1, 0));
  ASSERT_TRUE(SetControlText(background, IDE_BACKGROUND_BORDER1, "10"));
  {
    std::tie(chooserFrame, chooser) = OpenChooser(*discwright, background, IDB_BACKGROUND_SELECT2);
    ASSERT_NE(chooser, nullptr);
    ASSERT_TRUE(SelectComboItem(chooser, IDC_IMAGE_FILTER, 0));
    EXPECT_TRUE(WaitUntil(
        [&] {
          return ListBoxItems(chooser, IDL_IMAGE_FILES) ==
                 std::vector<std::string>{"<Do not configure this option>", "blue.jpg", "green.gif",
                                          "splash.jpg"};
        },
        3s));
    ChooseRow(chooserFrame, chooser, "green.gif");
  }
  ASSERT_TRUE(
      WaitUntil([&] { return IsControlEnabled(background, IDB_BACKGROUND_POSITION2); }, 3s));
  // Image 2 placed with the position dialog.
  ASSERT_TRUE(ClickButton(background, IDB_BACKGROUND_POSITION2));
  HWND positionFrame = WaitForOptionFrame(*discwright, dt::kPositionTitle);
  HWND position = PageHolding(positionFrame, IDE_POSITION_BORDER);
  ASSERT_NE(position, nullptr);
  EXPECT_EQ(CheckState(position, IDR_POSITION_TOP_LEFT), BST_CHECKED);
  EXPECT_EQ(ControlText(position, IDE_POSITION_BORDER), "40");
  ASSERT_TRUE(ClickButton(position, IDR_POSITION_BOTTOM_RIGHT));
  ASSERT_TRUE(SetControlText(position, IDE_POSITION_BORDER, "25"));
  ASSERT_TRUE(ClickButton(positionFrame, IDB_OPTION_OK));
  ASSERT_TRUE(WaitForWindowGone(positionFrame));
  EXPECT_EQ(ControlText(background, IDC_BACKGROUND_POSITION2), "Bottom, right");
  EXPECT_EQ(ControlText(background, IDE_BACKGROUND_BORDER2), "25");
  ASSERT_TRUE(SetControlText(background, IDE_BACKGROUND_CLOSE_TEXT, kCloseText));
  Photograph(frame, "wizard_display_background");
  AcceptOption(frame, options, kBackgroundRow);

  // Creating the CD files.
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  AnswerWizard(*discwright,
               cd_files_texts::OverwriteSummary(Folder() + "autorun.inf", Folder() + "Vendisc.exe"),
               IDYES);
  ASSERT_NE(WaitForFrame(*discwright, wizard_texts::kFilesCreatedTitle), nullptr)
      << ControlText(wizard, IDT_FRAME_TITLE);
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_FINISH));
  ASSERT_TRUE(WaitForWindowGone(wizard));
  AnswerWizard(*discwright, wizard_texts::kTestQuestion, IDNO);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_TRUE(PostClose(main));
  AnswerWizard(*discwright, wizard_texts::kExitQuestion, IDYES);
  EXPECT_TRUE(discwright->WaitForExit(5s).has_value());

  const std::string autorun = cd_.ReadText("autorun.inf");
  EXPECT_EQ(autorun, ExpectedAutorun());
  for (const char* line : {"ShowSplashScreen=1\r\n",
                           "SplashScreenUseImage=1\r\n",
                           "SplashScreenWhenToShow=Startup\r\n",
                           "SplashScreenImage=splash.jpg\r\n",
                           "WelcomeEnabled=1\r\n",
                           "WelcomeTitle=Welcome to the Display CD\r\n",
                           "WelcomeUseText=1\r\n",
                           "WelcomeMessage=First line.<br>Second line.<br>Third line.\r\n",
                           "ShowBackgroundWindow=1\r\n",
                           "BackgroundWhenToShow=BeforeWelcome\r\n",
                           "BackgroundWindowLeaveOpenUntilFileClosed=1\r\n",
                           "BackgroundHaveCloseButton=1\r\n",
                           "BackgroundCloseButtonText=Done\r\n",
                           "BackgroundFullScreenImage=0\r\n",
                           "BackgroundWindowColour=8388608\r\n",
                           "BackgroundFullScreenImageFile1=blue.jpg\r\n",
                           "BackgroundFullScreenImageFileMode1=Top, left\r\n",
                           "BackgroundFullScreenImageFileBorder1=10\r\n",
                           "BackgroundFullScreenImageFile2=green.gif\r\n",
                           "BackgroundFullScreenImageFileMode2=Bottom, right\r\n",
                           "BackgroundFullScreenImageFileBorder2=25\r\n"})
    EXPECT_THAT(autorun, HasSubstr(line));
  EXPECT_THAT(autorun, testing::Not(HasSubstr("WelcomeUseImage=1")));
  EXPECT_THAT(autorun, testing::Not(HasSubstr("SplashScreenLine1")));

  // The CD played: the splash at start-up, then the background and the
  // welcome screen over it.
  starter_ =
      Process::Start(cd_.PathOf("Vendisc.exe"), std::string("\"") + kDocument + "\"", cd_.Path(),
                     {{"RECORDER_LOG", LogPath()}, {"RECORDER_SLEEP_MS", "8000"}});
  ASSERT_TRUE(starter_);
  HWND shown = WaitForWindow(*starter_, kWelcomeTitle, kDialogClass);
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(ControlText(shown, kStarterWelcomeTitle), kWelcomeTitle);
  EXPECT_EQ(ControlText(shown, kStarterWelcomeMessage), kWelcomeTyped);
  EXPECT_EQ(EditLineCount(shown, kStarterWelcomeMessage), 3);
  HWND splashShown = FindWindowOf(starter_->Pid(), kSplashPictureTitle, kDialogClass);
  ASSERT_NE(splashShown, nullptr) << "no picture splash";
  HWND picture = ::FindWindowExA(splashShown, nullptr, nullptr, "SplashScreenWnd");
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(ClientRect(picture).Width(), 400);
  EXPECT_EQ(ClientRect(picture).Height(), 300);
  HWND overlay = FindWindowOf(starter_->Pid(), kOverlayTitle, kOverlayClass);
  ASSERT_NE(overlay, nullptr) << "no background before the welcome screen";
  EXPECT_EQ(ControlText(overlay, kOverlayCloseButton), kCloseText);
  EXPECT_TRUE(ReadRecorderLog(LogPath()).entries.empty()) << "opened before the welcome screen";
  ::Sleep(400);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath("wizard_display_played")));

  ASSERT_TRUE(ClickButton(shown, IDOK));
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  ::Sleep(400);
  const std::string shot = ScreenshotPath("wizard_display_background_played");
  ASSERT_TRUE(SaveScreenshot(shot, overlay));
  // Blue 40 x 30 kept 10 pixels from the top left corner, green 25 pixels
  // from the bottom right one, on navy.
  const Rect screen = WindowRect(overlay);
  EXPECT_TRUE(Near(BitmapPixel(shot, 30, 25), RGB(0, 0, 255)));
  EXPECT_TRUE(Near(BitmapPixel(shot, 5, 5), kNavy));
  EXPECT_TRUE(Near(BitmapPixel(shot, screen.Width() - 45, screen.Height() - 40), RGB(0, 255, 0)))
      << "at " << screen.Width() - 45 << "," << screen.Height() - 40;
  EXPECT_TRUE(Near(BitmapPixel(shot, screen.Width() - 10, screen.Height() - 10), kNavy));

  // "Done" ends the wait for the document.
  ASSERT_TRUE(ClickButton(overlay, kOverlayCloseButton));
  EXPECT_TRUE(WaitForWindowGone(overlay, 3s));
  EXPECT_EQ(starter_->WaitForExit(15s), 0u);
  // The document's own end, so that the CD folder can go.
  WaitForRecorderEntries(LogPath(), 1, RecorderEntry::Kind::kEnd, 15s);
}

// Refusals keep the dialog open with the values typed: a welcome screen
// without a title, shown with nothing, or with text but no message; a
// negative border in the position dialog; a border of 101 answered No; a
// close button text with "&".
TEST_F(WizardDisplay, RefusalsKeepTheDialogsOpen) {
  ASSERT_TRUE(cd_.AddCopy("blue.jpg", test_support::TestPicture("blue-40x30.jpg")));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  ASSERT_NE(WaitForMainWindow(*discwright), nullptr);
  HWND wizard = nullptr, options = nullptr, frame = nullptr, chooserFrame = nullptr,
       chooser = nullptr, welcome = nullptr, background = nullptr;
  std::tie(wizard, options) = OpenOptionsPage(*discwright);
  ASSERT_NE(options, nullptr);

  std::tie(frame, welcome) =
      OpenOption(*discwright, options, kWelcomeRow, dt::kWelcomeTitle, IDE_WELCOME_SCREEN_TITLE);
  ASSERT_NE(welcome, nullptr);
  ASSERT_TRUE(ClickButton(welcome, IDX_WELCOME_SCREEN_ENABLE));
  ASSERT_TRUE(
      WaitUntil([&] { return IsControlEnabled(welcome, IDX_WELCOME_SCREEN_USE_TEXT); }, 3s));
  ASSERT_TRUE(ClickButton(welcome, IDX_WELCOME_SCREEN_USE_TEXT));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(welcome, IDE_WELCOME_SCREEN_MESSAGE); }, 3s));
  ASSERT_TRUE(SetControlText(welcome, IDE_WELCOME_SCREEN_MESSAGE, "Hello"));
  const auto refused = [&](const char* message) {
    ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
    AnswerWizard(*discwright, message, IDOK);
    EXPECT_FALSE(WaitForWindowGone(frame, 500ms)) << "closed after: " << message;
  };
  refused(dt::kWelcomeNoTitle);
  ASSERT_TRUE(SetControlText(welcome, IDE_WELCOME_SCREEN_TITLE, "Hello CD"));
  ASSERT_TRUE(ClickButton(welcome, IDX_WELCOME_SCREEN_USE_TEXT));
  ASSERT_TRUE(
      WaitUntil([&] { return !IsControlEnabled(welcome, IDE_WELCOME_SCREEN_MESSAGE); }, 3s));
  refused(dt::kWelcomeNothingShown);
  ASSERT_TRUE(ClickButton(welcome, IDX_WELCOME_SCREEN_USE_TEXT));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(welcome, IDE_WELCOME_SCREEN_MESSAGE); }, 3s));
  ASSERT_TRUE(SetControlText(welcome, IDE_WELCOME_SCREEN_MESSAGE, ""));
  refused(dt::kWelcomeNoMessage);
  EXPECT_FALSE(FlagSetting(keys::kWelcomeEnabled)) << "saved although refused";
  ASSERT_TRUE(SetControlText(welcome, IDE_WELCOME_SCREEN_MESSAGE, "Hello"));
  AcceptOption(frame, options, kWelcomeRow);
  EXPECT_EQ(WizardValue(keys::kWelcomeTitle), "Hello CD");

  std::tie(frame, background) =
      OpenOption(*discwright, options, kBackgroundRow, dt::kBackgroundTitle, IDC_BACKGROUND_WHEN);
  ASSERT_NE(background, nullptr);
  ASSERT_TRUE(ClickButton(background, IDX_BACKGROUND_ENABLE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(background, IDR_BACKGROUND_COLOUR); }, 3s));
  ASSERT_TRUE(ClickButton(background, IDR_BACKGROUND_COLOUR));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(background, IDB_BACKGROUND_SELECT1); }, 3s));
  std::tie(chooserFrame, chooser) = OpenChooser(*discwright, background, IDB_BACKGROUND_SELECT1);
  ASSERT_NE(chooser, nullptr);
  ChooseRow(chooserFrame, chooser, "blue.jpg");
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(background, IDE_BACKGROUND_BORDER1); }, 3s));

  // The position dialog refuses a negative border; Cancel keeps the old one.
  ASSERT_TRUE(ClickButton(background, IDB_BACKGROUND_POSITION1));
  HWND positionFrame = WaitForOptionFrame(*discwright, dt::kPositionTitle);
  HWND position = PageHolding(positionFrame, IDE_POSITION_BORDER);
  ASSERT_NE(position, nullptr);
  ASSERT_TRUE(SetControlText(position, IDE_POSITION_BORDER, "-1"));
  ASSERT_TRUE(ClickButton(positionFrame, IDB_OPTION_OK));
  AnswerWizard(*discwright, dt::kBorderNegative, IDOK);
  EXPECT_FALSE(WaitForWindowGone(positionFrame, 500ms));
  // Middle, center has no border.
  ASSERT_TRUE(ClickButton(position, IDR_POSITION_MIDDLE_CENTRE));
  EXPECT_TRUE(WaitUntil([&] { return !IsControlEnabled(position, IDE_POSITION_BORDER); }, 3s));
  ASSERT_TRUE(ClickButton(positionFrame, IDB_OPTION_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(positionFrame));
  EXPECT_EQ(ControlText(background, IDE_BACKGROUND_BORDER1), "40");
  EXPECT_EQ(ControlText(background, IDC_BACKGROUND_POSITION1), "Top, left");

  ASSERT_TRUE(SetControlText(background, IDE_BACKGROUND_BORDER1, "101"));
  ASSERT_TRUE(SetControlText(background, IDE_BACKGROUND_CLOSE_TEXT, "Cl&ose"));
  ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
  AnswerWizard(*discwright, dt::kBorder1Over100, IDNO);
  EXPECT_FALSE(WaitForWindowGone(frame, 500ms)) << "closed after No";
  EXPECT_FALSE(FlagSetting(keys::kShowBackgroundWindow)) << "saved although refused";
  ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
  AnswerWizard(*discwright, dt::kBorder1Over100, IDYES);
  AnswerWizard(*discwright, dt::kCloseTextAmpersand, IDOK);
  EXPECT_FALSE(WaitForWindowGone(frame, 500ms)) << "closed with a '&'";
  EXPECT_FALSE(FlagSetting(keys::kShowBackgroundWindow)) << "saved although refused";
  ASSERT_TRUE(SetControlText(background, IDE_BACKGROUND_CLOSE_TEXT, "Close"));
  ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
  AnswerWizard(*discwright, dt::kBorder1Over100, IDYES);
  ASSERT_TRUE(WaitForWindowGone(frame)) << "the option dialog refused to close";
  EXPECT_TRUE(FlagSetting(keys::kShowBackgroundWindow));
  EXPECT_EQ(NumberSetting(keys::BackgroundFullScreenImageFileBorder(1)), 101);
  EXPECT_THAT(WizardValue(keys::BackgroundFullScreenImageFile(1)), testing::EndsWith("blue.jpg"));

  FinishAndExit(*discwright, wizard);
}

}  // namespace
}  // namespace e2e
