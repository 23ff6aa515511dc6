// The several-files list as the author edits it: rows in opening order, the
// row the list has marked, and how the list is read from and written to the
// settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

class WizardSettings;

namespace several_files {

struct Entry {
  std::string name;       // shown in the starter's selection list
  std::string file;       // a file or folder below the configuration folder, a URL, or empty
  std::string forceOpen;  // programs to open a file with, or empty
};
bool operator==(const Entry& a, const Entry& b);

// What "Edit Entry" opens for a row.
enum class EntryKind { kUrl, kFile, kFolderOrSpacer };
EntryKind KindOf(const Entry& entry);

class EntryList {
 public:
  static constexpr int kNoMark = -1;

  const std::vector<Entry>& rows() const { return rows_; }
  int mark() const { return mark_; }
  // A mark outside the rows means none.
  void SetMark(int mark);
  bool Full() const;

  // Rows 1 to MultiSourceFileCount (never stored: none) replace the list.
  void Load(const WizardSettings& settings);
  // The count and every row. Rows numbered past the count from a longer
  // list are left as they are: the count hides them.
  void Save(WizardSettings& settings) const;

  // At the mark, or first when nothing is marked; the mark keeps its index,
  // so it is on the new row. False (nothing inserted) when the list is full.
  bool Insert(const Entry& entry);
  // The marked row goes; the mark stays at its index, or moves to the new
  // last row. False when nothing is marked.
  bool Remove();
  // The marked row swaps with its neighbour and stays marked; at the edge
  // nothing changes. False only when nothing is marked.
  bool MoveUp();
  bool MoveDown();
  // The marked row, for editing; null when nothing is marked.
  Entry* Marked();

 private:
  std::vector<Entry> rows_;
  int mark_ = kNoMark;
};

// Leaving the list: the rows, the opening mode's first settings if it was
// never saved, and that the CD opens several files.
void LeaveList(const EntryList& list, WizardSettings& settings);

// An older configuration kept one help address beside the list; it becomes
// the list's last entry ("http://" put in front when it has no recognised
// prefix) and the old value is cleared. The message to show, or nothing
// when there was no address.
std::optional<std::string> UpgradeHelpUrl(WizardSettings& settings);

// The address editor: a URL without a recognised prefix is refused (the
// message), an empty display name becomes the address.
std::optional<std::string> CheckUrlEntry(Entry& entry);

// The first page: the folder must be given; it is saved (with its last "\")
// as both the source folder and the several-files folder. The refusal
// message, or nothing when saved.
std::optional<std::string> SaveSourceFolder(const std::string& folder, WizardSettings& settings);

}  // namespace several_files
