// Base of the kit's own window classes (the picture window, the background
// overlay): registers the class once, ties the window to its object, and
// keeps every exception inside the window procedure.
#pragma once

#include <windows.h>

namespace win32 {

class CustomWindow {
 public:
  CustomWindow(const CustomWindow&) = delete;
  CustomWindow& operator=(const CustomWindow&) = delete;
  // Destroys the window if it still exists.
  virtual ~CustomWindow();

  HWND Handle() const { return window_; }

 protected:
  CustomWindow() = default;

  // Registers `className` (CS_OWNDC, no cursor, brush or icon) the first time
  // and creates the window; the object handles its messages from WM_NCCREATE on.
  bool CreateCustom(const char* className, const char* text, DWORD style, int x, int y, int width,
                    int height, HWND parent);
  // Every message of the window; the default processing unless overridden.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(window_, message, wParam, lParam);
  }

  HWND window_ = nullptr;  // none before creation and after destruction

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

}  // namespace win32
