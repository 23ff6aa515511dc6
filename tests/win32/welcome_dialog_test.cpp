// The welcome dialog from its template under Wine (1024 x 768 work area,
// caption 19, frame 3, dialog base units 6 x 13): text, picture and both.
#include "starter/win32/welcome_dialog.h"

#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <string>

#include "common/win32/app_message.h"
#include "common/win32/window_util.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"

namespace {

using test_support::ChildRect;
using test_support::DialogUnits;

using test_support::TestPicture;

struct Box {
  int left, top, width, height;
  bool operator==(const Box&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Box& b) {
  return os << "(" << b.left << ", " << b.top << ", " << b.width << " x " << b.height << ")";
}
Box BoxOf(HWND control) {
  const RECT r = ChildRect(control);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
bool Visible(HWND control) { return (::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0; }

// Height of one line of the link text in the dialog's plain DC.
int PlainTextHeight(HWND dialog, const std::string& text) {
  HDC dc = ::GetDC(dialog);
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  ::ReleaseDC(dialog, dc);
  return size.cy;
}

int BoldLineHeight(HWND title) {
  HDC dc = ::GetDC(title);
  HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(title, WM_GETFONT, 0, 0)));
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc, &metrics);
  ::SelectObject(dc, old);
  ::ReleaseDC(title, dc);
  return metrics.tmHeight;
}

class WelcomeDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    win32::SetAppMessageStyle("ZoruZaz AZ", MB_ICONEXCLAMATION);
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The expected numbers below are worked out for this screen.
    ASSERT_EQ(work.right, 1024);
    ASSERT_EQ(work.bottom, 768);
    ASSERT_EQ(::GetSystemMetrics(SM_CYCAPTION), 19);
    ASSERT_EQ(::GetSystemMetrics(SM_CXDLGFRAME), 3);
  }
  void TearDown() override { ::OleUninitialize(); }

  static WelcomeSettings Text(const std::string& message, const std::string& link = "") {
    WelcomeSettings s;
    s.title = "Welcome to the Sample CD";
    s.link = link;
    s.useText = true;
    s.message = message;
    return s;
  }
  static WelcomeSettings WithPicture(WelcomeSettings s, const char* file, const char* location) {
    s.usePicture = true;
    s.picturePath = TestPicture(file);
    s.pictureLocation = location;
    return s;
  }
};

// Template: client 389 x 323; "&Open CD" 89 x 23, so the button row is 33.
TEST_F(WelcomeDialogTest, TextOnly) {
  WelcomeDialog dialog(Text("First phrase.<br>Second phrase.", "http://cd.example/more"));
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "Welcome to the Sample CD");
  EXPECT_TRUE(::IsWindowVisible(window));
  const SIZE client = win32::ClientSize(window);
  const RECT templateClient = DialogUnits(window, 0, 0, 259, 199);
  ASSERT_EQ(client.cx, templateClient.right);
  ASSERT_EQ(client.cy, templateClient.bottom);

  HWND title = dialog.Item(IDT_WELCOME_TITLE);
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(title, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
  EXPECT_EQ(font.lfWeight, FW_BOLD);
  const int lineH = BoldLineHeight(title);
  const int titleW =
      DialogUnits(window, 5, 4, 249, 9).right - DialogUnits(window, 5, 4, 249, 9).left;
  EXPECT_EQ(BoxOf(title), (Box{5, 5, titleW, lineH + 5}));
  EXPECT_TRUE(Visible(title));

  HWND message = dialog.Item(IDE_WELCOME_MESSAGE);
  EXPECT_EQ(win32::WindowText(message), "First phrase.\r\nSecond phrase.");
  EXPECT_EQ(::SendMessageA(message, EM_GETLINECOUNT, 0, 0), 2);
  const LRESULT margins = ::SendMessageA(message, EM_GETMARGINS, 0, 0);
  EXPECT_EQ(LOWORD(margins), 3);
  EXPECT_EQ(HIWORD(margins), 3);
  const int gap = 33;
  EXPECT_EQ(BoxOf(message),
            (Box{5, lineH + 12, client.cx - 10, client.cy - lineH - (lineH + 5) - gap - 19}));

  HWND link = dialog.Item(IDT_WELCOME_LINK);
  EXPECT_TRUE(Visible(link));
  EXPECT_EQ(win32::WindowText(link), "http://cd.example/more");
  EXPECT_EQ(dialog.link().target(), "http://cd.example/more");
  EXPECT_EQ(BoxOf(dialog.Item(IDT_WELCOME_SEPARATOR)),
            (Box{5, client.cy - gap - 3, client.cx - 10, 2}));
  EXPECT_EQ(LOWORD(::SendMessageA(window, DM_GETDEFID, 0, 0)), IDOK);
  // The buttons keep their template places.
  const RECT ok = DialogUnits(window, 140, 180, 59, 14);
  EXPECT_EQ(BoxOf(dialog.Item(IDOK)),
            (Box{ok.left, ok.top, ok.right - ok.left, ok.bottom - ok.top}));
  EXPECT_FALSE(dialog.pictureWindow().Handle());
  test_support::SaveScreenshotIfAsked(window, "welcome_text");

  // Without a link the message box takes the link's place.
  WelcomeDialog noLink(Text("Only text."));
  ASSERT_TRUE(noLink.CreateModeless(nullptr));
  EXPECT_FALSE(Visible(noLink.Item(IDT_WELCOME_LINK)));
  EXPECT_EQ(BoxOf(noLink.Item(IDE_WELCOME_MESSAGE)).height, client.cy - (lineH + 5) - gap - 19 + 5);
}

TEST_F(WelcomeDialogTest, LongTitleWrapsAndIsCapped) {
  WelcomeSettings s = Text("m");
  s.title = std::string(60, 'W');
  WelcomeDialog dialog(s);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND title = dialog.Item(IDT_WELCOME_TITLE);
  const int lineH = BoldLineHeight(title);
  const int height = BoxOf(title).height;
  EXPECT_GT(height, lineH + 5);  // more than one line
  EXPECT_EQ((height - 5) % lineH, 0);
  EXPECT_EQ(BoxOf(dialog.Item(IDE_WELCOME_MESSAGE)).top, height + 7);

  s.title = std::string(1000, 'W');
  WelcomeDialog capped(s);
  ASSERT_TRUE(capped.CreateModeless(nullptr));
  EXPECT_EQ(BoxOf(capped.Item(IDT_WELCOME_TITLE)).height, 105);
}

TEST_F(WelcomeDialogTest, EmptyTitleTakesTheFontsLineHeight) {
  WelcomeSettings s = Text("m", "http://x.example");
  s.title.clear();
  WelcomeDialog dialog(s);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const int lineH = BoldLineHeight(dialog.Item(IDT_WELCOME_TITLE));
  const SIZE client = win32::ClientSize(dialog.hwnd());
  EXPECT_EQ(BoxOf(dialog.Item(IDT_WELCOME_TITLE)).height, 5);
  EXPECT_EQ(BoxOf(dialog.Item(IDE_WELCOME_MESSAGE)).height, client.cy - lineH - 5 - 33 - 19);
}

// 1000 x 200 alone: wider than 1024 - 3 - 19 - 100, so shrunk by 1000 / 512.
TEST_F(WelcomeDialogTest, PictureOnly) {
  WelcomeSettings s;
  s.title = "Picture only";
  s.link = "http://hidden.example";
  s = WithPicture(s, "wide-1000x200.gif", "");
  WelcomeDialog dialog(s);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND window = dialog.hwnd();
  EXPECT_EQ(win32::WindowText(window), "Picture only");
  HWND pictureWindow = dialog.pictureWindow().Handle();
  ASSERT_TRUE(pictureWindow);
  EXPECT_EQ(::GetParent(pictureWindow), window);
  EXPECT_EQ(::GetWindowLongA(pictureWindow, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_BORDER),
            WS_CHILD | WS_VISIBLE | WS_BORDER);
  EXPECT_EQ(BoxOf(pictureWindow), (Box{0, 0, 512, 102}));
  RECT rect{};
  ::GetWindowRect(window, &rect);
  EXPECT_EQ(rect.right - rect.left, 512 + 6);
  EXPECT_EQ(rect.bottom - rect.top, 102 + 6 + 33 + 19);
  // Centred on the 1024 x 768 screen.
  EXPECT_EQ(rect.left, (1024 - 518) / 2);
  EXPECT_EQ(rect.top, (768 - 160) / 2);
  for (int id : {IDT_WELCOME_TITLE, IDE_WELCOME_MESSAGE, IDT_WELCOME_LINK, IDT_WELCOME_SEPARATOR}) {
    EXPECT_FALSE(Visible(dialog.Item(id))) << id;
  }
  // Client 512 x 135: buttons right-aligned on the bottom row.
  EXPECT_EQ(BoxOf(dialog.Item(IDOK)), (Box{518 - 2 * 89 - 20, 135 - 23 - 5, 89, 23}));
  EXPECT_EQ(BoxOf(dialog.Item(IDB_WELCOME_CANCEL)), (Box{518 - 89 - 15, 107, 89, 23}));
  EXPECT_EQ(LOWORD(::SendMessageA(window, DM_GETDEFID, 0, 0)), IDOK);
  test_support::SaveScreenshotIfAsked(window, "welcome_picture_only");
}

// gradient 400 x 300 beside text: 400 > 256, by 400 / 341 to 341 x 255; then
// 255 > 192, by 255 / 256 to 342 x 256.
TEST_F(WelcomeDialogTest, PictureWithTextByLocation) {
  struct Row {
    const char* location;
    Box dialogSize;  // left, top unused
    Box picture;
    Box textArea;  // before the link takes its share
  } rows[] = {
      {"Left of text", {0, 0, 696, 324}, {0, 0, 342, 256}, {347, 5, 338, 251}},
      {"right of text", {0, 0, 696, 324}, {348, 0, 342, 256}, {5, 5, 338, 251}},
      {"Along the top", {0, 0, 348, 574}, {0, 0, 342, 256}, {5, 261, 332, 245}},
      {"ALONG THE BOTTOM", {0, 0, 348, 574}, {0, 250, 342, 256}, {5, 5, 332, 240}},
      // Unrecognised: the band below the picture, as along the top.
      {"Somewhere else", {0, 0, 348, 574}, {0, 0, 342, 256}, {5, 261, 332, 245}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.location);
    for (bool withLink : {false, true}) {
      const std::string url = withLink ? "http://cd.example/" : "";
      WelcomeDialog dialog(
          WithPicture(Text("Line one<br>Line two", url), "gradient-400x300.jpg", row.location));
      ASSERT_TRUE(dialog.CreateModeless(nullptr));
      HWND window = dialog.hwnd();
      RECT rect{};
      ::GetWindowRect(window, &rect);
      EXPECT_EQ(rect.right - rect.left, row.dialogSize.width);
      EXPECT_EQ(rect.bottom - rect.top, row.dialogSize.height);
      EXPECT_EQ(BoxOf(dialog.pictureWindow().Handle()), row.picture);
      EXPECT_FALSE(Visible(dialog.Item(IDT_WELCOME_TITLE)));
      EXPECT_TRUE(Visible(dialog.Item(IDE_WELCOME_MESSAGE)));
      EXPECT_TRUE(Visible(dialog.Item(IDT_WELCOME_SEPARATOR)));
      const SIZE client = win32::ClientSize(window);
      EXPECT_EQ(BoxOf(dialog.Item(IDT_WELCOME_SEPARATOR)),
                (Box{5, client.cy - 33 - 3, client.cx - 10, 2}));
      Box text = row.textArea;
      if (withLink) {
        const int measured = PlainTextHeight(window, url);
        const int linkH = measured < 15 ? 20 : measured + 5;
        EXPECT_TRUE(Visible(dialog.Item(IDT_WELCOME_LINK)));
        EXPECT_EQ(BoxOf(dialog.Item(IDT_WELCOME_LINK)),
                  (Box{text.left, text.top + text.height - linkH + 5, text.width, linkH}));
        text.height -= linkH;
      } else {
        EXPECT_FALSE(Visible(dialog.Item(IDT_WELCOME_LINK)));
      }
      EXPECT_EQ(BoxOf(dialog.Item(IDE_WELCOME_MESSAGE)), text);
      if (withLink) {
        std::string name = std::string("welcome_") + row.location;
        for (char& c : name) c = c == ' ' ? '_' : static_cast<char>(::tolower(c));
        test_support::SaveScreenshotIfAsked(window, name);
      }
    }
  }
}

TEST_F(WelcomeDialogTest, PictureThatCannotBeLoadedIsReported) {
  const std::string path = TestPicture("no-such-picture.jpg");
  WelcomeSettings s = WithPicture(Text("Still here."), "no-such-picture.jpg", "Left of text");
  test_support::MessageBoxWatcher watcher("ZoruZaz AZ");
  WelcomeDialog dialog(s);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  EXPECT_EQ(watcher.Text(),
            "Sorry, but the system was unable to load the following image:\n\n" + path);
  // Shown as text only, the title in the caption alone.
  EXPECT_FALSE(dialog.pictureWindow().Handle());
  EXPECT_EQ(win32::WindowText(dialog.hwnd()), "Welcome to the Sample CD");
  EXPECT_FALSE(Visible(dialog.Item(IDT_WELCOME_TITLE)));
  EXPECT_TRUE(Visible(dialog.Item(IDE_WELCOME_MESSAGE)));
  EXPECT_EQ(dialog.ItemText(IDE_WELCOME_MESSAGE), "Still here.");
  EXPECT_EQ(win32::ClientSize(dialog.hwnd()).cx, DialogUnits(dialog.hwnd(), 0, 0, 259, 199).right);
}

TEST_F(WelcomeDialogTest, NeitherTextNorPictureKeepsTheTemplate) {
  WelcomeSettings s;
  s.title = "Plain";
  s.link = "http://cd.example/";
  WelcomeDialog dialog(s);
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND title = dialog.Item(IDT_WELCOME_TITLE);
  const RECT expected = DialogUnits(dialog.hwnd(), 5, 4, 249, 9);
  EXPECT_EQ(BoxOf(title), (Box{expected.left, expected.top, expected.right - expected.left,
                               expected.bottom - expected.top}));
  EXPECT_EQ(win32::WindowText(title), "Plain");
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(title, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
  EXPECT_NE(font.lfWeight, FW_BOLD);
  EXPECT_EQ(dialog.ItemText(IDE_WELCOME_MESSAGE), "");
  // The link shown can be followed.
  EXPECT_EQ(dialog.link().target(), "http://cd.example/");
}

TEST_F(WelcomeDialogTest, Results) {
  struct Case {
    const char* name;
    int id;  // command posted once the dialog is open; 0: a key
    WPARAM key;
    INT_PTR result;
  } cases[] = {
      {"Open CD", IDOK, 0, IDOK},
      {"Cancel button", IDB_WELCOME_CANCEL, 0, IDCANCEL},
      {"Esc", IDCANCEL, 0, IDCANCEL},  // what the dialog manager sends for Esc
  };
  for (const Case& c : cases) {
    class Answering : public WelcomeDialog {
     public:
      Answering(const WelcomeSettings& s, int id) : WelcomeDialog(s), id_(id) {}

     protected:
      bool OnInit() override {
        const bool focus = WelcomeDialog::OnInit();
        ::PostMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id_, BN_CLICKED), 0);
        return focus;
      }

     private:
      int id_;
    } dialog(WithPicture(Text("m"), "red-40x30.bmp", "Left of text"), c.id);
    EXPECT_EQ(dialog.RunModal(nullptr), c.result) << c.name;
    dialog.ClosePicture();
  }
}

}  // namespace
