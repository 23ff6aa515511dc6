// The starter's splash screen seen from outside: shown at start-up with the
// file name still empty, shown per file with the file's name, hidden by Esc
// (which ends the wait for an opened document, but not an installer's) and by
// its show-for time (which never ends a wait).
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <optional>
#include <string>

#include "cd_folder.h"
#include "driver.h"
#include "recorder_log.h"
#include "starter_scenario.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""ms;
using std::chrono_literals::operator""s;
using Clock = std::chrono::steady_clock;

constexpr const char* kTitle = "ZoruZaz AZ";
constexpr const char* kTextTitle = "CD AutoRun, please wait ...";
constexpr const char* kPictureTitle = "CD AutoRun";
constexpr const char* kDocumentExtension = ".vspl";
constexpr int kLine1 = 1026;
constexpr int kLine2 = 1027;
constexpr int kLine3 = 1028;
constexpr const char* kMachineKey = "SOFTWARE\\QUAV\\ZoruzazAZ";

// A 24-bit BMP running from blue at the top to yellow at the bottom.
std::string GradientBmp(int width, int height) {
  const int rowBytes = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + rowBytes * height;
  std::string data(reinterpret_cast<const char*>(&file), sizeof file);
  data.append(reinterpret_cast<const char*>(&info), sizeof info);
  for (int y = 0; y < height; ++y) {  // bottom row first
    const int yellow = 255 * (height - 1 - y) / (height - 1);
    std::string row(rowBytes, '\0');
    for (int x = 0; x < width; ++x) {
      row[x * 3] = static_cast<char>(255 - yellow);  // blue
      row[x * 3 + 1] = static_cast<char>(yellow);    // green
      row[x * 3 + 2] = static_cast<char>(yellow);    // red
    }
    data += row;
  }
  return data;
}


// Sets IsRunning for the scenario and puts back what was there.
class IsRunningValue {
 public:
  explicit IsRunningValue(const char* value) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                          &key, nullptr) != ERROR_SUCCESS)
      return;
    char previous[64] = {};
    DWORD size = sizeof previous - 1;
    if (::RegQueryValueExA(key, "IsRunning", nullptr, nullptr, reinterpret_cast<BYTE*>(previous),
                           &size) == ERROR_SUCCESS) {
      previous_ = previous;
    }
    ok_ = ::RegSetValueExA(key, "IsRunning", 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                           static_cast<DWORD>(strlen(value) + 1)) == ERROR_SUCCESS;
    ::RegCloseKey(key);
  }
  ~IsRunningValue() {
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMachineKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
      return;
    if (previous_) {
      ::RegSetValueExA(key, "IsRunning", 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(previous_->c_str()),
                       static_cast<DWORD>(previous_->size() + 1));
    } else {
      ::RegDeleteValueA(key, "IsRunning");
    }
    ::RegCloseKey(key);
  }
  bool ok() const { return ok_; }

 private:
  std::optional<std::string> previous_;
  bool ok_ = false;
};

class StarterSplashTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(cd_.ok());
    ASSERT_TRUE(cd_.AddCopy("recorder.exe", WindowsPath(E2E_RECORDER_EXE)));
    ASSERT_TRUE(documents_.ok());
    ASSERT_TRUE(cd_.AddFile(std::string("doc") + kDocumentExtension, "document"));
  }

  std::optional<Process> Start(const std::string& autorun, EnvVars env = {}) {
    EXPECT_TRUE(cd_.AddAutorun(autorun));
    env.emplace_back("RECORDER_LOG", LogPath());
    return Process::Start(VendiscExe(), "", cd_.Path(), env);
  }
  std::string LogPath() const { return cd_.PathOf("recorder.log"); }

  CdFolder cd_{"splash"};
  RecorderDocumentType documents_{kDocumentExtension, cd_.PathOf("recorder.exe")};
};

TEST_F(StarterSplashTest, StartupSplashHasItsLinesWithAnEmptyFileName) {
  IsRunningValue running("yes");
  ASSERT_TRUE(running.ok());
  // The one-at-a-time question comes after the start-up splash and holds the sequence.
  auto process = Start(
      "[autorun]\r\nOPEN=Vendisc.exe \"doc.vspl\"\r\nShowSplashScreen=1\r\n"
      "SplashScreenWhenToShow=Startup\r\nRunOneAtATime=1\r\nQUAVAutorunTimeout=20\r\n"
      "SplashScreenLine1=Welcome[<FILE_NAME>]\r\nSplashScreenLine2=Second line\r\n"
      "SplashScreenLine3=<FILE_NAME>Third\r\n");
  ASSERT_TRUE(process);
  auto question = WaitForMessageBox(*process, kTitle);
  ASSERT_TRUE(question);
  HWND splash = FindWindowOf(process->Pid(), kTextTitle, kDialogClass);
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(ControlText(splash, kLine1), "Welcome[]");
  EXPECT_EQ(ControlText(splash, kLine2), "Second line");
  EXPECT_EQ(ControlText(splash, kLine3), "Third");
  const Rect window = WindowRect(splash);
  const Size screen = ScreenSize();
  EXPECT_NEAR(window.left, (screen.width - window.Width()) / 2, 1);
  EXPECT_NEAR(window.top, (screen.height - window.Height()) / 2, 1);
  EXPECT_EQ(ClientRect(splash).Width(), DialogItemPixels(0, 0, 278, 79).Width());
  EXPECT_EQ(ClientRect(splash).Height(), DialogItemPixels(0, 0, 278, 79).Height());

  // Going on: the file being opened refreshes the lines of the same window.
  ASSERT_TRUE(AnswerMessageBox(question->window, IDYES));
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(splash, kLine1) == "Welcome[doc.vspl]"; }, 5s));
  EXPECT_EQ(ControlText(splash, kLine3),
            "doc.vspl"
            "Third");
  EXPECT_EQ(FindWindowOf(process->Pid(), kTextTitle, kDialogClass), splash);
  // Esc ends the 20-second linger.
  ASSERT_TRUE(PressKey(splash, VK_ESCAPE));
  EXPECT_TRUE(process->WaitForExit(8s));
}

TEST_F(StarterSplashTest, PerFileSplashNamesTheFileAndEscEndsTheLinger) {
  auto process = Start(
      "[autorun]\r\nOPEN=Vendisc.exe \"doc.vspl\"\r\nShowSplashScreen=1\r\n"
      "SplashScreenWhenToShow=FileLoad\r\nQUAVAutorunTimeout=30\r\n"
      "SplashScreenLine1=Opening <FILE_NAME> ...\r\n");
  ASSERT_TRUE(process);
  HWND splash = WaitForWindow(*process, kTextTitle, kDialogClass);
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(ControlText(splash, kLine1), "Opening doc.vspl ...");
  EXPECT_EQ(ControlText(splash, kLine2), "");
  EXPECT_TRUE(SaveScreenshot(ScreenshotPath("starter_splash_text"), splash));
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  // Still lingering well after the document started.
  ::Sleep(1500);
  ASSERT_TRUE(process->Running());

  const auto pressed = Clock::now();
  ASSERT_TRUE(PressKey(splash, VK_ESCAPE));
  EXPECT_EQ(process->WaitForExit(10s), 0u);
  EXPECT_LT(Clock::now() - pressed, 10s);
}

TEST_F(StarterSplashTest, EscDuringAnInstallerHidesWithoutEndingItsWait) {
  ASSERT_TRUE(cd_.AddCopy("setup.exe", WindowsPath(E2E_RECORDER_EXE)));
  auto process = Start(
      "[autorun]\r\nOPEN=Vendisc.exe \"doc.vspl\"\r\nShowSplashScreen=1\r\n"
      "SplashScreenWhenToShow=FileLoad\r\nQUAVAutorunTimeout=30\r\n"
      "InstallerFileOpenOptions=Always\r\nInstallerFile=setup.exe\r\n"
      "SplashScreenLine1=Installing <FILE_NAME>\r\n",
      {{"RECORDER_SLEEP_MS", "3000"}});
  ASSERT_TRUE(process);
  HWND splash = WaitForWindow(*process, kTextTitle, kDialogClass);
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(ControlText(splash, kLine1), "Installing setup.exe");
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  ASSERT_TRUE(PressKey(splash, VK_ESCAPE));
  EXPECT_TRUE(WaitForWindowGone(splash, 3s));

  // The document opens only after the installer has ended, under a new splash.
  const RecorderLog log = WaitForRecorderEntries(LogPath(), 2, RecorderEntry::Kind::kStart, 15s);
  ASSERT_EQ(log.Starts().size(), 2u);
  ASSERT_GE(log.entries.size(), 3u);
  EXPECT_NE(log.entries[0].commandLine.find("setup.exe"), std::string::npos);
  EXPECT_EQ(log.entries[1].kind, RecorderEntry::Kind::kEnd);
  EXPECT_NE(log.entries[1].commandLine.find("setup.exe"), std::string::npos);
  EXPECT_NE(log.entries[2].commandLine.find("doc.vspl"), std::string::npos);

  HWND second = WaitForWindow(*process, kTextTitle, kDialogClass);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return ControlText(second, kLine1) == "Installing doc.vspl"; }));
  // Signalling again: Esc now ends the document's linger.
  ASSERT_TRUE(PressKey(second, VK_ESCAPE));
  EXPECT_EQ(process->WaitForExit(10s), 0u);
}

TEST_F(StarterSplashTest, ShowForTimeHidesWithoutEndingTheLinger) {
  auto process = Start(
      "[autorun]\r\nOPEN=Vendisc.exe \"doc.vspl\"\r\nShowSplashScreen=1\r\n"
      "SplashScreenWhenToShow=FileLoad\r\nQUAVAutorunTimeout=5\r\n"
      "SplashScreenImageShowForSecs=1\r\nSplashScreenLine1=Briefly\r\n");
  ASSERT_TRUE(process);
  HWND splash = WaitForWindow(*process, kTextTitle, kDialogClass);
  ASSERT_NE(splash, nullptr);
  const auto shown = Clock::now();
  EXPECT_TRUE(WaitForWindowGone(splash, 4s));
  EXPECT_TRUE(process->Running());
  EXPECT_TRUE(process->WaitForExit(15s));
  // Hidden after about a second, the starter still lingered for its five. The
  // linger counts whole seconds of the calendar clock, so "5" lasts between 4
  // and 5 seconds from the open, a little less from when the splash was seen.
  EXPECT_GE(Clock::now() - shown, 3s);
}

TEST_F(StarterSplashTest, PictureSplashIsTheCentredPictureInAFrame) {
  ASSERT_TRUE(cd_.AddFile("art\\splash.bmp", GradientBmp(400, 300)));
  auto process = Start(
      "[autorun]\r\nOPEN=Vendisc.exe \"doc.vspl\"\r\nShowSplashScreen=1\r\n"
      "SplashScreenWhenToShow=FileLoad\r\nQUAVAutorunTimeout=30\r\n"
      "SplashScreenUseImage=1\r\nSplashScreenImage=art\\\\splash.bmp\r\n");
  ASSERT_TRUE(process);
  HWND splash = WaitForWindow(*process, kPictureTitle, kDialogClass);
  ASSERT_NE(splash, nullptr);
  EXPECT_EQ(ClientRect(splash).Width(), 400);
  EXPECT_EQ(ClientRect(splash).Height(), 300);
  const Rect window = WindowRect(splash);
  EXPECT_EQ(window.Width(), 406);
  EXPECT_EQ(window.Height(), 306);
  const Size screen = ScreenSize();
  EXPECT_EQ(window.left, (screen.width - 406) / 2);
  EXPECT_EQ(window.top, (screen.height - 306) / 2);
  HWND child = ::FindWindowExA(splash, nullptr, nullptr, "SplashScreenWnd");
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClientRect(child).Width(), 400);
  ::Sleep(300);
  const std::string shot = ScreenshotPath("starter_splash_picture");
  EXPECT_TRUE(SaveScreenshot(shot, splash));
  ASSERT_TRUE(PressKey(splash, VK_ESCAPE));
  EXPECT_EQ(process->WaitForExit(10s), 0u);
}

}  // namespace
}  // namespace e2e
