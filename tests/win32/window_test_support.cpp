#include "window_test_support.h"

// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
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

namespace {

int TextWidth(HWND control, const char* text) {
  win32::WindowDc dc(control);
  win32::SelectObjectScope font(dc.get(),
                                reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  ::GetTextExtentPoint32A(dc.get(), text, ::lstrlenA(text), &size);
  return size.cx;
}

// Whether a static's text needs more room than the static gives it, drawn
// as it draws it: wrapped, or on one line.
bool TextCut(HWND control, const char* kind) {
  const LONG style = ::GetWindowLongA(control, GWL_STYLE);
  const LONG type = style & SS_TYPEMASK;
  const std::string text = win32::WindowText(control);
  if (::lstrcmpiA(kind, "Static") != 0 || text.empty() || type > SS_RIGHT) return false;
  const SIZE room = win32::ClientSize(control);
  win32::WindowDc dc(control);
  win32::SelectObjectScope font(dc.get(),
                                reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0)));
  RECT needed{0, 0, room.cx, 0};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &needed,
              DT_CALCRECT | DT_EXPANDTABS |
                  ((style & SS_CENTERIMAGE) ? DT_SINGLELINE : DT_WORDBREAK) |
                  ((style & SS_NOPREFIX) ? DT_NOPREFIX : 0));
  return needed.right > room.cx || needed.bottom > room.cy;
}

// The lists among the shown children of `parent`, and of theirs.
void CheckLists(HWND parent, std::vector<std::string>& clipped) {
  for (HWND control = ::GetWindow(parent, GW_CHILD); control;
       control = ::GetWindow(control, GW_HWNDNEXT)) {
    if ((::GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) == 0) continue;  // a hidden page
    char kind[32] = {};
    ::GetClassNameA(control, kind, sizeof kind);
    const std::string id = std::to_string(::GetDlgCtrlID(control)) + ": ";
    const SIZE client = win32::ClientSize(control);
    if (TextCut(control, kind)) clipped.push_back(id + win32::WindowText(control));
    if (::lstrcmpiA(kind, WC_LISTVIEWA) == 0) {
      if (ListView_GetItemCount(control) > ListView_GetCountPerPage(control)) {
        clipped.push_back(id + "rows hidden");
      }
      HWND header = ListView_GetHeader(control);
      // The header keeps a margin each side of a heading.
      const auto margin = ::SendMessageA(header, HDM_GETBITMAPMARGIN, 0, 0);
      int total = 0;
      for (int column = 0; column < Header_GetItemCount(header); ++column) {
        char heading[256] = {};
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = heading;
        item.cchTextMax = sizeof heading;
        Header_GetItem(header, column, &item);
        total += item.cxy;
        if (item.cxy < TextWidth(header, heading) + 2 * margin) clipped.push_back(id + heading);
      }
      if (total > client.cx) clipped.push_back(id + "scrolls sideways");
    }
    const bool listBox = ::lstrcmpiA(kind, "ListBox") == 0;
    if (listBox || ::lstrcmpiA(kind, "ComboBox") == 0) {
      const LRESULT row = listBox ? ::SendMessageA(control, LB_GETITEMHEIGHT, 0, 0) : 0;
      if (row > 0 && client.cy % row != 0) clipped.push_back(id + "part of a row");
      COMBOBOXINFO combo{};
      combo.cbSize = sizeof combo;
      ::GetComboBoxInfo(control, &combo);
      const LRESULT extent = ::SendMessageA(control, LB_GETHORIZONTALEXTENT, 0, 0);
      const LRESULT room =
          listBox ? std::max<LRESULT>(client.cx, extent) : combo.rcItem.right - combo.rcItem.left;
      for (int i = 0; i < ::SendMessageA(control, listBox ? LB_GETCOUNT : CB_GETCOUNT, 0, 0); ++i) {
        char text[1024] = {};
        ::SendMessageA(control, listBox ? LB_GETTEXT : CB_GETLBTEXT, i,
                       reinterpret_cast<LPARAM>(text));
        // The few pixels the list leaves before the text.
        if (TextWidth(control, text) + 3 > room) clipped.push_back(id + text);
      }
    }
    CheckLists(control, clipped);
  }
}

}  // namespace

std::vector<std::string> ClippedControls(HWND window) {
  std::vector<std::string> clipped;
  CheckLists(window, clipped);
  return clipped;
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
