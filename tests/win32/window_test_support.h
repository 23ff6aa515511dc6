// Helpers for tests that create real windows under Wine.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace test_support {

// Dispatches whatever is waiting in this thread's queue.
inline void PumpPending() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// Saves what the window shows on screen as a BMP file in the folder named
// by VENDISC_SCREENSHOTS, if that is set (for looking at layouts by eye).
void SaveScreenshotIfAsked(HWND window, const std::string& name);

// The lists below `window` that hide rows, scroll sideways or cut a heading,
// a row or an item short, and the statics whose text does not fit them, one line each.
std::vector<std::string> ClippedControls(HWND window);

// The pixel rectangle of a dialog-unit rectangle in `dialog`. Position and
// size are converted separately, as the dialog manager does.
inline RECT DialogUnits(HWND dialog, int x, int y, int width, int height) {
  RECT rect{x, y, width, height};
  ::MapDialogRect(dialog, &rect);
  return {rect.left, rect.top, rect.left + rect.right, rect.top + rect.bottom};
}

// A control's rectangle in its parent's client coordinates.
inline RECT ChildRect(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// Watches, on its own thread, for a message box titled `title` owned by
// this process, records its text and presses its first button.
class MessageBoxWatcher {
 public:
  explicit MessageBoxWatcher(std::string title);
  ~MessageBoxWatcher();
  // The text of the message box seen (empty if none appeared).
  std::string Text();

 private:
  std::string title_;
  std::string text_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

// While it lives, looks every 50 ms (on a timer of this thread, so while a
// modal dialog runs) for a visible dialog of this thread it has not handed
// over yet, and hands the newest to Answer, once each.
class ModalWatcher {
 public:
  ModalWatcher();
  virtual ~ModalWatcher();
  ModalWatcher(const ModalWatcher&) = delete;
  ModalWatcher& operator=(const ModalWatcher&) = delete;

 protected:
  virtual void Answer(HWND window) = 0;

 private:
  static BOOL CALLBACK Visit(HWND window, LPARAM);
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);

  static inline ModalWatcher* current_ = nullptr;
  UINT_PTR timer_ = 0;
  HWND answered_ = nullptr;
};

}  // namespace test_support
