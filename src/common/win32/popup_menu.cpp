#include "common/win32/popup_menu.h"

#include "common/win32/handles.h"

namespace win32 {

UINT ShowPopupMenuAt(HWND owner, int menuId, POINT screen, MenuReply reply) {
  MenuHandle menu(::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(menuId)));
  if (!menu) return 0;
  HMENU popup = ::GetSubMenu(menu.get(), 0);
  if (!popup) return 0;
  const UINT flags = TPM_RIGHTBUTTON | (reply == MenuReply::kReturned ? TPM_RETURNCMD : 0);
  const BOOL chosen = ::TrackPopupMenu(popup, flags, screen.x, screen.y, 0, owner, nullptr);
  return reply == MenuReply::kReturned ? static_cast<UINT>(chosen) : 0;
}

UINT ShowPopupMenu(HWND owner, int menuId, MenuReply reply) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  return ShowPopupMenuAt(owner, menuId, cursor, reply);
}

}  // namespace win32
