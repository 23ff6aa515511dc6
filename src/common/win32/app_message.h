// The program's message boxes: every one carries the program's title and
// icon, set once at start-up (the starter: its title and the exclamation
// icon).
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

void SetAppMessageStyle(const std::string& title, UINT iconFlags);
const std::string& AppTitle();

// A message box in the program's style; returns the button pressed.
int ShowAppMessage(HWND owner, const std::string& text, UINT buttons = MB_OK);

}  // namespace win32
