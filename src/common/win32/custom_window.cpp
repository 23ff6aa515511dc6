#include "common/win32/custom_window.h"

namespace win32 {

CustomWindow::~CustomWindow() {
  if (window_ && ::IsWindow(window_)) {
    // The object is going: the window's last messages get default processing.
    ::SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    ::DestroyWindow(window_);
  }
}

bool CustomWindow::CreateCustom(const char* className, const char* text, DWORD style, int x, int y,
                                int width, int height, HWND parent) {
  HINSTANCE instance = ::GetModuleHandleA(nullptr);
  WNDCLASSA windowClass = {};
  if (!::GetClassInfoA(instance, className, &windowClass)) {
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = &CustomWindow::Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    if (!::RegisterClassA(&windowClass)) return false;
  }
  ::CreateWindowExA(0, className, text, style, x, y, width, height, parent, nullptr, instance,
                    this);
  return window_ != nullptr;
}

LRESULT CustomWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT CALLBACK CustomWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<CustomWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->window_ = window;
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CustomWindow*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  // A window procedure is a boundary nothing may cross.
  try {
    result = self->OnMessage(message, wParam, lParam);
  } catch (...) {
    result = ::DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
  }
  return result;
}

}  // namespace win32
