// The wait cursor for as long as the object lives (loading a picture from a
// slow CD, opening a link); the previous cursor comes back at scope end.
#pragma once

#include <windows.h>

namespace win32 {

class WaitCursor {
 public:
  WaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { ::SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

}  // namespace win32
