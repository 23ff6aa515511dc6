// Small helpers over any window.
#pragma once

#include <windows.h>

#include <string>

namespace win32 {

// The window's text (empty for a null window).
std::string WindowText(HWND window);
// The client area's width and height (zero for a null window).
SIZE ClientSize(HWND window);

}  // namespace win32
