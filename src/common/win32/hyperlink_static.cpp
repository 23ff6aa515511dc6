#include "common/win32/hyperlink_static.h"

#include <objbase.h>
#include <ole2.h>
// after the COM headers, which WIN32_LEAN_AND_MEAN leaves out
#include <intshcut.h>
#include <shellapi.h>
#include <windowsx.h>

#include "common/win32/app_message.h"
#include "common/win32/wait_cursor.h"

namespace win32 {
namespace {

// The Internet Shortcut object's class and ANSI interface (public Windows
// SDK constants), declared here so that no GUID library is needed.
constexpr GUID kClsidInternetShortcut = {
    0xFBF23B40, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};
constexpr GUID kIidUniformResourceLocatorA = {
    0xFBF23B80, 0xE3F0, 0x101B, {0x84, 0x88, 0x00, 0xAA, 0x00, 0x3E, 0x56, 0xF8}};

bool OpenWithInternetShortcut(HWND parent, const std::string& target) {
  IUniformResourceLocatorA* locator = nullptr;
  if (FAILED(::CoCreateInstance(kClsidInternetShortcut, nullptr, CLSCTX_INPROC_SERVER,
                                kIidUniformResourceLocatorA, reinterpret_cast<void**>(&locator))) ||
      !locator) {
    return false;
  }
  bool opened = false;
  if (SUCCEEDED(locator->SetURL(target.c_str(), IURL_SETURL_FL_GUESS_PROTOCOL))) {
    URLINVOKECOMMANDINFOA info{};
    info.dwcbSize = sizeof(info);
    info.dwFlags = IURL_INVOKECOMMAND_FL_ALLOW_UI;
    info.hwndParent = parent;
    info.pcszVerb = "open";
    opened = SUCCEEDED(locator->InvokeCommand(&info));
  }
  locator->Release();
  return opened;
}

bool IsTextStatic(HWND window) {
  const LONG_PTR type = ::GetWindowLongPtrA(window, GWL_STYLE) & SS_TYPEMASK;
  return type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT;
}

}  // namespace

HyperlinkStatic::HyperlinkStatic() : cursor_(::LoadCursorA(nullptr, IDC_HAND)) {}

COLORREF HyperlinkStatic::CurrentColour() const {
  switch (state_) {
    case State::kVisited:
      return kVisitedColour;
    case State::kHover:
      return kHoverColour;
    case State::kNormal:
      break;
  }
  return kNormalColour;
}

bool HyperlinkStatic::OpenLink() {
  HWND parent = ::GetParent(hwnd());
  {
    WaitCursor wait;
    if (OpenWithInternetShortcut(parent, target_)) return true;
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(parent, "open", target_.c_str(), nullptr, nullptr, SW_SHOW));
    if (result > 32) return true;
  }
  ShowAppMessage(parent, "Sorry, failed to open '" + target_ + "'.");
  return false;
}

LRESULT HyperlinkStatic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kReflectedCtlColorStatic:
      return OnReflectedColour(reinterpret_cast<HDC>(wParam));
    case WM_SETCURSOR:
      ::SetCursor(cursor_);
      return TRUE;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
      RECT client{};
      ::GetClientRect(hwnd(), &client);
      const bool inside = ::PtInRect(&client, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
      if (message == WM_MOUSEMOVE) {
        if (inside && state_ != State::kHover) {
          ::SetCapture(hwnd());
          stateBeforeHover_ = state_;
          state_ = State::kHover;
          Repaint();
        } else if (!inside) {
          LeaveHover();
        }
      } else if (inside) {
        ::PostMessageA(hwnd(), WM_COMMAND, kOpenCommandParam, 0);
      } else {
        // While the hover holds the capture, a click anywhere in the window
        // arrives here: only one on the link itself opens it.
        LeaveHover();
        return 0;
      }
      break;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kOpenCommand && lParam == 0) {
        // The opened page, a message box or the page's own windows come
        // next: the mouse must be free before any of them.
        LeaveHover();
        if (OpenLink()) state_ = stateBeforeHover_ = State::kVisited;
        Repaint();
        return 0;
      }
      break;
    case WM_CONTEXTMENU:
      LeaveHover();
      return 0;
    case WM_CAPTURECHANGED:
      // Taken away (a dialog disabling the window, another window, the
      // system): the hover ends with it.
      if (reinterpret_cast<HWND>(lParam) != hwnd()) LeaveHover(false);
      break;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

LRESULT HyperlinkStatic::OnReflectedColour(HDC dc) {
  const LONG_PTR style = ::GetWindowLongPtrA(hwnd(), GWL_STYLE);
  if (!(style & SS_NOTIFY)) ::SetWindowLongPtrA(hwnd(), GWL_STYLE, style | SS_NOTIFY);
  if (!IsTextStatic(hwnd())) return 0;
  if (!linkFont_) {
    auto font = reinterpret_cast<HFONT>(Default(WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA logFont{};
    if (::GetObjectA(font, sizeof(logFont), &logFont)) {
      logFont.lfUnderline = TRUE;
      linkFont_.reset(::CreateFontIndirectA(&logFont));
      // The static selects its own font after asking for colours, so it
      // must hold the link font too; this paint then comes again with it.
      if (linkFont_) {
        Default(WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
        ::InvalidateRect(hwnd(), nullptr, FALSE);
      }
    }
  }
  if (linkFont_) ::SelectObject(dc, linkFont_.get());
  ::SetTextColor(dc, CurrentColour());
  ::SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
}

// The text is drawn transparently: the parent repaints the background
// under it so that the old colour does not show through.
void HyperlinkStatic::Repaint() {
  HWND parent = ::GetParent(hwnd());
  RECT rect{};
  ::GetWindowRect(hwnd(), &rect);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  ::InvalidateRect(parent, &rect, TRUE);
  ::InvalidateRect(hwnd(), nullptr, TRUE);
}

void HyperlinkStatic::LeaveHover(bool release) {
  if (state_ != State::kHover) return;
  state_ = stateBeforeHover_;
  Repaint();
  if (release) ::ReleaseCapture();
}

}  // namespace win32
