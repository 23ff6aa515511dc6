// Step 3 of the wizard: the table of optional behaviours, each opening its
// dialog, the CD icon and overwrite switches, a test run, and the creation
// of the CD files when the page is left.
#pragma once

#include "common/win32/bold_font.h"
#include "wizard/pages/options_page_rules.h"
#include "wizard/pages/win32/bound_page.h"
#include "wizard/win32/help_link.h"

class OptionsPage : public BoundPage {
 public:
  OptionsPage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;

 private:
  void BuildTable();
  void ShowUsed(int row);
  int SelectedRow() const;
  void ReadNoWarn();
  INT_PTR OnItemChanged(NMHDR* header);
  INT_PTR OnDoubleClick(NMHDR* header);
  INT_PTR OnInfoTipA(NMHDR* header);
  INT_PTR OnInfoTipW(NMHDR* header);
  void ConfigurePressed();
  void IconClicked();
  void IconConfigurePressed();
  void TestPressed();

  bool tableBuilt_ = false;
  bool testInProgress_ = false;
  options_page::Switches switches_;
  win32::BoldFont headingFont_;
  HelpLink helpLink_;
};
