// The read-only text box of the starter's dialogs: the user can select,
// scroll and copy (right-click menu 144, or Ctrl+C) but not change the text.
#pragma once

#include "common/win32/subclassed_control.h"

namespace win32 {

inline constexpr int kCopyEditMenu = 144;
inline constexpr int kCopyEditCopyCommand = 32777;
inline constexpr int kCopyEditCloseMenuCommand = 32776;

class CopyEdit : public SubclassedControl {
 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void ShowMenu();
};

}  // namespace win32
