// The start-up page: help links, and whether to create a configuration or
// go on with the previous one.
#pragma once

#include <string>

#include "common/win32/bold_font.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class WelcomePage : public WizardPage {
 public:
  enum class Choice { kCreate, kOpen };

  // `lastInfFile` names the previous configuration (may be empty or gone).
  explicit WelcomePage(std::string lastInfFile);

  // What the author chose; read once the frame has closed.
  Choice choice() const { return choice_; }
  bool showOnStartup() const { return showOnStartup_; }

  bool OnWizardFinish() override;
  bool OnQueryCancel() override;

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  void Save();

  std::string lastInfFile_;
  Choice choice_ = Choice::kCreate;
  bool showOnStartup_ = true;
  win32::BoldFont headingFont_;
  HelpLink newLink_;
  HelpLink risksLink_;
  HelpLink homeLink_;
};
