// The several-files wizard's middle page: the list of entries in opening
// order, with combos offering the folders and files of the configuration
// folder, and buttons that add, edit, remove and move entries.
#pragma once

#include <string>
#include <vector>

#include "wizard/pages/entry_list.h"
#include "wizard/pages/win32/wizard_page.h"

class FileListPage : public WizardPage {
 public:
  FileListPage();

  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  bool OnInit() override;

 private:
  void Refresh();
  void RefillFiles();
  void AddFile();
  void AddFolder();
  void AddUrl();
  void AddSpace();
  void EditEntry();
  void Remove();
  void MoveUp();
  void MoveDown();
  void Test();
  INT_PTR OnDoubleClick(NMHDR*);

  // The list view is the view of `list_`: the mark is read from it before
  // each command and everything is shown again after.
  void TakeMark();
  void ShowList();
  void Insert(const several_files::Entry& entry);
  // Tells the author when nothing is marked.
  bool HasMark();
  std::string ComboText(int id) const;
  void Save();

  several_files::EntryList list_;
};
