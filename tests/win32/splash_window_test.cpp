// The splash window under Wine: the template each configuration picks, its
// lines and font, the picture frame fitted to the screen, and the two ways it
// hides (by time, and by the user, which may end the starter's wait).
#include "starter/win32/splash_window.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <atomic>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>

#include "common/text.h"
#include "common/win32/app_message.h"
#include "common/win32/message_pump.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/window_util.h"
#include "config/autorun_config.h"
#include "resource.h"
#include "starter/win32/win32_starter_ui.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace {

using test_support::DialogUnits;

using test_support::TestPicture;

// A plain 24-bit BMP of one colour.
void WriteBmp(const std::string& path, int32_t width, int32_t height) {
  const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + rowBytes * static_cast<uint32_t>(height);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  const std::string row(rowBytes, '\x80');
  for (int32_t y = 0; y < height; ++y) out.write(row.data(), row.size());
}

// Pumps (with the starter's own pump, so Esc becomes the cancel command) until
// `done` holds or `ms` pass.
template <typename Fn>
bool PumpUntil(Fn done, int ms) {
  for (int waited = 0; waited < ms; waited += 20) {
    win32::PumpWaitingMessages();
    if (done()) return true;
    ::Sleep(20);
  }
  win32::PumpWaitingMessages();
  return done();
}

class SplashWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    win32::SetAppMessageStyle("ZoruZaz AZ", MB_ICONEXCLAMATION);
    char temp[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
    folder_ = text::Format("%svdsplash%lu", temp, GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    GetCurrentDirectoryA(MAX_PATH, previous_);
    ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
    event_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  }
  void TearDown() override {
    splash_.reset();
    SetCurrentDirectoryA(previous_);
    for (const char* name : {"autorun.inf", "big.bmp", "red.bmp"}) {
      DeleteFileA((folder_ + "\\" + name).c_str());
    }
    RemoveDirectoryA(folder_.c_str());
    OleUninitialize();
  }

  void Autorun(const std::string& keys) {
    std::ofstream(folder_ + "\\autorun.inf", std::ios::binary)
        << "[autorun]\r\nShowSplashScreen=1\r\n"
        << keys;
  }

  HWND Show(const std::string& fileName) {
    splash_ = std::make_unique<SplashWindow>(config_, fileName, [this] { return event_.get(); });
    EXPECT_TRUE(splash_->ShowModeless(true));
    return splash_->hwnd();
  }

  bool EventSet() const { return WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0; }
  std::string Line(int n) const {
    return win32::WindowText(GetDlgItem(splash_->hwnd(), IDT_SPLASH_LINE1 + n - 1));
  }
  SIZE Client() const { return win32::ClientSize(splash_->hwnd()); }

  std::string folder_;
  char previous_[MAX_PATH + 1] = {};
  Win32FileSystem fs_;
  AutorunConfig config_{fs_};
  win32::KernelHandle event_;
  std::unique_ptr<SplashWindow> splash_;
};

TEST_F(SplashWindowTest, TextModeTitledWithLinesAndTheFileName) {
  Autorun(
      "SplashScreenLine1=Opening <FILE_NAME>\r\nSplashScreenLine2=please wait\r\n"
      "SplashScreenLine3=<FILE_NAME>!\r\n");
  HWND window = Show("docs\\a.pdf");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(splash_->templateId(), IDD_SPLASH_TITLED);
  EXPECT_EQ(win32::WindowText(window), "CD AutoRun, please wait ...");
  EXPECT_TRUE(IsWindowVisible(window));
  const RECT size = DialogUnits(window, 0, 0, 278, 79);
  EXPECT_EQ(Client().cx, size.right);
  EXPECT_EQ(Client().cy, size.bottom);
  EXPECT_EQ(Line(1), "Opening docs\\a.pdf");
  EXPECT_EQ(Line(2), "please wait");
  EXPECT_EQ(Line(3), "docs\\a.pdf!");
  test_support::SaveScreenshotIfAsked(window, "splash_text");

  // A later file: new lines; shown per file, it comes back after being hidden.
  ShowWindow(window, SW_HIDE);
  splash_->UpdateSplash("b.doc", false);
  EXPECT_EQ(Line(1), "Opening b.doc");
  EXPECT_FALSE(IsWindowVisible(window));
  splash_->UpdateSplash("c.doc", true);
  EXPECT_EQ(Line(3), "c.doc!");
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(SplashWindowTest, UntitledTemplateWhenAPictureIsNamedButNotUsed) {
  Autorun("SplashScreenImage=s.jpg\r\nSplashScreenUseImage=0\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(splash_->templateId(), IDD_SPLASH_UNTITLED);
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_CAPTION, 0);
  const RECT size = DialogUnits(window, 0, 0, 278, 70);
  EXPECT_EQ(Client().cx, size.right);
  EXPECT_EQ(Client().cy, size.bottom);
  // No lines configured: the placeholder.
  EXPECT_EQ(Line(1), "Please wait whilst the file loads.");
  EXPECT_EQ(Line(2), "");
  EXPECT_EQ(Line(3), "");
  // Still not blank for a later file.
  splash_->UpdateSplash("b.doc", true);
  EXPECT_EQ(Line(1), "Please wait whilst the file loads.");
}

TEST_F(SplashWindowTest, CustomFontOnAllThreeLines) {
  Autorun(
      "SplashScreenLine1=Big\r\nSplashFontName=Tahoma\r\nSplashFontWeight=700\r\n"
      "SplashFontItalic=1\r\nSplashFontHeight=18\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  for (int id : {IDT_SPLASH_LINE1, IDT_SPLASH_LINE2, IDT_SPLASH_LINE3}) {
    HFONT font = reinterpret_cast<HFONT>(SendDlgItemMessageA(window, id, WM_GETFONT, 0, 0));
    LOGFONTA description{};
    ASSERT_TRUE(GetObjectA(font, sizeof description, &description)) << id;
    EXPECT_STREQ(description.lfFaceName, "Tahoma");
    EXPECT_EQ(description.lfWeight, 700);
    EXPECT_TRUE(description.lfItalic);
    EXPECT_EQ(description.lfHeight, -24);  // 18 points at 96 dpi
  }
}

TEST_F(SplashWindowTest, PictureThatFailsToLoadBecomesATextWindow) {
  // Picture mode without a picture: the folder itself is tried, and the titled template serves.
  Autorun("SplashScreenUseImage=1\r\nSplashScreenLine1=not shown\r\n");
  test_support::MessageBoxWatcher watcher("ZoruZaz AZ");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(watcher.Text(),
            "Sorry, it was not possible to load the following image:\n\n" + folder_ + "\\");
  EXPECT_EQ(splash_->templateId(), IDD_SPLASH_TITLED);
  EXPECT_EQ(Line(1), "");
  EXPECT_EQ(Line(2), "Please wait whilst the operation completes ...");
  EXPECT_EQ(splash_->PictureWindowOf(), nullptr);
  EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(SplashWindowTest, PictureFillsTheFrameAndIsCentred) {
  ASSERT_TRUE(CopyFileA(TestPicture("gradient-400x300.jpg").c_str(),
                        (folder_ + "\\red.bmp").c_str(), FALSE));
  // Doubled backslashes in the value are made single.
  Autorun("SplashScreenUseImage=1\r\nSplashScreenImage=.\\\\red.bmp\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(splash_->templateId(), IDD_SPLASH_UNTITLED);
  EXPECT_EQ(win32::WindowText(window), "CD AutoRun");
  EXPECT_EQ(Client().cx, 400);
  EXPECT_EQ(Client().cy, 300);
  RECT frame{};
  GetWindowRect(window, &frame);
  const int border = GetSystemMetrics(SM_CXDLGFRAME);
  EXPECT_EQ(frame.right - frame.left, 400 + 2 * border);
  EXPECT_EQ(frame.bottom - frame.top, 300 + 2 * border);
  EXPECT_EQ(frame.left, (GetSystemMetrics(SM_CXSCREEN) - (400 + 2 * border)) / 2);
  EXPECT_EQ(frame.top, (GetSystemMetrics(SM_CYSCREEN) - (300 + 2 * border)) / 2);

  const win32::PictureWindow* picture = splash_->PictureWindowOf();
  ASSERT_NE(picture, nullptr);
  ASSERT_NE(picture->Handle(), nullptr);
  EXPECT_EQ(GetParent(picture->Handle()), window);
  const SIZE pictureClient = win32::ClientSize(picture->Handle());
  EXPECT_EQ(pictureClient.cx, 400);
  EXPECT_EQ(pictureClient.cy, 300);
  EXPECT_EQ(GetWindowLongA(picture->Handle(), GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER),
            WS_CHILD | WS_VISIBLE);
  PumpUntil([] { return false; }, 100);
  test_support::SaveScreenshotIfAsked(window, "splash_picture");
}

TEST_F(SplashWindowTest, LargePictureIsHalvedToTheScreen) {
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  WriteBmp(folder_ + "\\big.bmp", 1000, 500);
  Autorun("SplashScreenUseImage=1\r\nSplashScreenImage=big.bmp\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(Client().cx, 512);
  EXPECT_EQ(Client().cy, 256);
  ASSERT_NE(splash_->PictureWindowOf(), nullptr);
  const SIZE pictureClient = win32::ClientSize(splash_->PictureWindowOf()->Handle());
  EXPECT_EQ(pictureClient.cx, 512);
  EXPECT_EQ(pictureClient.cy, 256);
}

TEST_F(SplashWindowTest, ShowForTimeHidesWithoutSettingTheEvent) {
  Autorun("SplashScreenImageShowForSecs=1\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(splash_->ShowForSeconds(), 1);
  PumpUntil([&] { return splash_->MenuArmed(); }, 2000);
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }, 3000));
  EXPECT_FALSE(EventSet());
  EXPECT_TRUE(IsWindow(window));  // hidden, not closed
}

TEST_F(SplashWindowTest, EscHidesAndSignalsOnlyWhenSignalling) {
  struct Row {
    bool signal;
    bool eventSet;
  } rows[] = {{true, true}, {false, false}};
  Autorun("SplashScreenLine1=x\r\n");
  for (const Row& row : rows) {
    ResetEvent(event_.get());
    HWND window = Show("");
    ASSERT_NE(window, nullptr);
    splash_->SetSignalOnHide(row.signal);
    SetForegroundWindow(window);
    HWND target = GetFocus() ? GetFocus() : window;
    PostMessageA(target, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(target, WM_KEYUP, VK_ESCAPE, 0xC0010001);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }, 2000)) << row.signal;
    EXPECT_EQ(EventSet(), row.eventSet) << row.signal;
    EXPECT_TRUE(IsWindow(window));
  }
}

TEST_F(SplashWindowTest, HideCommandAndMenuArming) {
  Autorun("SplashScreenLine1=x\r\nSplashScreenImageShowForSecs=1\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(splash_->MenuArmed());
  EXPECT_TRUE(PumpUntil([&] { return splash_->MenuArmed(); }, 2000));
  SendMessageA(window, WM_COMMAND, ID_PICTURE_HIDE, 0);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(EventSet());

  // Shown again: disarmed for another 500 ms, and the hide timer runs afresh.
  ResetEvent(event_.get());
  splash_->UpdateSplash("", true);
  EXPECT_FALSE(splash_->MenuArmed());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }, 3000));
  EXPECT_FALSE(EventSet());
}

// Watches for the pop-up menu on its own thread and picks "&Hide" by its mnemonic.
class MenuPicker {
 public:
  explicit MenuPicker(HWND owner)
      : thread_([this, owner] {
          while (!stop_) {
            HWND menu = FindWindowA("#32768", nullptr);
            if (menu && IsWindowVisible(menu)) {
              ++menusSeen_;
              PostMessageA(owner, WM_CHAR, 'h', 0);
              while (!stop_ && IsWindowVisible(menu)) Sleep(10);
            }
            Sleep(10);
          }
        }) {}
  ~MenuPicker() {
    stop_ = true;
    thread_.join();
  }
  int MenusSeen() const { return menusSeen_; }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<int> menusSeen_{0};
  std::thread thread_;
};

TEST_F(SplashWindowTest, ClickShowsTheHideMenuOnceArmed) {
  Autorun("SplashScreenLine1=x\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  MenuPicker picker(window);
  // Within 500 ms of showing: no menu.
  SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpUntil([] { return false; }, 100);
  EXPECT_EQ(picker.MenusSeen(), 0);
  EXPECT_TRUE(IsWindowVisible(window));

  ASSERT_TRUE(PumpUntil([&] { return splash_->MenuArmed(); }, 2000));
  SendMessageA(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }, 2000));
  EXPECT_EQ(picker.MenusSeen(), 1);
  EXPECT_TRUE(EventSet());
}

TEST_F(SplashWindowTest, CloseDestroysWithoutSignalling) {
  ASSERT_TRUE(
      CopyFileA(TestPicture("red-40x30.bmp").c_str(), (folder_ + "\\red.bmp").c_str(), FALSE));
  Autorun("SplashScreenUseImage=1\r\nSplashScreenImage=red.bmp\r\n");
  HWND window = Show("");
  ASSERT_NE(window, nullptr);
  HWND picture = splash_->PictureWindowOf()->Handle();
  splash_->CloseSplash();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_FALSE(IsWindow(picture));
  EXPECT_EQ(splash_->PictureWindowOf(), nullptr);
  EXPECT_FALSE(EventSet());
}

}  // namespace

namespace {

// The starter's UI makes the event after the window, as the sequence does;
// the picture's "&Hide" must still reach it.
TEST_F(SplashWindowTest, StarterUiSplashSignalsTheEventMadeAfterIt) {
  ASSERT_TRUE(
      CopyFileA(TestPicture("red-40x30.bmp").c_str(), (folder_ + "\\red.bmp").c_str(), FALSE));
  Autorun(
      "SplashScreenUseImage=1\r\nSplashScreenImage=red.bmp\r\n"
      "SplashScreenImageShowForSecs=7\r\n");
  Win32StarterUi ui(config_);
  ASSERT_TRUE(ui.CreateSplash(""));
  ui.CreateCloseEvent();
  ASSERT_TRUE(ui.CloseEventHandle());
  ResetEvent(ui.CloseEventHandle());
  EXPECT_TRUE(ui.SplashExists());
  EXPECT_EQ(ui.SplashShowForSeconds(), 7);
  HWND window = FindWindowA("#32770", "CD AutoRun");
  ASSERT_NE(window, nullptr);
  HWND picture = FindWindowExA(window, nullptr, nullptr, "SplashScreenWnd");
  ASSERT_NE(picture, nullptr);

  MenuPicker picker(picture);
  PumpUntil([] { return false; }, 700);  // both menus armed
  SendMessageA(picture, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window); }, 2000));
  EXPECT_EQ(picker.MenusSeen(), 1);
  EXPECT_EQ(WaitForSingleObject(ui.CloseEventHandle(), 0), WAIT_OBJECT_0);

  ui.CloseSplash();
  EXPECT_FALSE(ui.SplashExists());
  EXPECT_FALSE(IsWindow(window));
  ui.ReleaseCloseEvent();
}

TEST_F(SplashWindowTest, StarterUiMakesNoSplashUnlessAsked) {
  std::ofstream(folder_ + "\\autorun.inf", std::ios::binary)
      << "[autorun]\r\nShowSplashScreen=0\r\nSplashScreenLine1=x\r\n";
  Win32StarterUi ui(config_);
  EXPECT_FALSE(ui.CreateSplash(""));
  EXPECT_FALSE(ui.SplashExists());
  EXPECT_EQ(FindWindowA("#32770", "CD AutoRun, please wait ..."), nullptr);
}

}  // namespace
