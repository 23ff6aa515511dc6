#include "wizard/pages/entry_list.h"

#include <algorithm>
#include <utility>

#include "common/file_path.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/configuration_loader.h"
#include "wizard/pages/several_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace several_files {
namespace {
namespace ws = wizard_settings;
namespace t = several_texts;

// The stored count, bounded as loading bounds it: a damaged count must not
// make the page read or write millions of values.
int32_t StoredCount(const WizardSettings& settings) {
  return std::clamp(settings.ReadNumber(keys::kMultiSourceFileCount, 0), 0, kMaxLoadedFileEntries);
}

void SaveRow(WizardSettings& settings, int n, const Entry& entry) {
  settings.SetText(keys::MultiSourceFile(n), entry.file);
  settings.SetText(keys::MultiSourceFileName(n), entry.name);
  settings.SetText(keys::MultiSourceForceOpen(n), entry.forceOpen);
}

}  // namespace

bool operator==(const Entry& a, const Entry& b) {
  return a.name == b.name && a.file == b.file && a.forceOpen == b.forceOpen;
}

EntryKind KindOf(const Entry& entry) {
  if (IsUrl(entry.file)) return EntryKind::kUrl;
  if (!FilePath(entry.file).Name().empty()) return EntryKind::kFile;
  return EntryKind::kFolderOrSpacer;
}

void EntryList::SetMark(int mark) {
  mark_ = mark >= 0 && mark < static_cast<int>(rows_.size()) ? mark : kNoMark;
}

bool EntryList::Full() const { return rows_.size() >= static_cast<size_t>(kMaxLoadedFileEntries); }

void EntryList::Load(const WizardSettings& settings) {
  rows_.clear();
  mark_ = kNoMark;
  const int32_t count = StoredCount(settings);
  for (int n = 1; n <= count; ++n) {
    rows_.push_back({settings.Text(keys::MultiSourceFileName(n)),
                     settings.Text(keys::MultiSourceFile(n)),
                     settings.Text(keys::MultiSourceForceOpen(n))});
  }
}

void EntryList::Save(WizardSettings& settings) const {
  settings.SetNumber(keys::kMultiSourceFileCount, static_cast<int32_t>(rows_.size()));
  for (size_t i = 0; i < rows_.size(); ++i) SaveRow(settings, static_cast<int>(i) + 1, rows_[i]);
}

bool EntryList::Insert(const Entry& entry) {
  if (Full()) return false;
  const int at = mark_ == kNoMark ? 0 : mark_;
  rows_.insert(rows_.begin() + at, entry);
  return true;
}

bool EntryList::Remove() {
  if (mark_ == kNoMark) return false;
  rows_.erase(rows_.begin() + mark_);
  if (mark_ >= static_cast<int>(rows_.size())) mark_ = static_cast<int>(rows_.size()) - 1;
  return true;
}

bool EntryList::MoveUp() {
  if (mark_ == kNoMark) return false;
  if (mark_ > 0) {
    std::swap(rows_[mark_], rows_[mark_ - 1]);
    --mark_;
  }
  return true;
}

bool EntryList::MoveDown() {
  if (mark_ == kNoMark) return false;
  if (mark_ + 1 < static_cast<int>(rows_.size())) {
    std::swap(rows_[mark_], rows_[mark_ + 1]);
    ++mark_;
  }
  return true;
}

Entry* EntryList::Marked() { return mark_ == kNoMark ? nullptr : &rows_[mark_]; }

void LeaveList(const EntryList& list, WizardSettings& settings) {
  list.Save(settings);
  if (!settings.Flag(ws::kMultiSelectSetup)) {
    settings.SetFlag(keys::kOpenAllFiles, false);
    settings.SetFlag(keys::kWaitForPrevious, true);
    settings.SetFlag(keys::kMultiSelectAllowReselect, true);
  }
  settings.SetFlag(keys::kSingleFile, false);
}

std::optional<std::string> UpgradeHelpUrl(WizardSettings& settings) {
  const std::string old = settings.Text(keys::kMultiSelectHelpURL);
  if (old.empty()) return std::nullopt;
  const std::string url = IsUrl(old) ? old : t::kDefaultUrlScheme + old;
  // Past the bound the address would be hidden by the count: it replaces
  // the last entry the starter reads instead.
  const int32_t n = std::min(StoredCount(settings) + 1, kMaxLoadedFileEntries);
  settings.SetNumber(keys::kMultiSourceFileCount, n);
  SaveRow(settings, n, {url, url, ""});
  settings.SetText(keys::kMultiSelectHelpURL, "");
  return std::string(t::kUrlMovedStart) + url + t::kUrlMovedEnd;
}

std::optional<std::string> CheckUrlEntry(Entry& entry) {
  if (!IsUrl(entry.file)) return std::string(t::kBadUrlPrefix);
  if (entry.name.empty()) entry.name = entry.file;
  return std::nullopt;
}

std::optional<std::string> SaveSourceFolder(const std::string& folder, WizardSettings& settings) {
  const std::string typed = text::Trim(folder);
  if (typed.empty()) return std::string(t::kNoSourceFolder);
  const std::string normalised = FilePath(typed + "\\").Folder();
  settings.SetText(ws::kSourceFolder, normalised);
  settings.SetText(ws::kMultiSourceFolder, normalised);
  return std::nullopt;
}

}  // namespace several_files
