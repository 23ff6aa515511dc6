#include "starter/win32/splash_picture_window.h"

#include "common/win32/popup_menu.h"
#include "resource.h"

void SplashPictureWindow::ArmMenu() {
  menuArmed_ = false;
  if (window_) ::SetTimer(window_, kArmTimer, kArmDelayMs, nullptr);
}

void SplashPictureWindow::HideOwner() {
  if (owner_ && ::IsWindow(owner_)) ::ShowWindow(owner_, SW_HIDE);
  if (signalOnHide_ && closeEvent_) ::SetEvent(closeEvent_);
}

LRESULT SplashPictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam != kArmTimer) break;
      menuArmed_ = true;
      ::KillTimer(window_, kArmTimer);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      // The menu comes first; the click then gets the default processing.
      if (menuArmed_ && win32::ShowPopupMenu(window_, IDM_PICTURE, win32::MenuReply::kReturned) ==
                            ID_PICTURE_HIDE) {
        HideOwner();
      }
      break;
    case WM_DESTROY:
      ::KillTimer(window_, kArmTimer);
      break;
  }
  return PictureWindow::OnMessage(message, wParam, lParam);
}
