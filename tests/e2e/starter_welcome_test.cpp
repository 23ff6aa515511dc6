// The welcome screen in the real Vendisc.exe: "&Open CD" goes on to open the
// CD's document, "&Cancel" ends the run, and what the message and picture
// look like from outside.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <memory>

#include "cd_folder.h"
#include "driver.h"
#include "recorder_log.h"
#include "starter_scenario.h"
#include "starter/res/resource.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""s;

constexpr const char* kExtension = ".vwelc";
constexpr const char* kTitle = "Welcome to the Test CD";
constexpr const char* kBaseAutorun =
    "[autorun]\r\nOPEN=Vendisc.exe \"Doc.vwelc\"\r\nRunOneAtATime=1\r\n"
    "QUAVAutorunTimeout=1\r\nWelcomeEnabled=1\r\nWelcomeTitle=Welcome to the Test CD\r\n"
    "WelcomeUseText=1\r\nWelcomeMessage=First phrase.<br>Second phrase.\r\n";

std::optional<std::string> IsRunningValue() {
  char buffer[64] = {};
  DWORD size = sizeof buffer - 1;
  if (::SHGetValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning", nullptr, buffer, &size) !=
      ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::string(buffer);
}

void ClearIsRunning() {
  ::SHSetValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning", REG_SZ, "no", 3);
}

// A picture of the source tree's test data, found from this file's path.
std::string TestPicture(const std::string& name) {
  std::string here = WindowsPath(__FILE__);
  here.resize(here.find_last_of('\\') + 1);
  return here + "..\\data\\pictures\\" + name;
}

class StarterWelcome : public testing::Test {
 public:
  static void SetUpTestSuite() {
    documentType_ =
        std::make_unique<RecorderDocumentType>(kExtension, WindowsPath(E2E_RECORDER_EXE));
  }
  static void TearDownTestSuite() { documentType_.reset(); }

 protected:
  void SetUp() override {
    ASSERT_TRUE(documentType_ && documentType_->ok());
    ASSERT_TRUE(cd_.ok());
    ASSERT_TRUE(cd_.AddCopy("Vendisc.exe", WindowsPath(E2E_VENDISC_EXE)));
    ASSERT_TRUE(cd_.AddFile("Doc.vwelc", "the CD's document"));
    ClearIsRunning();
  }
  void TearDown() override { ClearIsRunning(); }

  std::optional<Process> Start(const std::string& extraAutorun = "") {
    if (!cd_.AddAutorun(std::string(kBaseAutorun) + extraAutorun)) return std::nullopt;
    return Process::Start(cd_.PathOf("Vendisc.exe"), "", cd_.Path(), {{"RECORDER_LOG", LogPath()}});
  }
  std::string LogPath() const { return cd_.PathOf("recorder.log"); }

  static std::unique_ptr<RecorderDocumentType> documentType_;
  CdFolder cd_{"welcome"};
};

std::unique_ptr<RecorderDocumentType> StarterWelcome::documentType_;

TEST_F(StarterWelcome, OpenCdGoesOnAndTheMessageHasTwoLines) {
  auto vendisc = Start();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForWindow(*vendisc, kTitle, kDialogClass);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(ControlText(dialog, IDE_WELCOME_MESSAGE), "First phrase.\r\nSecond phrase.");
  EXPECT_EQ(EditLineCount(dialog, IDE_WELCOME_MESSAGE), 2);
  EXPECT_EQ(ControlText(dialog, IDT_WELCOME_TITLE), kTitle);
  EXPECT_EQ(DefaultButtonId(dialog), IDOK);
  // Modal: nothing opens before the answer, and the guard is up.
  EXPECT_TRUE(ReadRecorderLog(LogPath()).entries.empty());
  EXPECT_EQ(IsRunningValue(), "yes");
  ::Sleep(300);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath("e2e_welcome_text"), dialog));

  ASSERT_TRUE(ClickButton(dialog, IDOK));
  const RecorderLog log = WaitForRecorderEntries(LogPath(), 1);
  ASSERT_EQ(log.Starts().size(), 1u);
  EXPECT_THAT(log.Starts()[0].commandLine, testing::HasSubstr("Doc.vwelc"));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_EQ(IsRunningValue(), "no");
}

TEST_F(StarterWelcome, CancelOpensNothing) {
  for (bool escape : {false, true}) {
    SCOPED_TRACE(escape ? "Esc" : "&Cancel");
    auto vendisc = Start();
    ASSERT_TRUE(vendisc);
    HWND dialog = WaitForWindow(*vendisc, kTitle, kDialogClass);
    ASSERT_TRUE(dialog);
    if (escape) {
      ASSERT_TRUE(PressKey(dialog, VK_ESCAPE));
    } else {
      ASSERT_TRUE(ClickButton(dialog, IDB_WELCOME_CANCEL));
    }
    EXPECT_EQ(vendisc->WaitForExit(), 0u);
    ::Sleep(500);  // anything opened by mistake would have logged by now
    EXPECT_TRUE(ReadRecorderLog(LogPath()).entries.empty());
    EXPECT_EQ(IsRunningValue(), "no");
  }
}

// The gradient 400 x 300 right of the text: fitted to 342 x 256 and placed
// after a text column as wide as the picture's window (348).
TEST_F(StarterWelcome, PictureBesideTheText) {
  ASSERT_TRUE(cd_.AddCopy("art\\welcome.jpg", TestPicture("gradient-400x300.jpg")));
  auto vendisc = Start(
      "WelcomeUseImage=1\r\nWelcomeImage=art\\\\welcome.jpg\r\n"
      "WelcomeImageLocation=Right of text\r\nWelcomeURL=http://cd.example/\r\n");
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForWindow(*vendisc, kTitle, kDialogClass);
  ASSERT_TRUE(dialog);
  HWND picture = ::FindWindowExA(dialog, nullptr, nullptr, "SplashScreenWnd");
  ASSERT_TRUE(picture);
  RECT rect{};
  ::GetWindowRect(picture, &rect);
  ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  EXPECT_EQ(rect.left, 348);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right - rect.left, 342);
  EXPECT_EQ(rect.bottom - rect.top, 256);
  EXPECT_EQ(WindowRect(dialog).Width(), 696);
  EXPECT_FALSE(IsControlVisible(dialog, IDT_WELCOME_TITLE));
  EXPECT_TRUE(IsControlVisible(dialog, IDT_WELCOME_LINK));
  const Rect message = ControlRect(dialog, IDE_WELCOME_MESSAGE);
  EXPECT_EQ(message.left, 5);
  EXPECT_LE(message.right, 348);
  ::Sleep(300);
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath("e2e_welcome_right_of_text"), dialog));

  ASSERT_TRUE(ClickButton(dialog, IDB_WELCOME_CANCEL));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_TRUE(ReadRecorderLog(LogPath()).entries.empty());
}

}  // namespace
}  // namespace e2e
