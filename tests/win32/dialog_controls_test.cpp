// The link, copy-only text box and bold heading controls on a real dialog.
#include <gtest/gtest.h>

#include <cstring>

#include "common/res/common_resource.h"
#include "common/win32/app_message.h"
#include "common/win32/bold_font.h"
#include "common/win32/copy_edit.h"
#include "common/win32/dialog.h"
#include "common/win32/dialog_metrics.h"
#include "common/win32/handles.h"
#include "common/win32/hyperlink_static.h"
#include "common/win32/popup_menu.h"
#include "common/win32/text_measure.h"
#include "resource.h"
#include "window_test_support.h"

namespace {

using State = win32::HyperlinkStatic::State;

// A link that records its opens instead of starting a browser.
class RecordingLink : public win32::HyperlinkStatic {
 public:
  int opens = 0;
  bool succeed = true;
  bool OpenLink() override {
    ++opens;
    return succeed;
  }
};

// The standard error template, with our controls on its link and edits.
class ControlsDialog : public win32::Dialog {
 public:
  ControlsDialog() : Dialog(IDD_ERROR) {}
  RecordingLink link;
  win32::HyperlinkStatic realLink;
  win32::CopyEdit copyEdit;
  bool useRealLink = false;

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override {
    if (useRealLink) return {{IDT_ERROR_LINK, &realLink}, {IDE_ERROR_MESSAGE, &copyEdit}};
    return {{IDT_ERROR_LINK, &link}, {IDE_ERROR_MESSAGE, &copyEdit}};
  }
};

COLORREF PaintColour(HWND dialog, HWND control, LRESULT* brush) {
  win32::WindowDc dc(dialog);
  *brush = ::SendMessageA(dialog, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()),
                          reinterpret_cast<LPARAM>(control));
  return ::GetTextColor(dc.get());
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

TEST(HyperlinkStatic, PaintsPurpleUnderlinedOnTransparentBackground) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND link = dialog.Item(IDT_ERROR_LINK);
  ::SetWindowLongPtrA(link, GWL_STYLE, ::GetWindowLongPtrA(link, GWL_STYLE) & ~SS_NOTIFY);
  LRESULT brush = 0;
  EXPECT_EQ(PaintColour(dialog.hwnd(), link, &brush), RGB(128, 0, 128));
  EXPECT_EQ(brush, reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH)));
  EXPECT_TRUE(::GetWindowLongPtrA(link, GWL_STYLE) & SS_NOTIFY);  // clicks reach it
  LOGFONTA font{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(link, WM_GETFONT, 0, 0)), sizeof(font),
               &font);
  EXPECT_TRUE(font.lfUnderline);
}

TEST(HyperlinkStatic, HoverTurnsRedAndLeavingRestores) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND link = dialog.Item(IDT_ERROR_LINK);
  LRESULT brush = 0;
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(2, 2));
  EXPECT_EQ(dialog.link.state(), State::kHover);
  EXPECT_EQ(::GetCapture(), link);
  EXPECT_EQ(PaintColour(dialog.hwnd(), link, &brush), RGB(200, 0, 0));
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(-5, 2));
  EXPECT_EQ(dialog.link.state(), State::kNormal);
  EXPECT_NE(::GetCapture(), link);
  EXPECT_EQ(PaintColour(dialog.hwnd(), link, &brush), RGB(128, 0, 128));
}

TEST(HyperlinkStatic, RightClickWhileHoveringLeavesHover) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND link = dialog.Item(IDT_ERROR_LINK);
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(2, 2));
  ::SendMessageA(link, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(link), Point(100, 100));
  EXPECT_EQ(dialog.link.state(), State::kNormal);
  EXPECT_NE(::GetCapture(), link);
}

TEST(HyperlinkStatic, ClickOpensAfterTheClickAndMarksVisited) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND link = dialog.Item(IDT_ERROR_LINK);
  ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 2));
  EXPECT_EQ(dialog.link.opens, 0);  // posted, not yet processed
  test_support::PumpPending();
  EXPECT_EQ(dialog.link.opens, 1);
  EXPECT_EQ(dialog.link.state(), State::kVisited);

  // Hover from visited returns to visited.
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(2, 2));
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(-5, -5));
  EXPECT_EQ(dialog.link.state(), State::kVisited);
}

TEST(HyperlinkStatic, FailedOpenKeepsTheState) {
  ControlsDialog dialog;
  dialog.link.succeed = false;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::SendMessageA(dialog.Item(IDT_ERROR_LINK), WM_COMMAND, win32::HyperlinkStatic::kOpenCommandParam,
                 0);
  EXPECT_EQ(dialog.link.opens, 1);
  EXPECT_EQ(dialog.link.state(), State::kNormal);
}

// Hovers, sends one message, passes over again: held mouse, opens, state.
std::string AfterHover(bool toLink, UINT message, WPARAM wParam, LPARAM lParam, bool succeed) {
  ControlsDialog dialog;
  dialog.link.succeed = succeed;
  if (!dialog.CreateModeless(nullptr)) return "no dialog";
  HWND link = dialog.Item(IDT_ERROR_LINK);
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(2, 2));
  if (::GetCapture() != link) return "no hover";
  ::SendMessageA(toLink ? link : dialog.hwnd(), message, wParam, lParam);
  test_support::PumpPending();
  const bool held = ::GetCapture() == link;
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(2, 2));
  ::SendMessageA(link, WM_MOUSEMOVE, 0, Point(-5, -5));
  return std::string(held ? "held" : "free") + " " + std::to_string(dialog.link.opens) +
         (dialog.link.state() == State::kVisited ? " visited" : "");
}

// Every later click in the window would open a link that kept the mouse.
TEST(HyperlinkStatic, GivesTheMouseBackOnEveryWayOut) {
  EXPECT_EQ(AfterHover(true, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 2), true), "free 1 visited");
  EXPECT_EQ(AfterHover(true, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 2), false), "free 1");
  EXPECT_EQ(AfterHover(true, WM_LBUTTONDOWN, MK_LBUTTON, Point(-40, 30), true), "free 0");
  EXPECT_EQ(AfterHover(false, WM_CANCELMODE, 0, 0, true), "free 0");  // a dialog over it
  EXPECT_EQ(AfterHover(false, WM_ACTIVATE, WA_INACTIVE, 0, true), "free 0");
}

TEST(HyperlinkStatic, HandCursor) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND link = dialog.Item(IDT_ERROR_LINK);
  EXPECT_TRUE(::SendMessageA(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                             MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, IDC_HAND));
}

TEST(HyperlinkStatic, UnopenableTargetIsReportedWithItsName) {
  win32::SetAppMessageStyle("ZoruZaz AZ", MB_ICONEXCLAMATION);
  ControlsDialog dialog;
  dialog.useRealLink = true;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const std::string target = "C:\\no such folder\\missing.qqq";
  dialog.realLink.SetTarget(target);
  test_support::MessageBoxWatcher watcher("ZoruZaz AZ");
  EXPECT_FALSE(dialog.realLink.OpenLink());
  EXPECT_EQ(watcher.Text(), "Sorry, failed to open '" + target + "'.");
}

TEST(CopyEdit, TypingAndEditingChangeNothing) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  HWND copyEdit = dialog.Item(IDE_ERROR_MESSAGE);
  HWND plainEdit = dialog.Item(IDE_ERROR_CODE);
  ::SendMessageA(plainEdit, EM_SETREADONLY, FALSE, 0);
  for (HWND edit : {copyEdit, plainEdit}) {
    ::SetWindowTextA(edit, "fixed text");
    ::SendMessageA(edit, EM_SETSEL, 0, -1);
    ::SendMessageA(edit, WM_CHAR, 'x', 1);
  }
  // The plain edit shows that the message would change an ordinary box.
  EXPECT_EQ(dialog.ItemText(IDE_ERROR_CODE), "x");
  EXPECT_EQ(dialog.ItemText(IDE_ERROR_MESSAGE), "fixed text");

  ::SendMessageA(copyEdit, WM_KEYDOWN, VK_DELETE, 1);
  ::SendMessageA(copyEdit, WM_CHAR, VK_BACK, 1);
  ::SendMessageA(copyEdit, WM_CUT, 0, 0);
  ::SendMessageA(copyEdit, WM_CLEAR, 0, 0);
  ::SendMessageA(copyEdit, WM_PASTE, 0, 0);
  EXPECT_EQ(dialog.ItemText(IDE_ERROR_MESSAGE), "fixed text");
}

TEST(CopyEdit, CopyCommandsOfItsMenu) {
  win32::MenuHandle menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(144)));
  ASSERT_TRUE(menu);
  HMENU popup = ::GetSubMenu(menu.get(), 0);
  ASSERT_EQ(::GetMenuItemCount(popup), 3);
  char text[64] = {};
  ::GetMenuStringA(popup, 0, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&Copy");
  EXPECT_EQ(::GetMenuItemID(popup, 0), static_cast<UINT>(ID_COPY_EDIT_COPY));
  EXPECT_EQ(::GetMenuState(popup, 1, MF_BYPOSITION) & MF_SEPARATOR, UINT{MF_SEPARATOR});
  ::GetMenuStringA(popup, 2, text, sizeof(text), MF_BYPOSITION);
  EXPECT_STREQ(text, "&Close This Menu");
  EXPECT_EQ(::GetMenuItemID(popup, 2), static_cast<UINT>(ID_CLOSE_MENU));
}

TEST(PopupMenu, MenuThatIsNotThereShowsNothing) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  for (win32::MenuReply reply : {win32::MenuReply::kReturned, win32::MenuReply::kPosted}) {
    EXPECT_EQ(win32::ShowPopupMenu(dialog.hwnd(), 4321, reply), 0u);
    EXPECT_EQ(win32::ShowPopupMenuAt(dialog.hwnd(), 4321, POINT{5, 5}, reply), 0u);
  }
}

// Text is measured in the control's own font, not the DC's default one.
TEST(ControlTextMeasure, MeasuresInTheControlsFont) {
  LOGFONTA large{};
  large.lfHeight = -40;
  std::strcpy(large.lfFaceName, "Tahoma");
  win32::FontHandle font(::CreateFontIndirectA(&large));
  ASSERT_TRUE(font);
  // What the large font itself measures, in a DC of our own.
  SIZE expected{};
  TEXTMETRICA metrics{};
  {
    win32::WindowDc screen(nullptr);
    win32::SelectObjectScope select(screen.get(), font.get());
    ::GetTextExtentPoint32A(screen.get(), "Wide text", 9, &expected);
    ::GetTextMetricsA(screen.get(), &metrics);
  }
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  ::SendMessageA(dialog.Item(IDE_ERROR_FILE), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()),
                 FALSE);
  const win32::ControlTextMeasure big(dialog.Item(IDE_ERROR_FILE));
  const win32::ControlTextMeasure normal(dialog.Item(IDE_ERROR_CODE));
  EXPECT_EQ(big.WidthFn()("Wide text"), expected.cx);
  EXPECT_EQ(big.Extent("Wide text").cy, expected.cy);
  EXPECT_EQ(big.WidthFn()(""), 0);
  EXPECT_EQ(big.FontHeight(), metrics.tmHeight);
  EXPECT_LT(normal.WidthFn()("Wide text"), expected.cx);
  EXPECT_LT(normal.FontHeight(), metrics.tmHeight);
}

TEST(DialogMetrics, ComeFromTheSystemAndTheNamedButtons) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  const layout::DialogMetrics m = win32::ReadDialogMetrics(dialog, IDOK, 4321);
  RECT work{};
  ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(m.workArea.width, work.right);
  EXPECT_EQ(m.workArea.height, work.bottom);
  EXPECT_EQ(m.captionHeight, ::GetSystemMetrics(SM_CYCAPTION));
  EXPECT_EQ(m.frameWidth, ::GetSystemMetrics(SM_CXDLGFRAME));
  // "&Close" of the template: 50 x 14 dialog units.
  const RECT close = test_support::DialogUnits(dialog.hwnd(), 199, 188, 50, 14);
  EXPECT_EQ(m.okButton.width, close.right - close.left);
  EXPECT_EQ(m.okButton.height, close.bottom - close.top);
  EXPECT_EQ(m.cancelHeight, 0);  // no such button
}

int FontWeight(HWND control) {
  LOGFONTA logFont{};
  ::GetObjectA(reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)), sizeof(logFont),
               &logFont);
  return logFont.lfWeight;
}

TEST(BoldFont, HeadingsShareOneBoldCopyOfTheFont) {
  ControlsDialog dialog;
  ASSERT_TRUE(dialog.CreateModeless(nullptr));
  win32::BoldFont bold;
  EXPECT_FALSE(bold.MakeBold(dialog.hwnd(), 4321));
  ASSERT_TRUE(bold.MakeBold(dialog.hwnd(), IDE_ERROR_FILE));
  ASSERT_TRUE(bold.MakeBold(dialog.hwnd(), IDE_ERROR_CODE));
  EXPECT_EQ(FontWeight(dialog.Item(IDE_ERROR_FILE)), FW_BOLD);
  EXPECT_EQ(::SendMessageA(dialog.Item(IDE_ERROR_FILE), WM_GETFONT, 0, 0),
            ::SendMessageA(dialog.Item(IDE_ERROR_CODE), WM_GETFONT, 0, 0));
  EXPECT_NE(FontWeight(dialog.Item(IDE_ERROR_MESSAGE)), FW_BOLD);
}

}  // namespace
