// The About box of the main window's system menu.
#pragma once

#include "common/win32/hyperlink_static.h"
#include "wizard/win32/wizard_dialog.h"

class AboutDialog : public WizardDialog {
 public:
  AboutDialog();

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  win32::HyperlinkStatic link_;
};
