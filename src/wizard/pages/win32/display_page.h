// Base of the display option pages: members listed as checked bindings (the
// field limits with the standard prompts), and the few control helpers the
// pages share.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "common/win32/data_exchange.h"
#include "wizard/pages/display_rules.h"
#include "wizard/pages/win32/wizard_page.h"

class DisplayPage : public WizardPage {
 public:
  using WizardPage::WizardPage;

 protected:
  virtual std::vector<win32::Binding> Bindings() = 0;
  void ShowCheckedMembers() override;
  bool SaveCheckedMembers() override;

  void EnableItems(std::initializer_list<int> ids, bool enable);
  bool IsChecked(int id) const;
  void SetChecked(int id, bool checked);
  void FillCombo(int id, std::span<const char* const> items);
  int ComboIndex(int id) const;
  void SetComboIndex(int id, int index);
  // The image chooser preset with `*image`; on OK `*image` takes the choice
  // and the edit `editId` shows it. True on OK.
  bool SelectImage(int editId, std::string* image, bool allowUnconfigured = false, int maxSize = 0);
};

// The image checks over a window: the length warning page, the missing file
// message and the one for a file that is no picture the CD can show.
class Win32ImageFileChecks : public ImageFileChecks {
 public:
  explicit Win32ImageFileChecks(HWND owner) : owner_(owner) {}
  bool RequireFile(const std::string& path, const std::string& label) override;
  bool CheckChosenFile(const std::string& path, const std::string& label) override;

 private:
  HWND owner_;
};
