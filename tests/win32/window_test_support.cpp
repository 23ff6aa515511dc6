#include "window_test_support.h"

#include <cstdlib>
#include <fstream>
#include <vector>

#include "common/win32/handles.h"
#include "common/win32/window_util.h"

namespace test_support {

void SaveScreenshotIfAsked(HWND window, const std::string& name) {
  const char* folder = std::getenv("VENDISC_SCREENSHOTS");
  if (!folder || !*folder) return;
  ::SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
  ::UpdateWindow(window);
  PumpPending();
  ::Sleep(300);
  PumpPending();
  RECT rect{};
  ::GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  win32::WindowDc screen(nullptr);
  HDC memory = ::CreateCompatibleDC(screen.get());
  win32::BitmapHandle bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
  {
    win32::SelectObjectScope select(memory, bitmap.get());
    ::BitBlt(memory, 0, 0, width, height, screen.get(), rect.left, rect.top, SRCCOPY);
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof(info);
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  const int stride = ((width * 3 + 3) / 4) * 4;
  std::vector<char> pixels(static_cast<size_t>(stride) * height);
  ::GetDIBits(memory, bitmap.get(), 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
  ::DeleteDC(memory);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info);
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(std::string(folder) + "\\" + name + ".bmp", std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof(file));
  out.write(reinterpret_cast<const char*>(&info), sizeof(info));
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

MessageBoxWatcher::MessageBoxWatcher(std::string title) : title_(std::move(title)) {
  thread_ = std::thread([this] {
    while (!stop_) {
      HWND box = ::FindWindowA("#32770", title_.c_str());
      if (box && ::IsWindowVisible(box)) {
        text_ = win32::WindowText(::GetDlgItem(box, 0xFFFF));
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        return;
      }
      ::Sleep(20);
    }
  });
}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
}

std::string MessageBoxWatcher::Text() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return text_;
}

ModalWatcher::ModalWatcher() {
  current_ = this;
  timer_ = ::SetTimer(nullptr, 0, 50, &ModalWatcher::Tick);
}

ModalWatcher::~ModalWatcher() {
  ::KillTimer(nullptr, timer_);
  current_ = nullptr;
}

BOOL CALLBACK ModalWatcher::Visit(HWND window, LPARAM) {
  char cls[32] = {};
  ::GetClassNameA(window, cls, sizeof cls);
  if (std::string(cls) != "#32770" || !::IsWindowVisible(window) || window == current_->answered_) {
    return TRUE;
  }
  current_->answered_ = window;
  current_->Answer(window);
  return FALSE;
}

void CALLBACK ModalWatcher::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (current_ != nullptr) ::EnumThreadWindows(::GetCurrentThreadId(), &Visit, 0);
}

}  // namespace test_support
