// The read-only text box of both programs' dialogs: the user can select,
// scroll and copy (right-click menu IDM_COPY_EDIT of common/res, or Ctrl+C)
// but not change the text.
#pragma once

#include "common/win32/subclassed_control.h"

namespace win32 {

class CopyEdit : public SubclassedControl {
 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace win32
