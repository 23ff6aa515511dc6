#include "common/win32/copy_edit.h"

#include "common/win32/handles.h"

namespace win32 {
namespace {
constexpr WPARAM kCtrlC = 0x03;  // the character Ctrl+C produces
}  // namespace

LRESULT CopyEdit::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      // Typing is discarded; Ctrl+C still copies.
      if (wParam == kCtrlC) break;
      return 0;
    case WM_KEYDOWN:
      // Delete and Shift+Insert edit through key presses, not characters.
      if (wParam == VK_DELETE) return 0;
      if (wParam == VK_INSERT && (::GetKeyState(VK_SHIFT) & 0x8000)) return 0;
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
      return 0;
    case WM_CONTEXTMENU:
      return 0;  // our own menu replaces the system's edit menu
    case WM_RBUTTONUP:
      ShowMenu();
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void CopyEdit::ShowMenu() {
  MenuHandle menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kCopyEditMenu)));
  if (!menu) return;
  HMENU popup = ::GetSubMenu(menu.get(), 0);
  if (!popup) return;
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const int command = ::TrackPopupMenu(popup, TPM_RIGHTBUTTON | TPM_RETURNCMD, cursor.x, cursor.y,
                                       0, hwnd(), nullptr);
  if (command == kCopyEditCopyCommand) ::SendMessageA(hwnd(), WM_COPY, 0, 0);
}

}  // namespace win32
