// The starter's splash screen: a modeless window with the author's picture
// (untitled frame) or up to three lines of text (titled "CD AutoRun, please
// wait ..."). It hides itself after its show-for time, offers "&Hide" on a
// click once armed, and tells the starter when the user hid it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "common/win32/dialog.h"
#include "common/win32/handles.h"
#include "common/win32/picture.h"
#include "starter/splash_settings.h"
#include "starter/win32/splash_picture_window.h"

class AutorunConfig;

class SplashWindow : public win32::Dialog {
 public:
  // The "CloseWindow" event as it is at the moment of hiding (it may be
  // created after the window); null: nothing to set.
  using CloseEventSource = std::function<HANDLE()>;

  SplashWindow(const AutorunConfig& config, const std::string& fileName,
               CloseEventSource closeEvent);
  ~SplashWindow() override;

  // Creates and shows the window; false when the dialog cannot be created.
  bool ShowModeless(bool centre);
  // New lines for `fileName`; when `showAgain`, shown, centred and raised
  // with fresh timers.
  void UpdateSplash(const std::string& fileName, bool showAgain);
  void RestartTimers();
  void SetSignalOnHide(bool on);
  // Closes the window and everything it owns.
  void CloseSplash();

  int ShowForSeconds() const { return settings_.showForSeconds; }
  bool MenuArmed() const { return menuArmed_; }
  const SplashPictureWindow* PictureWindowOf() const { return pictureWindow_.get(); }

  static constexpr UINT_PTR kHideTimer = 1;
  static constexpr UINT_PTR kArmTimer = 2;
  static constexpr UINT kArmDelayMs = SplashPictureWindow::kArmDelayMs;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::TextBinding> TextBindings() override;
  bool OnInit() override;
  void Cancel() override { HideByUser(); }

 private:
  SplashWindow(const AutorunConfig& config, splash::Settings settings, CloseEventSource closeEvent);
  void InitPicture();
  void InitText();
  void ApplyFont();
  void StartHideTimer();
  void HideByUser();
  void OnHideCommand() { HideByUser(); }
  void OnCloseMenuCommand() {}
  INT_PTR OnTimer(WPARAM timer, LPARAM);
  INT_PTR OnMouse(WPARAM, LPARAM);
  INT_PTR OnParentNotify(WPARAM, LPARAM);
  void PassEventToPicture();
  void Refresh();

  const AutorunConfig& config_;
  CloseEventSource closeEvent_;
  splash::Settings settings_;
  std::string line1_, line2_, line3_;
  win32::FontHandle font_;
  win32::Picture picture_;
  std::unique_ptr<SplashPictureWindow> pictureWindow_;
  bool signalOnHide_ = true;
  bool menuArmed_ = false;
};
