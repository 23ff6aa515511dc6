#include "common/win32/copy_edit.h"

#include "common/res/common_resource.h"
#include "common/win32/popup_menu.h"

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
      if (ShowPopupMenu(hwnd(), IDM_COPY_EDIT, MenuReply::kReturned) == ID_COPY_EDIT_COPY) {
        ::SendMessageA(hwnd(), WM_COPY, 0, 0);
      }
      return 0;
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace win32
