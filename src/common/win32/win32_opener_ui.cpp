#include "common/win32/win32_opener_ui.h"

#include "common/win32/message_pump.h"

bool Win32OpenerUi::PumpMessages() { return win32::PumpWaitingMessages(); }

void Win32OpenerUi::SetWaitCursor(bool on) {
  if (!on) {
    waitCursor_.reset();
  } else if (!waitCursor_) {
    waitCursor_.emplace();
  }
}
