// The "Please wait ..." box, shown (with the wait cursor) over a window for
// as long as the object lives, for operations that take a noticeable time.
#pragma once

#include <windows.h>

#include "common/win32/dialog.h"
#include "common/win32/wait_cursor.h"
#include "wizard/file_copier.h"

class PleaseWaitBox : public win32::Dialog {
 public:
  explicit PleaseWaitBox(HWND owner);

 protected:
  bool OnInit() override;

 private:
  win32::WaitCursor wait_;
};

// Copies with the "Please wait ..." box up over `owner` for each copy (the
// starter and installers can be large), the copy on a thread of its own while
// the windows stay painted and input is dropped; questions between copies
// come without the box.
class WaitingFileCopier : public FileCopier {
 public:
  explicit WaitingFileCopier(HWND owner) : owner_(owner) {}
  uint32_t CopyReplacing(const std::string& from, const std::string& to) override;

 private:
  HWND owner_;
};
