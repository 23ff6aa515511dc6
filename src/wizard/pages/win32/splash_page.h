// "Configure a Splash Screen": when and for how long the splash shows, and
// either an image or three lines of text in a font of the author's choice.
#pragma once

#include "wizard/pages/splash_page_rules.h"
#include "wizard/pages/win32/display_page.h"

class SplashPage : public DisplayPage {
 public:
  SplashPage();
  // Loads the settings on the first activation only.
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;
  bool OnInit() override;

 private:
  void EnableClicked();
  void ModeClicked();
  void ImageClicked();
  void ConfigureFont();
  void ShowHelp();
  void TakeSwitches();
  void UpdateEnabling();
  void ShowFontDescription();

  splash_page::State state_;
  int mode_ = 0;  // the radios: 0 image, 1 text
  bool loaded_ = false;
};
