// The background overlay as a real window under Wine: its size, colour,
// pictures, close button and the ways of dismissing it.
#include "starter/win32/background_window.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

#include "common/win32/app_message.h"
#include "common/win32/handles.h"
#include "resource.h"
#include "starter/background_layout.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace {

background::Settings WithCloseButton() {
  background::Settings settings;
  settings.hasCloseButton = true;
  return settings;
}

using test_support::TestPicture;

// JPEG colours are approximate.
bool Near(COLORREF a, COLORREF b) {
  auto close = [](int x, int y) { return x - y < 24 && y - x < 24; };
  return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) &&
         close(GetBValue(a), GetBValue(b));
}

class BackgroundWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    event_.reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event_);
  }
  void TearDown() override {
    window_.reset();
    OleUninitialize();
  }

  BackgroundWindow& Make(const background::Settings& settings) {
    window_ = std::make_unique<BackgroundWindow>(settings, [this] { return event_.get(); });
    EXPECT_TRUE(window_->Create());
    UpdateWindow(window_->Handle());
    test_support::PumpPending();
    return *window_;
  }

  // The colour the window shows at (x, y), read back from what it painted.
  COLORREF PixelAt(int x, int y) {
    win32::WindowDc dc(window_->Handle());
    return GetPixel(dc.get(), x, y);
  }

  bool EventSet() const { return WaitForSingleObject(event_.get(), 0) == WAIT_OBJECT_0; }

  win32::KernelHandle event_;
  std::unique_ptr<BackgroundWindow> window_;
};

TEST_F(BackgroundWindowTest, CoversTheScreenInItsColour) {
  struct Row {
    const char* value;
    COLORREF colour;
  } rows[] = {{"", RGB(0, 0, 0)},
              {"255", RGB(255, 0, 0)},
              {"abc", RGB(255, 255, 255)},
              {"16777215", RGB(255, 255, 255)},
              {"65280", RGB(0, 255, 0)}};
  for (const Row& r : rows) {
    background::Settings settings;
    settings.colour = background::ColourFromValue(r.value);
    HWND window = Make(settings).Handle();
    ASSERT_TRUE(window);
    RECT rect;
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 1024);
    EXPECT_EQ(rect.bottom, 768);
    EXPECT_TRUE(IsWindowVisible(window));
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "CD AutoRun");
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
    EXPECT_EQ(GetClassLongA(window, GCL_STYLE), static_cast<DWORD>(CS_OWNDC));
    for (POINT p : {POINT{0, 0}, POINT{512, 384}, POINT{1023, 767}}) {
      EXPECT_EQ(PixelAt(p.x, p.y), r.colour) << "\"" << r.value << "\" at " << p.x << "," << p.y;
    }
    test_support::SaveScreenshotIfAsked(window, std::string("background-colour-") + r.value);
  }
}

TEST_F(BackgroundWindowTest, DrawsTwoPicturesWhereTheLayoutPlacesThem) {
  background::Settings settings;
  settings.colour = RGB(0, 0, 0);
  settings.pictures[0] = {TestPicture("red-40x30.bmp"), "Top, Left", 10};
  settings.pictures[1] = {TestPicture("gradient-400x300.jpg"), "bottom, right", 25};
  Make(settings);
  test_support::SaveScreenshotIfAsked(window_->Handle(), "background-two-pictures");

  const layout::Rect red =
      layout::PlacePicture({1024, 768}, "Top, Left", "bottom, right", 10, {40, 30});
  const layout::Rect gradient =
      layout::PlacePicture({1024, 768}, "bottom, right", "Top, Left", 25, {400, 300});
  EXPECT_EQ(red, (layout::Rect{10, 10, 40, 30}));
  EXPECT_EQ(gradient, (layout::Rect{599, 443, 400, 300}));
  const layout::PictureGeometry& g0 = window_->PictureAt(0).Geometry();
  EXPECT_EQ((layout::Rect{g0.left, g0.top, g0.width, g0.height}), red);
  const layout::PictureGeometry& g1 = window_->PictureAt(1).Geometry();
  EXPECT_EQ((layout::Rect{g1.left, g1.top, g1.width, g1.height}), gradient);

  // Inside and just outside each picture.
  EXPECT_EQ(PixelAt(10, 10), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(49, 39), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(9, 10), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(50, 39), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(10, 40), RGB(0, 0, 0));
  EXPECT_NE(PixelAt(gradient.left + 200, gradient.top + 150), RGB(0, 0, 0));
  EXPECT_NE(PixelAt(gradient.left, gradient.top), RGB(0, 0, 0));
  EXPECT_NE(PixelAt(gradient.Right() - 1, gradient.Bottom() - 1), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(gradient.left - 1, gradient.top + 150), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(gradient.Right(), gradient.top + 150), RGB(0, 0, 0));
  EXPECT_EQ(PixelAt(gradient.left + 200, gradient.Bottom()), RGB(0, 0, 0));
}

TEST_F(BackgroundWindowTest, SecondPictureLiesOnTopAndAMissingOneIsReported) {
  background::Settings settings;
  settings.colour = RGB(255, 255, 255);
  settings.pictures[0] = {TestPicture("red-40x30.bmp"), "FullScreen", 0};
  settings.pictures[1] = {TestPicture("no-such-picture.jpg"), "Middle, Center", 0};
  {
    test_support::MessageBoxWatcher watcher(win32::AppTitle());
    Make(settings);
    EXPECT_EQ(watcher.Text(), "Failed to load: " + TestPicture("no-such-picture.jpg"));
  }
  // The overlay is still shown, with the picture that loaded stretched over it.
  EXPECT_TRUE(IsWindowVisible(window_->Handle()));
  EXPECT_FALSE(window_->PictureAt(1).IsLoaded());
  EXPECT_EQ(PixelAt(512, 384), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(1023, 767), RGB(255, 0, 0));

  settings.pictures[0] = {TestPicture("red-40x30.bmp"), "FullScreen", 0};
  settings.pictures[1] = {TestPicture("blue-40x30.jpg"), "Middle, Center", 0};
  Make(settings);
  EXPECT_TRUE(Near(PixelAt(512, 384), RGB(0, 0, 255)));
  EXPECT_EQ(PixelAt(100, 100), RGB(255, 0, 0));
}

TEST_F(BackgroundWindowTest, CloseButtonInTheTopRightCorner) {
  struct Row {
    const char* configured;
    const char* shown;
  } rows[] = {{"", "Close"}, {"Leave the CD", "Leave the CD"}};
  for (const Row& r : rows) {
    background::Settings settings;
    settings.hasCloseButton = true;
    settings.closeButtonText = r.configured;
    HWND button = Make(settings).CloseButton();
    ASSERT_TRUE(button);
    EXPECT_EQ(GetDlgCtrlID(button), 1025);
    EXPECT_EQ(GetParent(button), window_->Handle());
    char className[32] = {};
    GetClassNameA(button, className, sizeof className);
    EXPECT_STREQ(className, "Button");
    char text[64] = {};
    GetWindowTextA(button, text, sizeof text);
    EXPECT_STREQ(text, r.shown);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    EXPECT_EQ(style & (WS_CHILD | WS_VISIBLE | WS_TABSTOP),
              static_cast<LONG>(WS_CHILD | WS_VISIBLE | WS_TABSTOP));
    EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);

    // 10-point Arial at 96 dpi, and the rectangle measured in it.
    auto font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    ASSERT_TRUE(font);
    LOGFONTA logFont = {};
    GetObjectA(font, sizeof logFont, &logFont);
    EXPECT_STREQ(logFont.lfFaceName, "Arial");
    EXPECT_EQ(logFont.lfHeight, -13);
    win32::WindowDc dc(button);
    SIZE extent = {};
    {
      win32::SelectObjectScope select(dc.get(), font);
      GetTextExtentPoint32A(dc.get(), r.shown, static_cast<int>(strlen(r.shown)), &extent);
    }
    const layout::Rect expected = layout::CloseButtonRect(1024, {extent.cx, extent.cy});
    const RECT placed = test_support::ChildRect(button);
    EXPECT_EQ(placed.left, expected.left) << r.shown;
    EXPECT_EQ(placed.top, 10);
    EXPECT_EQ(placed.right, 1014);
    EXPECT_EQ(placed.bottom, extent.cy + 15);
    test_support::SaveScreenshotIfAsked(window_->Handle(),
                                        std::string("background-button-") + r.shown);
  }
}

TEST_F(BackgroundWindowTest, EscHidesOnlyWithACloseButton) {
  for (bool hasButton : {false, true}) {
    ResetEvent(event_.get());
    background::Settings settings;
    settings.hasCloseButton = hasButton;
    HWND window = Make(settings).Handle();
    EXPECT_EQ(window_->CloseButton() != nullptr, hasButton);
    SendMessageA(window, WM_CHAR, 'x', 0);
    EXPECT_TRUE(IsWindowVisible(window));
    SendMessageA(window, WM_CHAR, VK_ESCAPE, 0);
    EXPECT_EQ(IsWindowVisible(window) != FALSE, !hasButton) << hasButton;
    EXPECT_EQ(EventSet(), hasButton) << hasButton;
    // Hidden, not destroyed.
    EXPECT_TRUE(IsWindow(window));
  }
}

TEST_F(BackgroundWindowTest, ClickOnTheCloseButtonHidesAndSignalsWhenAsked) {
  for (bool signal : {true, false}) {
    ResetEvent(event_.get());
    background::Settings settings;
    settings.hasCloseButton = true;
    HWND window = Make(settings).Handle();
    window_->SetSignalOnHide(signal);
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 100));  // elsewhere: nothing
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    EXPECT_TRUE(IsWindowVisible(window));
    SendMessageA(window_->CloseButton(), BM_CLICK, 0, 0);
    test_support::PumpPending();
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(EventSet(), signal);
  }
}

// The event may be made after the window: it is asked for when hiding.
TEST_F(BackgroundWindowTest, FindsTheEventAtTheMomentOfHiding) {
  HANDLE current = nullptr;
  BackgroundWindow window(WithCloseButton(), [&] { return current; });
  ASSERT_TRUE(window.Create());
  SendMessageA(window.CloseButton(), BM_CLICK, 0, 0);  // no event yet: only hides
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  current = event_.get();
  window.Hide();
  EXPECT_TRUE(EventSet());
}

TEST_F(BackgroundWindowTest, RightClickMenuClosesTheBackground) {
  background::Settings settings;
  HWND window = Make(settings).Handle();
  SetForegroundWindow(window);
  // The menu is modal on this thread; another thread picks its first entry.
  std::atomic<bool> picked{false};
  std::thread chooser([&] {
    for (int i = 0; i < 200 && !picked; ++i) {
      HWND menu = FindWindowA("#32768", nullptr);
      if (menu && IsWindowVisible(menu)) {
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
        PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
        picked = true;
      }
      Sleep(20);
    }
  });
  SendMessageA(window, WM_RBUTTONUP, 0, MAKELPARAM(200, 200));
  chooser.join();
  EXPECT_TRUE(picked);
  EXPECT_FALSE(IsWindowVisible(window));
  EXPECT_TRUE(EventSet());
}

TEST_F(BackgroundWindowTest, CloseDestroysTheWindow) {
  HWND window = Make(WithCloseButton()).Handle();
  window_->Close();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(window_->Handle(), nullptr);
  window_->Close();  // twice is harmless
}

}  // namespace
