// Base of the control classes that take over a dialog's template control
// (SetWindowSubclass). A control that wants to colour itself handles the
// reflected colour message that its parent dialog forwards.
#pragma once

#include <windows.h>

namespace win32 {

// Sent by a Dialog to a child on WM_CTLCOLORSTATIC (same wParam/lParam).
// A control that returns a non-null brush decides its own colours.
inline constexpr UINT kReflectedCtlColorStatic = WM_USER + 0x1C00 + WM_CTLCOLORSTATIC;

class SubclassedControl {
 public:
  SubclassedControl() = default;
  SubclassedControl(const SubclassedControl&) = delete;
  SubclassedControl& operator=(const SubclassedControl&) = delete;
  virtual ~SubclassedControl() { Detach(); }

  // Takes over `window`; false if it is null or already taken.
  bool Attach(HWND window);
  void Detach();
  HWND hwnd() const { return hwnd_; }

 protected:
  // Every message of the control; call Default for the normal behaviour.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
  }
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR id, DWORD_PTR self);
  HWND hwnd_ = nullptr;
};

}  // namespace win32
