// "Configure a Welcome Message": a title, an image and/or a message shown
// before the CD opens, with an optional support link.
#pragma once

#include "wizard/pages/welcome_screen_rules.h"
#include "wizard/pages/win32/display_page.h"

class WelcomeScreenPage : public DisplayPage {
 public:
  WelcomeScreenPage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;
  bool OnInit() override;

 private:
  void EnableClicked();
  void ShowClicked();
  void ImageClicked();
  void TakeSwitches();
  void UpdateEnabling();

  welcome_screen::State state_;
};
