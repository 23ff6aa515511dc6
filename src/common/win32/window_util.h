// Small helpers over any window.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// The window's text (empty for a null window).
std::string WindowText(HWND window);
// The client area's width and height (zero for a null window).
SIZE ClientSize(HWND window);
// Leaves 3 pixels between a multi-line text box's frame and its text, left
// and right, so that the text does not touch the frame.
void SetEditMargins(HWND edit);

}  // namespace win32
