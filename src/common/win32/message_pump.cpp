#include "common/win32/message_pump.h"

#include <windows.h>

namespace win32 {

bool PumpWaitingMessages() {
  // Without user32 in the process no window or message queue can exist yet;
  // asking would load it (and the display driver) for nothing.
  if (!GetModuleHandleA("user32.dll")) return false;
  MSG msg;
  if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) return false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return true;
    }
    // Dialog keys (Esc, Enter, Tab) of the modeless windows go to their dialog.
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogMessageA(root, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return false;
}

}  // namespace win32
