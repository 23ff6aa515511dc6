// The CD icon dialog's page: an icon of the CD folder, or one copied in.
#pragma once

#include <string>

#include "wizard/pages/win32/bound_page.h"

class CdIconPage : public BoundPage {
 public:
  CdIconPage();
  void OnSetActive() override;
  bool OnKillActive() override;
  // The icon chosen when the dialog closed; empty for none.
  const std::string& iconName() const { return iconName_; }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;

 private:
  void FillList();
  void Refresh();
  void CopyIn();

  std::string iconName_;
};
