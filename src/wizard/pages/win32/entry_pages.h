// The editors of one entry of the several-files list, each a page of an
// option frame: a file (display name and the programs to open it with), a
// web address, a folder or spacer (display name only).
#pragma once

#include <string>
#include <vector>

#include "common/win32/bold_font.h"
#include "common/win32/data_exchange.h"
#include "wizard/pages/entry_list.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

// The editors share the entry they edit: the caller presets it and reads it
// back after OK.
class EntryPage : public WizardPage {
 public:
  EntryPage(int templateId, several_files::Entry& entry) : WizardPage(templateId), entry_(entry) {}

  void OnSetActive() override;

 protected:
  void ShowCheckedMembers() override;
  bool SaveCheckedMembers() override;
  virtual std::vector<win32::Binding> Bindings() = 0;
  virtual void ShowHeadings() = 0;

  several_files::Entry& entry_;
  win32::BoldFont headingFont_;
};

class FileEntryPage : public EntryPage {
 public:
  explicit FileEntryPage(several_files::Entry& entry);
  bool OnKillActive() override { return CopyFromControls(); }

 protected:
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;
  std::vector<win32::Binding> Bindings() override;
  void ShowHeadings() override;

 private:
  HelpLink forceOpenLink_;
};

class UrlEntryPage : public EntryPage {
 public:
  explicit UrlEntryPage(several_files::Entry& entry);
  bool OnKillActive() override;

 protected:
  std::vector<win32::Binding> Bindings() override;
  void ShowHeadings() override;
};

class FolderEntryPage : public EntryPage {
 public:
  explicit FolderEntryPage(several_files::Entry& entry);
  bool OnKillActive() override { return CopyFromControls(); }

 protected:
  std::vector<win32::Binding> Bindings() override;
  void ShowHeadings() override;
};
