// The main wizard's last page: the CD files are made; test them, and see
// which files go on the CD.
#pragma once

#include "common/win32/bold_font.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class FilesCreatedPage : public WizardPage {
 public:
  FilesCreatedPage();
  void OnSetActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;

 private:
  void TestPressed();
  void CreateImage();

  win32::BoldFont headingFont_;
  HelpLink whyLink_;
  HelpLink howLink_;
  HelpLink instructionsLink_;
  ActionLink filesLink_;
};
