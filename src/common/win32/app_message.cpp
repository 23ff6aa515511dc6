#include "common/win32/app_message.h"

#include "common/win32/ui_setup.h"

namespace win32 {
namespace {
struct Style {
  std::string title;
  UINT iconFlags = MB_ICONEXCLAMATION;
};
Style& AppStyle() {
  static Style style;
  return style;
}
}  // namespace

void SetAppMessageStyle(const std::string& title, UINT iconFlags) {
  AppStyle() = {title, iconFlags};
}

const std::string& AppTitle() { return AppStyle().title; }

int ShowAppMessage(HWND owner, const std::string& text, UINT buttons) {
  EnsureUiReady();
  return ::MessageBoxA(owner, text.c_str(), AppStyle().title.c_str(),
                       buttons | AppStyle().iconFlags);
}

}  // namespace win32
