#include "common/win32/subclassed_control.h"

#include <commctrl.h>

namespace win32 {
namespace {
// One subclass per control object: the object's address tells them apart.
UINT_PTR SubclassId(const SubclassedControl* control) {
  return reinterpret_cast<UINT_PTR>(control);
}
}  // namespace

bool SubclassedControl::Attach(HWND window) {
  if (!window || hwnd_) return false;
  if (!::SetWindowSubclass(window, Procedure, SubclassId(this),
                           reinterpret_cast<DWORD_PTR>(this))) {
    return false;
  }
  hwnd_ = window;
  return true;
}

void SubclassedControl::Detach() {
  if (!hwnd_) return;
  ::RemoveWindowSubclass(hwnd_, Procedure, SubclassId(this));
  hwnd_ = nullptr;
}

LRESULT SubclassedControl::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::DefSubclassProc(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  auto* control = reinterpret_cast<SubclassedControl*>(self);
  if (message == WM_NCDESTROY) {
    LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    control->Detach();
    return result;
  }
  // A window procedure is a boundary nothing may cross.
  try {
    return control->OnMessage(message, wParam, lParam);
  } catch (...) {
    return ::DefSubclassProc(window, message, wParam, lParam);
  }
}

}  // namespace win32
