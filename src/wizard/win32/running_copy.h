// One Discwright at a time in a user's session: two would edit and
// overwrite the same settings. A second start brings the first to the front
// and ends.
#pragma once

#include <windows.h>

#include "common/win32/handles.h"

class RunningCopy {
 public:
  RunningCopy() = default;
  RunningCopy(const RunningCopy&) = delete;
  RunningCopy& operator=(const RunningCopy&) = delete;
  ~RunningCopy();

  // True when no other copy runs: this one is the running copy from now on.
  // Otherwise the running copy's window is brought to the front.
  bool Claim();
  // The main window that a later start brings to the front.
  void SetMainWindow(HWND main);

 private:
  win32::KernelHandle mapping_;
  LONG* shared_ = nullptr;  // the main window's handle, 0 until it exists
};
