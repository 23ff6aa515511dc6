// The viewer installers dialog's page: three installer slots, their
// questions, and when they run; each slot can be filled by the
// viewer-installer wizard.
#pragma once

#include "wizard/help_topics.h"
#include "wizard/pages/installers_rules.h"
#include "wizard/pages/win32/bound_page.h"
#include "wizard/win32/help_link.h"

class InstallersPage : public BoundPage {
 public:
  InstallersPage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;

 private:
  void FillInstallerLists();
  void UpdateEnabling();
  void EnableClicked();
  void FileChanged(int slot);
  void File1Changed() { FileChanged(0); }
  void File2Changed() { FileChanged(1); }
  void File3Changed() { FileChanged(2); }
  void ModeChanged();
  void RefreshAll();
  void RunWizard(int slot);
  void Wizard1() { RunWizard(0); }
  void Wizard2() { RunWizard(1); }
  void Wizard3() { RunWizard(2); }

  bool loaded_ = false;
  installers_page::State state_;
  HelpLink helpLink_;
};
