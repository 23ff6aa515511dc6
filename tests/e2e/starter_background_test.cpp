// The background overlay as the CD user meets it, played by the real
// Vendisc.exe: when it appears, its colour and pictures on the screen, and
// its close button ending the wait for an opened document.
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <chrono>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cd_folder.h"
#include "driver.h"
#include "recorder_log.h"
#include "starter_scenario.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono_literals::operator""ms;
using std::chrono_literals::operator""s;

constexpr const char* kOverlayTitle = "CD AutoRun";
constexpr int kCloseButtonId = 1025;
constexpr const char* kExtension = ".vdbgrec";
constexpr const char* kProgId = "VendiscTestvdbgrecFile";
constexpr const char* kDocument = "Film.vdbgrec";
constexpr const char* kOpenDocument = "OPEN=Vendisc.exe \"Film.vdbgrec\"\r\n";
// The overlay stays until the document is closed; a short linger after it.
constexpr const char* kWaitForDocument =
    "ShowBackgroundWindow=1\r\nBackgroundWindowLeaveOpenUntilFileClosed=1\r\n"
    "QUAVAutorunTimeout=1\r\n";

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

bool Near(COLORREF a, COLORREF b) {
  auto close = [](int p, int q) { return p - q < 24 && q - p < 24; };
  return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
         close(GetBValue(a), GetBValue(b));
}

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void SetIsRunning(const char* value) {
  if (value) {
    ::SHSetValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning", REG_SZ, value,
                  static_cast<DWORD>(strlen(value) + 1));
  } else {
    ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning");
  }
}

// Ends the recorders that `parent` started and left sleeping.
void KillChildRecorders(DWORD parent) { EndProcessesNamed("recorder.exe", parent); }

// What a dismissed window does: sets the starter's shared event.
void SignalCloseWindow() {
  win32::KernelHandle event(::OpenEventA(EVENT_MODIFY_STATE, FALSE, "CloseWindow"));
  if (event) ::SetEvent(event.get());
}

class StarterBackground : public testing::Test {
 public:
  static void SetUpTestSuite() {
    // A leftover of an interrupted run (our own names only) is removed first.
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kExtension);
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kProgId);
    documentType_ =
        std::make_unique<RecorderDocumentType>(kExtension, WindowsPath(E2E_RECORDER_EXE));
  }
  static void TearDownTestSuite() { documentType_.reset(); }

 protected:
  void SetUp() override {
    ASSERT_TRUE(documentType_ && documentType_->ok());
    ASSERT_TRUE(cd_.ok());
    ASSERT_TRUE(cd_.AddCopy("Vendisc.exe", WindowsPath(E2E_VENDISC_EXE)));
    ASSERT_TRUE(cd_.AddFile(kDocument, "a film"));
    SetIsRunning(nullptr);
  }
  void TearDown() override {
    if (vendisc_) {
      KillChildRecorders(vendisc_->Pid());
      vendisc_->Kill();
    }
    SetIsRunning(nullptr);
  }

  std::string LogPath() const { return cd_.PathOf("recorder.log"); }

  // Starts Vendisc; the document it opens sleeps `sleepMs` (0: ends at once).
  bool Start(const std::string& autorunLines, int sleepMs) {
    if (!cd_.AddAutorun("[autorun]\r\n" + autorunLines)) return false;
    vendisc_ = Process::Start(
        cd_.PathOf("Vendisc.exe"), "", cd_.Path(),
        {{"RECORDER_LOG", LogPath()}, {"RECORDER_SLEEP_MS", std::to_string(sleepMs)}});
    return vendisc_.has_value();
  }

  HWND Overlay(Ms timeout = kDefaultTimeout) {
    return WaitForWindow(*vendisc_, kOverlayTitle, "", timeout);
  }

  // Photographs the overlay once it has had time to paint.
  std::string Photograph(HWND overlay, const std::string& name) {
    ::Sleep(400);
    const std::string path = ScreenshotPath(name);
    EXPECT_TRUE(SaveScreenshot(path, overlay)) << name;
    return path;
  }

  static std::unique_ptr<RecorderDocumentType> documentType_;
  CdFolder cd_{"bg"};
  std::optional<Process> vendisc_;
};

std::unique_ptr<RecorderDocumentType> StarterBackground::documentType_;

struct WhenCase {
  const char* name;
  const char* line;  // the BackgroundWhenToShow line, or empty for none
  bool beforeQuestion;
};
void PrintTo(const WhenCase& c, std::ostream* os) { *os << c.name; }

class BackgroundWhen : public StarterBackground, public testing::WithParamInterface<WhenCase> {};

// With another copy marked running, the question waits for an answer: only
// an overlay shown at "Startup" is already there. After "Yes" every one of
// them is shown (the welcome screen is off) and stays over the open document.
TEST_P(BackgroundWhen, OverlayAndTheOneAtATimeQuestion) {
  const WhenCase& c = GetParam();
  SetIsRunning("yes");
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument +
                        "RunOneAtATime=1\r\nBackgroundHaveCloseButton=1\r\n" + c.line,
                    20000));
  auto box = WaitForMessageBox(*vendisc_, kStarterTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(FindWindowOf(vendisc_->Pid(), kOverlayTitle) != nullptr, c.beforeQuestion);
  ::Sleep(400);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath(std::string("background-question-") + c.name)));

  ASSERT_TRUE(AnswerMessageBox(box->window, IDYES));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  EXPECT_TRUE(ClickButton(overlay, kCloseButtonId));
  EXPECT_EQ(vendisc_->WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Starter, BackgroundWhen,
    testing::Values(WhenCase{"Startup", "BackgroundWhenToShow=Startup\r\n", true},
                    WhenCase{"BeforeWelcome", "BackgroundWhenToShow=BeforeWelcome\r\n", false},
                    WhenCase{"AfterWelcome", "BackgroundWhenToShow=afterwelcome\r\n", false},
                    WhenCase{"Absent", "", false}),
    [](const testing::TestParamInfo<WhenCase>& info) { return std::string(info.param.name); });

// Relative to the welcome screen: "BeforeWelcome" is up while the welcome
// screen asks, "AfterWelcome" (and no value) only once it was confirmed.
class BackgroundAndWelcome : public StarterBackground,
                             public testing::WithParamInterface<WhenCase> {};

TEST_P(BackgroundAndWelcome, OverlayAndTheWelcomeScreen) {
  const WhenCase& c = GetParam();
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument +
                        "WelcomeEnabled=1\r\nWelcomeTitle=Hello\r\nWelcomeUseText=1\r\n"
                        "WelcomeMessage=Welcome to the CD.\r\nBackgroundHaveCloseButton=1\r\n" +
                        c.line,
                    20000));
  HWND welcome = WaitForWindow(*vendisc_, "Hello", kDialogClass);
  ASSERT_TRUE(welcome);
  EXPECT_EQ(FindWindowOf(vendisc_->Pid(), kOverlayTitle) != nullptr, c.beforeQuestion);
  ::Sleep(400);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath(std::string("background-welcome-") + c.name)));

  ASSERT_TRUE(ClickButton(welcome, IDOK));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  EXPECT_TRUE(ClickButton(overlay, kCloseButtonId));
  EXPECT_EQ(vendisc_->WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Starter, BackgroundAndWelcome,
    testing::Values(WhenCase{"Startup", "BackgroundWhenToShow=Startup\r\n", true},
                    WhenCase{"BeforeWelcome", "BackgroundWhenToShow=BeforeWelcome\r\n", true},
                    WhenCase{"AfterWelcome", "BackgroundWhenToShow=AfterWelcome\r\n", false},
                    WhenCase{"Absent", "", false}),
    [](const testing::TestParamInfo<WhenCase>& info) { return std::string(info.param.name); });

// Esc hides an overlay that has a close button just as the button does, and
// so ends the wait for the document, whichever window has the focus.
TEST_F(StarterBackground, EscWithACloseButtonHidesItAndEndsTheWait) {
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument +
                        "BackgroundHaveCloseButton=1\r\nBackgroundWhenToShow=Startup\r\n",
                    60000));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  const auto pressed = Clock::now();
  ASSERT_TRUE(PressKey(overlay, VK_ESCAPE));
  EXPECT_TRUE(WaitForWindowGone(overlay, 5s));
  EXPECT_EQ(vendisc_->WaitForExit(15s), 0u);
  // The document sleeps a minute: the starter ended because the wait did.
  EXPECT_LT(SecondsSince(pressed), 15.0);
}

struct ColourCase {
  const char* name;
  const char* value;
  COLORREF colour;
};
void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.name; }

class BackgroundColour : public StarterBackground,
                         public testing::WithParamInterface<ColourCase> {};

TEST_P(BackgroundColour, FillsTheScreen) {
  const ColourCase& c = GetParam();
  ASSERT_TRUE(Start(
      std::string(kOpenDocument) + kWaitForDocument + "BackgroundWindowColour=" + c.value + "\r\n",
      20000));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  EXPECT_EQ(WindowRect(overlay), (Rect{0, 0, 1024, 768}));
  const std::string shot = Photograph(overlay, std::string("background-colour-") + c.name);
  for (POINT p : {POINT{0, 0}, POINT{512, 384}, POINT{1023, 767}, POINT{1000, 20}}) {
    EXPECT_EQ(BitmapPixel(shot, p.x, p.y), c.colour) << c.name << " at " << p.x << "," << p.y;
  }
  // No close button configured: Esc leaves it, the document keeps it up.
  EXPECT_EQ(Control(overlay, kCloseButtonId), nullptr);
  PressKey(overlay, VK_ESCAPE);
  ::Sleep(300);
  EXPECT_TRUE(::IsWindowVisible(overlay));
  EXPECT_TRUE(vendisc_->Running());
  SignalCloseWindow();
  EXPECT_EQ(vendisc_->WaitForExit(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Starter, BackgroundColour,
                         testing::Values(ColourCase{"Empty", "", RGB(0, 0, 0)},
                                         ColourCase{"Red", "255", RGB(255, 0, 0)},
                                         ColourCase{"NotANumber", "blue", RGB(255, 255, 255)}),
                         [](const testing::TestParamInfo<ColourCase>& info) {
                           return std::string(info.param.name);
                         });

// Two pictures in opposite corners, each kept from the edges by its border.
TEST_F(StarterBackground, TwoPicturesInOppositeCorners) {
  ASSERT_TRUE(cd_.AddCopy("pics\\red.bmp", test_support::TestData("pictures/red-40x30.bmp")));
  ASSERT_TRUE(
      cd_.AddCopy("pics\\gradient.jpg", test_support::TestData("pictures/gradient-400x300.jpg")));
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument +
                        "BackgroundWindowColour=0\r\n"
                        "BackgroundFullScreenImageFile1=pics\\red.bmp\r\n"
                        "BackgroundFullScreenImageFileMode1=Top, Left\r\n"
                        "BackgroundFullScreenImageFileBorder1=10\r\n"
                        "BackgroundFullScreenImageFile2=pics\\\\gradient.jpg\r\n"
                        "BackgroundFullScreenImageFileMode2=Bottom, Right\r\n"
                        "BackgroundFullScreenImageFileBorder2=25\r\n",
                    20000));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  const std::string shot = Photograph(overlay, "background-two-pictures");
  auto at = [&](int x, int y) { return BitmapPixel(shot, x, y).value_or(CLR_INVALID); };
  constexpr COLORREF kBlack = RGB(0, 0, 0);
  // The red picture at (10, 10), 40 x 30.
  EXPECT_EQ(at(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(at(49, 39), RGB(255, 0, 0));
  EXPECT_EQ(at(9, 10), kBlack);
  EXPECT_EQ(at(50, 10), kBlack);
  EXPECT_EQ(at(10, 40), kBlack);
  // The 400 x 300 gradient (blue at the top, yellow at the bottom) fits its
  // 512 x 384 share unshrunk: at (1024 - 400 - 25, 768 - 300 - 25).
  EXPECT_TRUE(Near(at(599, 443), RGB(0, 0, 255)));
  EXPECT_TRUE(Near(at(998, 742), RGB(255, 255, 0)));
  EXPECT_EQ(at(598, 600), kBlack);
  EXPECT_EQ(at(999, 600), kBlack);
  EXPECT_EQ(at(800, 442), kBlack);
  EXPECT_EQ(at(800, 743), kBlack);
  SignalCloseWindow();
  EXPECT_EQ(vendisc_->WaitForExit(), 0u);
}

// The overlay keeps the starter waiting for the document; its close button
// ends that wait long before the document would end by itself.
TEST_F(StarterBackground, CloseButtonEndsTheWaitForTheDocument) {
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument +
                        "BackgroundHaveCloseButton=1\r\nBackgroundCloseButtonText=Done\r\n",
                    20000));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  EXPECT_EQ(ControlText(overlay, kCloseButtonId), "Done");
  const Rect button = ControlRect(overlay, kCloseButtonId);
  EXPECT_EQ(button.right, 1014);
  EXPECT_EQ(button.top, 10);
  Photograph(overlay, "background-close-button");
  ::Sleep(1000);
  EXPECT_TRUE(vendisc_->Running());  // still waiting for the document

  const auto click = Clock::now();
  ASSERT_TRUE(ClickButton(overlay, kCloseButtonId));
  EXPECT_TRUE(WaitForWindowGone(overlay, 3s));
  EXPECT_EQ(vendisc_->WaitForExit(15s), 0u);
  EXPECT_LT(SecondsSince(click), 6.0);  // the 1 s linger, not the 20 s document
}

// Without a close button the right-click menu still hides the overlay, and
// "&Close Background" ends the wait like the button.
TEST_F(StarterBackground, RightClickMenuClosesTheBackground) {
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument, 20000));
  HWND overlay = Overlay();
  ASSERT_TRUE(overlay);
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  ASSERT_TRUE(::PostMessageA(overlay, WM_RBUTTONUP, 0, MAKELPARAM(300, 300)));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        menu = ::FindWindowA("#32768", nullptr);
        return menu && ::IsWindowVisible(menu);
      },
      5s));
  ::Sleep(300);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath("background-menu")));
  ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  ::PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_TRUE(WaitForWindowGone(overlay, 3s));
  EXPECT_EQ(vendisc_->WaitForExit(8s), 0u);
}

// Without the close button, the document's own end ends the wait.
TEST_F(StarterBackground, WithoutAClickTheStarterWaitsForTheDocument) {
  ASSERT_TRUE(Start(std::string(kOpenDocument) + kWaitForDocument, 3000));
  ASSERT_TRUE(Overlay());
  const auto start = Clock::now();
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  EXPECT_EQ(vendisc_->WaitForExit(15s), 0u);
  EXPECT_GE(SecondsSince(start), 2.5);
  EXPECT_EQ(WaitForRecorderEntries(LogPath(), 1, RecorderEntry::Kind::kEnd).entries.size(), 2u);
}

}  // namespace
}  // namespace e2e
