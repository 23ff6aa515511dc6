// A page whose controls are listed as checked bindings (text limits with the
// standard prompts, check boxes, combo selections): shown with the page's
// other members and checked before any is saved.
#pragma once

#include <vector>

#include "common/win32/data_exchange.h"
#include "wizard/pages/win32/wizard_page.h"

class BoundPage : public WizardPage {
 public:
  using WizardPage::WizardPage;

 protected:
  virtual std::vector<win32::Binding> Bindings() { return {}; }
  void ShowCheckedMembers() override { win32::ShowBindings(hwnd(), Bindings()); }
  bool SaveCheckedMembers() override { return win32::SaveBindings(hwnd(), Bindings()); }
  // Enables or disables each of `ids`.
  void EnableItems(std::initializer_list<int> ids, bool enable);
};
