#include "starter/win32/background_window.h"

#include <utility>

#include "common/win32/app_message.h"
#include "common/win32/message_pump.h"
#include "common/win32/ui_setup.h"
#include "common/win32/wait_cursor.h"
#include "resource.h"
#include "starter/background_layout.h"

namespace {

constexpr const char* kClassName = "VendiscBackground";

win32::FontHandle MakeButtonFont(HDC dc, const char* face) {
  LOGFONTA font = {};
  font.lfHeight = -MulDiv(background::kCloseButtonPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
  return win32::FontHandle(CreateFontIndirectA(&font));
}

}  // namespace

BackgroundWindow::BackgroundWindow(background::Settings settings, CloseEventFn closeEvent)
    : settings_(std::move(settings)), closeEvent_(std::move(closeEvent)) {}

BackgroundWindow::~BackgroundWindow() { Close(); }

bool BackgroundWindow::Create() {
  if (window_) return true;
  win32::EnsureUiReady();  // its pictures load while the window is created
  // Sized to the screen by its creation handler, from its own device context.
  return CreateCustom(kClassName, background::kWindowText, WS_POPUP | WS_VISIBLE, 0, 0, 0, 0,
                      nullptr);
}

void BackgroundWindow::Hide() {
  if (window_) ShowWindow(window_, SW_HIDE);
  if (!signalOnHide_ || !closeEvent_) return;
  if (HANDLE event = closeEvent_()) SetEvent(event);
}

void BackgroundWindow::Close() {
  if (window_ && IsWindow(window_)) SendMessageA(window_, WM_CLOSE, 0, 0);
  if (window_ && IsWindow(window_)) DestroyWindow(window_);
  closeButton_ = nullptr;
  buttonFont_.reset();
}

LRESULT BackgroundWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      LRESULT result = Default(message, wParam, lParam);
      OnCreate();
      return result;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting fills the whole client area
    case WM_COMMAND:
      if (LOWORD(wParam) == background::kCloseButtonId && HIWORD(wParam) == BN_CLICKED) {
        Hide();
        return 0;
      }
      // Esc while the starter waits: its message loop hands the key to
      // IsDialogMessage, which makes it this cancel command, whichever child
      // has the focus.
      if (LOWORD(wParam) == IDCANCEL && settings_.hasCloseButton) {
        Hide();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wParam == VK_ESCAPE && settings_.hasCloseButton) {
        Hide();
        return 0;
      }
      break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      TrackMenu();
      break;
    case WM_NCDESTROY:
      closeButton_ = nullptr;
      break;
  }
  return Default(message, wParam, lParam);
}

void BackgroundWindow::OnCreate() {
  ShowWindow(window_, SW_HIDE);
  win32::PumpWaitingMessages();

  // CS_OWNDC: this context stays the window's own for its lifetime.
  HDC dc = GetDC(window_);
  screenWidth_ = GetDeviceCaps(dc, HORZRES);
  screenHeight_ = GetDeviceCaps(dc, VERTRES);
  MoveWindow(window_, 0, 0, screenWidth_, screenHeight_, TRUE);

  // Each picture knows the other's position, so that two share the screen.
  LayOutPicture(0);
  LayOutPicture(1);
  if (settings_.hasCloseButton && !closeButton_) CreateCloseButton(dc);
  ReleaseDC(window_, dc);

  SetWindowTextA(window_, background::kWindowText);
  ShowWindow(window_, SW_SHOW);
  win32::PumpWaitingMessages();
}

void BackgroundWindow::LayOutPicture(size_t index) {
  const background::PictureSetting& own = settings_.pictures[index];
  const background::PictureSetting& other = settings_.pictures[1 - index];
  if (own.path.empty()) return;
  win32::WaitCursor waitCursor;
  win32::Picture& picture = pictures_[index];
  if (!picture.Load(own.path)) {
    win32::ShowAppMessage(nullptr, std::string(background::kFailedToLoad) + own.path);
    return;
  }
  layout::PictureGeometry& geometry = picture.Geometry();
  const layout::Rect placed = layout::PlacePicture({screenWidth_, screenHeight_}, own.position,
                                                   other.position, own.border, geometry.natural);
  geometry.left = placed.left;
  geometry.top = placed.top;
  geometry.width = placed.width;
  geometry.height = placed.height;
  picture.ResetSource();
}

void BackgroundWindow::CreateCloseButton(HDC dc) {
  buttonFont_ = MakeButtonFont(dc, background::kCloseButtonFace);
  if (!buttonFont_) buttonFont_ = MakeButtonFont(dc, "");
  const std::string caption = background::CloseButtonCaption(settings_.closeButtonText);

  SIZE extent = {};
  {
    win32::SelectObjectScope select(
        dc, buttonFont_ ? buttonFont_.get() : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
  }
  const layout::Rect r = layout::CloseButtonRect(screenWidth_, {extent.cx, extent.cy});
  closeButton_ =
      CreateWindowExA(0, "BUTTON", background::kCloseButtonWindowText,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP, r.left, r.top, r.width, r.height, window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(background::kCloseButtonId)),
                      GetModuleHandleA(nullptr), nullptr);
  if (!closeButton_) return;
  SendMessageA(closeButton_, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), TRUE);
  ShowWindow(closeButton_, SW_SHOW);
  SetWindowTextA(closeButton_, caption.c_str());
}

void BackgroundWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  win32::BrushHandle brush(CreateSolidBrush(settings_.colour));
  FillRect(dc, &client, brush.get());
  pictures_[0].Draw(dc, client);
  pictures_[1].Draw(dc, client);
  EndPaint(window_, &paint);
}

void BackgroundWindow::TrackMenu() {
  win32::MenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_BACKGROUND)));
  if (!menu) return;
  POINT at;
  GetCursorPos(&at);
  HWND window = window_;
  const UINT command = static_cast<UINT>(TrackPopupMenu(
      GetSubMenu(menu.get(), 0), TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, window, nullptr));
  if (command == ID_BACKGROUND_CLOSE) Hide();
}
