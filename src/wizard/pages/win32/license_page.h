// The licence agreement dialog's page: the agreement text and the file it
// is kept in.
#pragma once

#include "wizard/pages/license_page_rules.h"
#include "wizard/pages/win32/bound_page.h"

class LicensePage : public BoundPage {
 public:
  LicensePage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;
  bool OnInit() override;

 private:
  void EnableClicked();
  void UpdateEnabling();

  license_page::State state_;
};
