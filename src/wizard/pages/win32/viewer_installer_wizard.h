// The three-step viewer-installer wizard: advice for the file the CD opens,
// the installer to copy into the CD folder, and the end.
#pragma once

#include <windows.h>

#include <string>

#include "wizard/pages/installers_rules.h"
#include "wizard/pages/win32/wizard_page.h"

class ViewerSelectPage : public WizardPage {
 public:
  ViewerSelectPage();
  void OnSetActive() override;

 protected:
  win32::DispatchTable Table() const override;

 private:
  void Download();
};

class ViewerSpecifyPage : public WizardPage {
 public:
  explicit ViewerSpecifyPage(viewer_installer::Slot slot);
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::TextBinding> TextBindings() override;

 private:
  void Browse();

  viewer_installer::Slot slot_;
  std::string installer_;
};

class ViewerCompletedPage : public WizardPage {
 public:
  ViewerCompletedPage();
};

// Runs the wizard for installer slot 1 to 3 over `owner`; true unless it
// was cancelled. The file page's advice dialog runs it for slot 1.
bool RunViewerInstallerWizard(HWND owner, int slot);
