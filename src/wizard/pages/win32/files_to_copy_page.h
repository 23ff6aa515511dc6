// "Files to copy to CD": the files of the configuration that must go on the
// CD, each with the CD folder it goes into. Built each time it opens.
#pragma once

#include <string>

#include "wizard/files_to_copy.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class WizardSettings;

class FilesToCopyPage : public WizardPage {
 public:
  FilesToCopyPage(std::string configPath, const WizardSettings& settings);
  const FilesToCopyReport& report() const { return report_; }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  void FillList();
  void CreateImage();

  std::string configPath_;
  const WizardSettings& settings_;
  FilesToCopyReport report_;
  HelpLink helpLink_;
};
