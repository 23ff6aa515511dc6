// The bold copy of a dialog's font for its headings: made once per dialog,
// shared by every heading of it, deleted with its owner.
#pragma once

#include <windows.h>

#include "common/win32/handles.h"

namespace win32 {

class BoldFont {
 public:
  // Gives control `id` of `dialog` the bold font; false if there is no
  // such control or no font could be made.
  bool MakeBold(HWND dialog, int id);
  HFONT get() const { return font_.get(); }

 private:
  FontHandle font_;
};

}  // namespace win32
