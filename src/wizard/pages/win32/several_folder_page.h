// The several-files wizard's first page: the folder the entries are in,
// which becomes the configuration folder.
#pragma once

#include <string>
#include <vector>

#include "common/win32/data_exchange.h"
#include "wizard/pages/win32/wizard_page.h"

class FolderPage : public WizardPage {
 public:
  FolderPage();

  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;

 private:
  void Browse();
};
