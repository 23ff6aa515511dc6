// What pages of the wizard may ask of the main window.
#pragma once

#include <windows.h>

class MainCommands {
 public:
  virtual ~MainCommands() = default;
  // `owner` is a window the author is in (a page or its frame): what the
  // command opens is owned by its frame, so that everything below stays
  // disabled until it closes.
  virtual void TestConfiguration(HWND owner) = 0;
  virtual void ShowFilesToCopy(HWND owner) = 0;
};
