// The several-files wizard's last page: open all the entries in order, or
// let the CD user pick one from a selection list (its title, help text and
// image).
#pragma once

#include <vector>

#include "common/win32/data_exchange.h"
#include "wizard/pages/open_mode_rules.h"
#include "wizard/pages/win32/wizard_page.h"

class OpenModePage : public WizardPage {
 public:
  OpenModePage();

  void OnSetActive() override;
  bool OnKillActive() override;
  bool OnWizardFinish() override { return OnKillActive(); }

 protected:
  win32::DispatchTable Table() const override;
  bool OnInit() override;
  void ShowCheckedMembers() override;
  bool SaveCheckedMembers() override;

 private:
  std::vector<win32::Binding> Bindings();
  void ActionChanged();
  void UseImageToggled();
  void SelectImage();
  void Test();
  void TakeControls();
  void UpdateEnabling();
  bool CheckImage(const std::string& path);

  several_files::OpenMode mode_;
};
