// The pages that choose what the CD opens, over fuzzed settings, folders,
// files and answers: the first page and the file page save only when they
// accept, the entry list edits as a plain list would and saves and loads back
// within its bound, the opening mode loads back as saved, the folder scan and
// the image chooser list each thing once, sorted and bounded, and a copy into
// the folder answered No or cancelled copies nothing more.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "common/file_path.h"
#include "config/autorun_keys.h"
#include "fake_option_ports.h"
#include "wizard/configuration_loader.h"
#include "wizard/pages/entry_list.h"
#include "wizard/pages/file_to_open_rules.h"
#include "wizard/pages/folder_scan.h"
#include "wizard/pages/image_chooser_rules.h"
#include "wizard/pages/image_copy_in.h"
#include "wizard/pages/open_mode_rules.h"
#include "wizard/pages/resource_files.h"
#include "wizard/pages/several_texts.h"
#include "wizard_fuzz.h"

namespace {
using namespace wizard_fuzz;
namespace ws = wizard_settings;
using several_files::Entry;

struct World {
  FakeRegistryBackend backend;
  WizardSettings settings{backend};
  FakeFileSystem fs;
  FakeOptionQuestions questions;
  FakeFileCopier copier;
};

// A folder tree: every folder path ("\a\b", "" for the top) with its entries.
class TreeLister : public FolderLister {
 public:
  std::string top;
  std::map<std::string, std::vector<FolderEntry>> folders;  // lower-case relative path

  std::vector<FolderEntry> Find(const std::string& pattern) const override {
    ++finds;
    std::string folder = pattern.substr(0, pattern.rfind('\\'));
    if (!text::StartsWithNoCase(folder, top)) return {};
    const auto it = folders.find(text::ToLower(folder.substr(top.size())));
    std::vector<FolderEntry> found{{".", true}, {"..", true}};
    if (it == folders.end()) return found;
    // "*", "*.*" and "*.ext" as a file search takes them.
    const std::string mask = pattern.substr(pattern.rfind('\\') + 1);
    for (const FolderEntry& e : it->second) {
      if (mask == "*" || mask == "*.*" ||
          (text::StartsWith(mask, "*") &&
           text::EndsWith(text::ToLower(e.name), text::ToLower(mask.substr(1)))) ||
          text::EqualsNoCase(mask, e.name)) {
        found.push_back(e);
      }
    }
    return found;
  }
  // Whether the folder holds a file at any depth.
  bool HoldsFile(const std::string& relative) const {
    for (const auto& [path, entries] : folders) {
      if (!text::StartsWith(path + "\\", text::ToLower(relative) + "\\")) continue;
      for (const FolderEntry& e : entries) {
        if (!e.folder) return true;
      }
    }
    return false;
  }
  mutable size_t finds = 0;
};

TreeLister FuzzTree(FuzzedDataProvider& in) {
  TreeLister tree;
  tree.top = "E:\\cd";
  std::vector<std::string> made{""};
  for (int i = in.ConsumeIntegralInRange(0, 12); i > 0; --i) {
    const std::string parent = made[in.ConsumeIntegralInRange<size_t>(0, made.size() - 1)];
    std::string name = in.ConsumeRandomLengthString(6);
    std::erase_if(name, [](char c) { return c == '\\' || c == '\0'; });
    if (name.empty() || name == "." || name == "..") name = "d";
    const bool folder = in.ConsumeBool();
    // A folder holds each name once, in any case.
    std::vector<FolderEntry>& entries = tree.folders[text::ToLower(parent)];
    if (std::any_of(entries.begin(), entries.end(),
                    [&](const FolderEntry& e) { return text::EqualsNoCase(e.name, name); })) {
      continue;
    }
    entries.push_back({name, folder});
    if (folder) made.push_back(parent + "\\" + name);
  }
  return tree;
}

bool SortedNoCase(const std::vector<std::string>& v, size_t from) {
  for (size_t i = from + 1; i < v.size(); ++i) {
    if (text::CompareNoCase(v[i - 1], v[i]) > 0) return false;
  }
  return true;
}

void SourceFolderPage(FuzzedDataProvider& in, World& w) {
  const std::string typed = Text(in);
  const Snapshot before = Take(w.backend);
  if (several_files::SaveSourceFolder(typed, w.settings)) {
    FUZZ_CHECK(text::Trim(typed).empty() && Changed(before, Take(w.backend)).empty());
    return;
  }
  const std::string folder = w.settings.Text(ws::kSourceFolder);
  FUZZ_CHECK(folder == w.settings.Text(ws::kMultiSourceFolder) && text::EndsWith(folder, "\\"));
}

// Offers to copy the resource files; records what it was asked.
class PageUi : public file_page::FilePageUi {
 public:
  void ShowAdvice(const file_page::Advice&) override { ++advice; }
  void CopyResourceFiles(const std::string& from, const std::string& to) override {
    copies.push_back({from, to});
  }
  int advice = 0;
  std::vector<std::pair<std::string, std::string>> copies;
};

void FilePage(FuzzedDataProvider& in, World& w) {
  file_page::PageState s = file_page::LoadPage(w.settings);
  if (in.ConsumeBool()) s.path = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  s.singleFile = in.ConsumeBool();
  if (in.ConsumeBool()) s.previousFolder = Text(in);
  PageUi ui;
  const Snapshot before = Take(w.backend);
  if (!file_page::LeavePage(s, w.settings, w.fs, w.questions, ui)) {
    FUZZ_CHECK(s.singleFile && Changed(before, Take(w.backend)).empty());
    FUZZ_CHECK(ui.advice == 0 && ui.copies.empty());
    return;
  }
  FUZZ_CHECK(w.settings.Flag(keys::kSingleFile) == s.singleFile);
  FUZZ_CHECK(ui.copies.size() <= 1 && ui.advice <= 2);
  if (s.singleFile) {
    const FilePath file(s.path);
    FUZZ_CHECK(!file.FullPath().empty() && w.settings.Text(ws::kSourceFile) == file.FullPath());
    FUZZ_CHECK(w.settings.Text(ws::kSourceFolder) == file.Folder());
    const std::string starter = w.settings.Text(ws::kAutoRunExeName);
    FUZZ_CHECK(starter.empty() || !text::EqualsNoCase(file.Name(), starter));
  }
  // Copying the resource files over: each exists, each once, and a file
  // the author keeps or a cancelled copy is copied no more.
  const std::string previous = in.ConsumeBool() ? std::string(kFolder) : std::string(kKit);
  const std::vector<resource_files::ResourceFile> files =
      resource_files::ListResourceFiles(w.settings, w.fs, previous);
  std::vector<std::string> sources;
  for (const auto& f : files) {
    FUZZ_CHECK(w.fs.FindFile(f.source));
    for (const std::string& other : sources) FUZZ_CHECK(!text::EqualsNoCase(other, f.source));
    sources.push_back(f.source);
  }
  for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i)
    w.copier.results.push_back(in.ConsumeIntegralInRange(0, 5));
  const std::string target = in.ConsumeBool() ? std::string(kKit) : Text(in);
  const bool done = resource_files::CopyResourceFiles(sources, target, w.copier, w.fs, w.questions);
  FUZZ_CHECK(done || !w.copier.copies.empty());
  for (const std::string& copy : w.copier.copies) {
    bool known = false;
    for (const std::string& source : sources)
      known = known || text::StartsWith(copy, source + " -> ");
    FUZZ_CHECK(known);
  }
}

void EntryListPage(FuzzedDataProvider& in, World& w) {
  using several_files::EntryList;
  // Mostly a short list, to edit it much; now and then any count at all.
  const int32_t count =
      in.ConsumeIntegralInRange(0, 15) == 0 ? Number(in) : in.ConsumeIntegralInRange(-1, 12);
  w.settings.SetNumber(keys::kMultiSourceFileCount, count);
  EntryList list;
  list.Load(w.settings);
  FUZZ_CHECK(list.rows().size() <= static_cast<size_t>(kMaxLoadedFileEntries));
  std::vector<Entry> model = list.rows();
  int mark = EntryList::kNoMark;
  for (int i = in.ConsumeIntegralInRange(0, 16); i > 0; --i) {
    const int op = in.ConsumeIntegralInRange(0, 5);
    if (op == 0) {
      const int m = in.ConsumeIntegralInRange(-2, static_cast<int>(model.size()) + 1);
      list.SetMark(m);
      mark = m >= 0 && m < static_cast<int>(model.size()) ? m : EntryList::kNoMark;
    } else if (op == 1) {
      Entry e{Text(in), Text(in), Text(in)};
      if (in.ConsumeBool() && !several_files::CheckUrlEntry(e)) {
        FUZZ_CHECK(IsUrl(e.file) && !e.name.empty());
      }
      const bool full = model.size() >= static_cast<size_t>(kMaxLoadedFileEntries);
      FUZZ_CHECK(list.Full() == full && list.Insert(e) == !full);
      if (!full) model.insert(model.begin() + (mark < 0 ? 0 : mark), e);
    } else if (op == 2) {
      FUZZ_CHECK(list.Remove() == (mark >= 0));
      if (mark >= 0) {
        model.erase(model.begin() + mark);
        if (mark >= static_cast<int>(model.size())) mark = static_cast<int>(model.size()) - 1;
      }
    } else if (op == 3 || op == 4) {
      const bool up = op == 3;
      FUZZ_CHECK((up ? list.MoveUp() : list.MoveDown()) == (mark >= 0));
      const int other = up ? mark - 1 : mark + 1;
      if (mark >= 0 && other >= 0 && other < static_cast<int>(model.size())) {
        std::swap(model[mark], model[other]);
        mark = other;
      }
    } else if (Entry* e = list.Marked()) {
      FUZZ_CHECK(mark >= 0);
      e->name = Text(in);
      model[mark].name = e->name;
    }
    FUZZ_CHECK(list.rows() == model && list.mark() == mark);
  }
  several_files::LeaveList(list, w.settings);
  FUZZ_CHECK(!w.settings.Flag(keys::kSingleFile));
  EntryList back;
  back.Load(w.settings);
  FUZZ_CHECK(back.rows() == model);
  FUZZ_CHECK(file_page::FileListLines(w.settings, 0).size() == model.size());
  if (in.ConsumeBool()) w.settings.SetText(keys::kMultiSelectHelpURL, Text(in));
  const std::string old = w.settings.Text(keys::kMultiSelectHelpURL);
  if (several_files::UpgradeHelpUrl(w.settings)) {
    FUZZ_CHECK(!old.empty() && w.settings.Text(keys::kMultiSelectHelpURL).empty());
    back.Load(w.settings);
    FUZZ_CHECK(!back.rows().empty() && IsUrl(back.rows().back().file) &&
               back.rows().size() <= static_cast<size_t>(kMaxLoadedFileEntries));
  } else {
    FUZZ_CHECK(old.empty());
  }
}

void OpenModePage(FuzzedDataProvider& in, World& w) {
  using namespace several_files;
  OpenMode m = LoadOpenMode(w.settings);
  m.action = in.ConsumeIntegralInRange(0, 1);
  m.waitForPrevious = in.ConsumeBool();
  m.allowReselect = in.ConsumeBool();
  m.title = Field(in, kMaxSelectionText);
  m.help = Field(in, kMaxSelectionText);
  m.useImage = in.ConsumeBool();
  if (in.ConsumeBool()) m.image = Text(in);
  m.location = in.ConsumeIntegralInRange(-1, 3);
  const bool imageOk = in.ConsumeBool();
  int checked = 0;
  const Snapshot before = Take(w.backend);
  const bool ok = SaveOpenMode(m, w.settings, w.questions, [&](const std::string&) {
    ++checked;
    return imageOk;
  });
  FUZZ_CHECK(checked <= 1 && (checked == 0 || (m.action == kSelectOne && m.useImage)));
  if (!ok) {
    FUZZ_CHECK(m.action == kSelectOne && m.useImage && Changed(before, Take(w.backend)).empty());
    return;
  }
  const OpenMode back = LoadOpenMode(w.settings);
  FUZZ_CHECK(back.action == m.action && back.waitForPrevious == m.waitForPrevious &&
             back.allowReselect == m.allowReselect && back.title == m.title &&
             back.help == m.help && back.useImage == m.useImage && back.image == m.image);
  const int locations = static_cast<int>(std::size(several_texts::kImageLocations));
  FUZZ_CHECK(back.location == (m.location < 0 || m.location >= locations
                                   ? several_texts::kDefaultImageLocation
                                   : m.location));
  FUZZ_CHECK(w.settings.Flag(ws::kMultiSelectSetup));
}

void FolderPage(FuzzedDataProvider& in, World& w) {
  const TreeLister tree = FuzzTree(in);
  const std::vector<std::string> folders =
      several_files::ScanFolders(tree, in.ConsumeBool() ? "E:\\cd\\" : "E:\\cd\\\\");
  FUZZ_CHECK(!folders.empty() && folders[0] == "\\" && SortedNoCase(folders, 1));
  FUZZ_CHECK(tree.finds <= several_files::kMaxScannedFolders);
  // Each folder once; each holds a file, unless a folder too deep to scan
  // lies below it (offered as its path and "\..").
  std::set<std::string> seen;
  for (size_t i = 1; i < folders.size(); ++i) {
    const std::string& f = folders[i];
    FUZZ_CHECK(text::StartsWith(f, "\\") && seen.insert(text::ToLower(f)).second);
    if (text::EndsWith(f, "\\..")) continue;
    FUZZ_CHECK(text::EndsWith(f, "\\"));
    const bool deeper = std::any_of(folders.begin(), folders.end(), [&](const std::string& g) {
      return text::StartsWith(g, f) && text::EndsWith(g, "\\..");
    });
    FUZZ_CHECK(deeper || tree.HoldsFile(f.substr(0, f.size() - 1)));
  }
  const int pick = in.ConsumeIntegralInRange(-1, static_cast<int>(folders.size()));
  const int selected = several_files::FolderSelection(
      folders, pick >= 0 && pick < static_cast<int>(folders.size()) ? folders[pick] : Text(in));
  FUZZ_CHECK(selected >= 0 && selected < static_cast<int>(folders.size()));
  const std::string starter = Text(in, 2);
  const std::vector<std::string> files = several_files::AddableFiles(
      tree, "E:\\cd\\", several_files::RelativeFolder(folders[selected]), starter);
  FUZZ_CHECK(SortedNoCase(files, 0));
  for (const std::string& f : files) {
    FUZZ_CHECK(f != "." && f != ".." && (starter.empty() || !text::EqualsNoCase(f, starter)));
  }
  const int refill =
      several_files::RefillSelection(in.ConsumeIntegralInRange(-2, 20), files.size());
  FUZZ_CHECK(files.empty() ? refill == -1 : refill >= 0 && refill < static_cast<int>(files.size()));
  (void)w;
}

void ImageChooser(FuzzedDataProvider& in, World& w) {
  using namespace image_chooser;
  const TreeLister tree = FuzzTree(in);
  const std::vector<std::string> filters = Filters();
  const std::string image = Text(in, 3);
  const int initial = InitialFilter(in.ConsumeBool() ? Text(in, 2) : std::string(), image);
  FUZZ_CHECK(initial >= 0 && initial < static_cast<int>(filters.size()));
  const int forImage = FilterForImage(image);
  FUZZ_CHECK(forImage >= -1 && forImage < static_cast<int>(filters.size()));
  const std::string filter = in.ConsumeBool()
                                 ? filters[in.ConsumeIntegralInRange<size_t>(0, filters.size() - 1)]
                                 : Text(in);
  const bool allowNone = in.ConsumeBool();
  const std::vector<std::string> rows = ListRows(tree, "E:\\cd\\", filter, allowNone);
  FUZZ_CHECK(SortedNoCase(rows, allowNone ? 1 : 0));
  FUZZ_CHECK(std::set<std::string>(rows.begin(), rows.end()).size() == rows.size());
  const int row = RowToSelect(rows, in.ConsumeIntegralInRange(-2, 20), ImageName(image));
  FUZZ_CHECK(row >= -1 && row < static_cast<int>(rows.size()));
  const std::string chosen = ChosenImage(row < 0 ? std::string() : rows[row], "E:\\cd\\");
  FUZZ_CHECK(chosen.empty() || text::StartsWith(chosen, "E:\\cd\\"));
  // Copying a picture in: the folder's own file is never copied onto itself.
  const std::string source = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i)
    w.copier.results.push_back(in.ConsumeIntegralInRange(0, 5));
  const CopyInResult result = CopyInImage(source, kFolder, w.fs, w.copier, w.questions);
  const std::string target = kFolder + ImageName(source);
  for (const std::string& copy : w.copier.copies) {
    FUZZ_CHECK(copy == source + " -> " + target && !text::EqualsNoCase(source, target));
  }
  if (result.outcome == CopyInOutcome::kCancelled) {
    FUZZ_CHECK(result.name.empty() && !w.copier.copies.empty());
  } else {
    FUZZ_CHECK(result.name == ImageName(source));
    FUZZ_CHECK(result.outcome == CopyInOutcome::kKeptExisting || !w.copier.copies.empty());
    // A kept file after a copy: the copy failed and the retry was declined at
    // the overwrite question.
    FUZZ_CHECK(result.outcome == CopyInOutcome::kCopied || w.copier.copies.empty() ||
               std::any_of(w.questions.asked.begin(), w.questions.asked.end(),
                           [](const std::string& q) { return text::StartsWith(q, "retry: "); }));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  World w;
  FuzzSettings(in, w.backend, w.settings, 24);
  FuzzFiles(in, w.fs, 4);
  w.questions.answers = Answers(in);
  using Step = void (*)(FuzzedDataProvider&, World&);
  static constexpr Step kSteps[] = {SourceFolderPage, FilePage,   EntryListPage,
                                    OpenModePage,     FolderPage, ImageChooser};
  kSteps[in.ConsumeIntegralInRange<size_t>(0, std::size(kSteps) - 1)](in, w);
  Take(w.backend);  // every value written is a setting
  return 0;
}
