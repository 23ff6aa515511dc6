// The full-screen background overlay: the author's colour, up to two pictures
// at named positions and an optional close button. The user hides it with the
// button, Esc (only with a button) or its right-click menu; hiding it sets the
// starter's "CloseWindow" event unless signalling is turned off.
#pragma once

#include <windows.h>

#include <functional>

#include "common/win32/custom_window.h"
#include "common/win32/handles.h"
#include "common/win32/picture.h"
#include "starter/background_settings.h"

class BackgroundWindow : public win32::CustomWindow {
 public:
  // Gives the close event at the moment of hiding (it may be made after the window).
  using CloseEventFn = std::function<HANDLE()>;

  BackgroundWindow(background::Settings settings, CloseEventFn closeEvent);
  ~BackgroundWindow() override;

  // Creates and shows the window; its creation lays out the pictures and the button.
  bool Create();
  HWND CloseButton() const { return closeButton_; }
  const win32::Picture& PictureAt(size_t index) const { return pictures_[index]; }

  void SetSignalOnHide(bool on) { signalOnHide_ = on; }
  // What every way of dismissing does: hide, and set the event when signalling.
  void Hide();
  // Sends WM_CLOSE if the window still exists and frees what it owns.
  void Close();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnCreate();
  void LayOutPicture(size_t index);
  void CreateCloseButton(HDC dc);
  void Paint();
  void TrackMenu();

  background::Settings settings_;
  CloseEventFn closeEvent_;
  HWND closeButton_ = nullptr;
  win32::FontHandle buttonFont_;
  win32::Picture pictures_[2];
  int screenWidth_ = 0;
  int screenHeight_ = 0;
  bool signalOnHide_ = true;
};
