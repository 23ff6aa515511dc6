// The splash screen's picture: a PictureWindow that, once armed, answers any
// click with menu IDM_PICTURE, whose "&Hide" hides the splash (its owner) and
// tells the starter the user did so.
#pragma once

#include <windows.h>

#include "common/win32/picture.h"

class SplashPictureWindow : public win32::PictureWindow {
 public:
  // The window "&Hide" hides (the splash).
  void SetOwner(HWND owner) { owner_ = owner; }
  // The menu becomes available 500 ms later.
  void ArmMenu();
  bool MenuArmed() const { return menuArmed_; }
  void SetSignalOnHide(bool on) { signalOnHide_ = on; }
  // The event "&Hide" sets when signalling (the starter's "CloseWindow").
  void SetCloseEvent(HANDLE event) { closeEvent_ = event; }
  // What "&Hide" does: hide the owner, then set the event when signalling.
  void HideOwner();

  static constexpr UINT_PTR kArmTimer = 1;
  static constexpr UINT kArmDelayMs = 500;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  HWND owner_ = nullptr;
  HANDLE closeEvent_ = nullptr;
  bool menuArmed_ = false;
  bool signalOnHide_ = true;
};
