#include "common/win32/bold_font.h"

namespace win32 {

bool BoldFont::MakeBold(HWND dialog, int id) {
  HWND control = ::GetDlgItem(dialog, id);
  if (!control) return false;
  if (!font_) {
    auto current = reinterpret_cast<HFONT>(::SendMessageA(control, WM_GETFONT, 0, 0));
    if (!current) current = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTA logFont{};
    if (!::GetObjectA(current, sizeof(logFont), &logFont)) return false;
    logFont.lfWeight = FW_BOLD;
    font_.reset(::CreateFontIndirectA(&logFont));
    if (!font_) return false;
  }
  ::SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  return true;
}

}  // namespace win32
