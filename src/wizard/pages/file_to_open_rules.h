// What the file-to-open page decides, apart from its controls: what it shows
// when it opens, which side of it is enabled, and everything that happens
// when it is left (checks, saves, the root-folder warning, copying resource
// files into a new folder, advice for some file types).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FileSystem;
class WizardQuestions;
class WizardSettings;

namespace file_page {

struct PageState {
  std::string path;  // the file field
  bool singleFile = true;
  // The source folder as it was when the page was shown.
  std::string previousFolder;
};

// SourceFile as a full path, SingleFile and SourceFolder.
PageState LoadPage(const WizardSettings& settings);

// The lines of the several-files list: an empty line for an empty entry, a
// URL as it stands, anything else as a full path below SourceFolder. A
// count never stored reads as `countWhenAbsent`.
inline constexpr int32_t kCountWhenShown = 0;
inline constexpr int32_t kCountAfterConfigure = 1;
std::vector<std::string> FileListLines(const WizardSettings& settings, int32_t countWhenAbsent);

// One file (the field, "Browse..." and its label) or the list (the list,
// "Configure..." and its label): never both.
struct Enabling {
  bool fileSide;
  bool listSide;
};
Enabling EnablingFor(bool singleFile);

// "Browse..." starts on the field's file when it names a file that exists.
std::string BrowseStartFile(const std::string& field, const FileSystem& fs);

// The folder of `path` is a drive's root ("C:\"): shorter than 4 characters.
bool IsInDriveRoot(const std::string& path);
// Both are known and the path's folder is another than `previousFolder`.
bool FolderChanged(const std::string& previousFolder, const std::string& path);

// One advice dialog: its title and text, the flag its "Do not show" box
// switches off, and whether it offers to configure a viewer.
struct Advice {
  std::string title;
  std::string text;
  std::string setting;
  bool configureViewer = true;
};
bool operator==(const Advice& a, const Advice& b);

Advice RootDriveAdvice();
// The advice for SourceFile's type, when advice is switched on. "ppt" is
// always advised; the other types only while no viewer installer is set.
std::vector<Advice> FileTypeAdvice(const WizardSettings& settings);
// Closing an advice: ticking "Do not show" switches its flag off.
void CloseAdvice(WizardSettings& settings, const Advice& advice, bool doNotShowTicked);

// What leaving the page shows besides questions: advice dialogs and the
// copy-over step.
class FilePageUi {
 public:
  virtual ~FilePageUi() = default;
  virtual void ShowAdvice(const Advice& advice) = 0;
  // Offers to copy the resource files from `previousFolder` into `newFolder`.
  virtual void CopyResourceFiles(const std::string& previousFolder,
                                 const std::string& newFolder) = 0;
};

// Leaving the page, forwards or backwards: false keeps the author on it
// (they have been told why) and nothing is saved.
bool LeavePage(const PageState& state, WizardSettings& settings, const FileSystem& fs,
               WizardQuestions& questions, FilePageUi& ui);

}  // namespace file_page
