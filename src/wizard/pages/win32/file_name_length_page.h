// "File name length warning": a chosen path may be too long for some CD
// writing software; OK uses it all the same, Cancel refuses it.
#pragma once

#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class FileNameLengthPage : public WizardPage {
 public:
  FileNameLengthPage();
  // The tick box as the page was left with OK.
  bool dontWarnAgain() const { return dontWarnAgain_; }
  bool OnKillActive() override;

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  bool dontWarnAgain_ = false;
  HelpLink helpLink_;
};
