#include "wizard/pages/folder_scan.h"

#include <algorithm>

#include "common/file_path.h"
#include "common/text.h"
#include "wizard/pages/several_texts.h"

namespace several_files {
namespace {
namespace t = several_texts;

// The folder's entries without "." and "..".
std::vector<FolderEntry> Entries(const FolderLister& lister, const std::string& folder) {
  std::vector<FolderEntry> entries = lister.Find(folder + "*");
  std::erase_if(entries, [](const FolderEntry& e) { return e.name == "." || e.name == ".."; });
  return entries;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return text::CompareNoCase(a, b) < 0;
}

class Scan {
 public:
  Scan(const FolderLister& lister, std::string sourceFolder)
      : lister_(lister), source_(std::move(sourceFolder)) {}

  // Whether the folder at `relative` (empty or "\a\b") holds files; every
  // sub-folder that does is offered. Each folder is listed once.
  bool HoldsFiles(const std::string& relative, int depth) {
    if (depth > kMaxScanDepth) {
      found_.push_back(relative + t::kTooDeepSuffix);
      return true;
    }
    if (scanned_ >= kMaxScannedFolders) return false;
    ++scanned_;
    bool files = false;
    for (const FolderEntry& item : Entries(lister_, source_ + relative + "\\")) {
      if (!item.folder) {
        files = true;
        continue;
      }
      const std::string sub = relative + "\\" + item.name;
      if (HoldsFiles(sub, depth + 1)) {
        found_.push_back(sub + "\\");
        files = true;
      }
    }
    return files;
  }

  std::vector<std::string> Found() && { return std::move(found_); }

 private:
  const FolderLister& lister_;
  std::string source_;
  std::vector<std::string> found_;
  size_t scanned_ = 0;
};

// The source folder without its last "\", so that relative paths (which
// start with one) join it with a single separator.
std::string Base(const std::string& sourceFolder) {
  std::string base = sourceFolder;
  while (!base.empty() && base.back() == '\\') base.pop_back();
  return base;
}

}  // namespace

std::vector<std::string> ScanFolders(const FolderLister& lister, const std::string& sourceFolder) {
  Scan scan(lister, Base(sourceFolder));
  scan.HoldsFiles("", 0);
  std::vector<std::string> folders = std::move(scan).Found();
  // Sorted once at the end: inserting in order would be quadratic on a wide tree.
  std::sort(folders.begin(), folders.end(), LessNoCase);
  folders.insert(folders.begin(), t::kRootFolder);
  return folders;
}

std::vector<std::string> AddableFiles(const FolderLister& lister, const std::string& sourceFolder,
                                      const std::string& relativeFolder,
                                      const std::string& starterName) {
  const std::string folder = CollapseDoubledBackslashes(sourceFolder + relativeFolder + "\\");
  std::vector<std::string> files;
  for (const FolderEntry& item : Entries(lister, folder)) {
    if (item.folder) continue;
    if (!starterName.empty() && text::EqualsNoCase(item.name, starterName)) continue;
    files.push_back(item.name);
  }
  std::sort(files.begin(), files.end(), LessNoCase);
  return files;
}

int RefillSelection(int previous, size_t count) {
  if (count == 0) return -1;
  if (previous < 0) return 0;
  return std::min(previous, static_cast<int>(count) - 1);
}

int FolderSelection(const std::vector<std::string>& folders, const std::string& previous) {
  for (size_t i = 0; i < folders.size(); ++i) {
    if (text::EqualsNoCase(folders[i], previous)) return static_cast<int>(i);
  }
  return 0;
}

std::string RelativeFolder(const std::string& folderText) {
  return folderText == t::kRootFolder ? std::string() : folderText;
}

}  // namespace several_files
