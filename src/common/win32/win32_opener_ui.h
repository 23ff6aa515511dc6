// What the user sees of an opening, over the Win32 API: the waiting window
// messages dispatched, and the wait cursor.
#pragma once

#include <optional>

#include "common/opener_ui.h"
#include "common/win32/wait_cursor.h"

class Win32OpenerUi : public OpenerUi {
 public:
  bool PumpMessages() override;
  void SetWaitCursor(bool on) override;

 private:
  std::optional<win32::WaitCursor> waitCursor_;  // the previous cursor comes back with it
};
