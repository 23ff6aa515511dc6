#include "wizard/pages/win32/colour_swatch.h"

#include <string>

namespace {

win32::FontHandle CopyOfDefaultGuiFont() {
  LOGFONTA logFont{};
  if (!::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont)) return {};
  return win32::FontHandle(::CreateFontIndirectA(&logFont));
}

}  // namespace

ColourSwatch::ColourSwatch()
    : colour_(::GetSysColor(COLOR_BTNFACE)),
      textColour_(::GetSysColor(COLOR_WINDOWTEXT)),
      font_(CopyOfDefaultGuiFont()) {}

COLORREF ColourSwatch::Colour() const {
  return systemColour_ ? ::GetSysColor(COLOR_BTNFACE) : colour_;
}

HBRUSH ColourSwatch::FillBrush() const {
  return systemColour_ || !brush_ ? ::GetSysColorBrush(COLOR_BTNFACE) : brush_.get();
}

void ColourSwatch::SetColour(COLORREF colour) {
  colour_ = colour;
  systemColour_ = false;
  brush_.reset(::CreateSolidBrush(colour));
  if (HWND window = hwnd()) {
    ::InvalidateRect(window, nullptr, TRUE);
    ::UpdateWindow(window);
  }
}

LRESULT ColourSwatch::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint fills every pixel
    case WM_PAINT:
      Paint();
      return 0;
    case win32::kReflectedCtlColorStatic:
      // The static control paints itself at times (when it is enabled or
      // disabled, for one) with the brush its dialog gives it: the fill's.
      return reinterpret_cast<LRESULT>(FillBrush());
    default:
      break;
  }
  return Default(message, wParam, lParam);
}

void ColourSwatch::Paint() {
  PAINTSTRUCT paint{};
  HDC dc = ::BeginPaint(hwnd(), &paint);
  if (!dc) return;
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  ::FillRect(dc, &client, FillBrush());

  const int length = ::GetWindowTextLengthA(hwnd());
  if (length > 0) {
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(::GetWindowTextA(hwnd(), text.data(), length + 1)));
    win32::SelectObjectScope font(
        dc, font_ ? static_cast<HGDIOBJ>(font_.get()) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, textColour_);
    ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_LEFT | DT_WORDBREAK);
  }
  ::EndPaint(hwnd(), &paint);
}
