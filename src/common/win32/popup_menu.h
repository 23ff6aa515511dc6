// Right-click menus kept as menu resources of the running program.
#pragma once

#include <windows.h>

namespace win32 {

// How the chosen command reaches the caller.
enum class MenuReply {
  kReturned,  // as the result; nothing is sent to the owner
  kPosted,    // as WM_COMMAND to the owner, after the menu closed; the result is 0
};

// Shows the first pop-up of menu resource `menuId` with its top-left corner at
// `screen`, tracked with the right button and owned by `owner`. 0 when nothing
// was chosen or the menu cannot be loaded.
UINT ShowPopupMenuAt(HWND owner, int menuId, POINT screen, MenuReply reply);
// The same at the mouse cursor.
UINT ShowPopupMenu(HWND owner, int menuId, MenuReply reply);

}  // namespace win32
