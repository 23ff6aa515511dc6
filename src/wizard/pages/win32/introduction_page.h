// The main wizard's first page: help links, and the check that the wizard
// can keep its settings.
#pragma once

#include "common/win32/bold_font.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class IntroductionPage : public WizardPage {
 public:
  IntroductionPage();
  void OnSetActive() override;

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  win32::BoldFont headingFont_;
  HelpLink newLink_;
  HelpLink everyMachineLink_;
  HelpLink risksLink_;
  HelpLink whichAppLink_;
};
