// The "Please wait ..." box, shown (with the wait cursor) over a window for
// as long as the object lives, for operations that take a noticeable time.
#pragma once

#include <windows.h>

#include "common/win32/dialog.h"
#include "common/win32/wait_cursor.h"

class PleaseWaitBox : public win32::Dialog {
 public:
  explicit PleaseWaitBox(HWND owner);

 protected:
  bool OnInit() override;

 private:
  win32::WaitCursor wait_;
};
