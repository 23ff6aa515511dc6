#include "common/win32/window_util.h"

namespace win32 {
namespace {
constexpr int kEditMargin = 3;  // pixels
}  // namespace

std::string WindowText(HWND window) {
  if (!window) return {};
  const int length = ::GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = ::GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

SIZE ClientSize(HWND window) {
  RECT rect{};
  if (window) ::GetClientRect(window, &rect);
  return {rect.right - rect.left, rect.bottom - rect.top};
}

void SetEditMargins(HWND edit) {
  ::SendMessageA(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                 MAKELPARAM(kEditMargin, kEditMargin));
}

}  // namespace win32
