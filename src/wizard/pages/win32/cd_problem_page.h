// "Problems in creating configuration": why a CD file could not be made, in
// a read-only text area, with a link to the help topic about it.
#pragma once

#include <string>

#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class CdProblemPage : public WizardPage {
 public:
  explicit CdProblemPage(std::string text);

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  std::string text_;
  HelpLink helpLink_;
};
