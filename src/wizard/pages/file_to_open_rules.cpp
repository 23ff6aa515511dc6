#include "wizard/pages/file_to_open_rules.h"

#include <algorithm>
#include <span>

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/configuration_loader.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace file_page {
namespace {
namespace ws = wizard_settings;
namespace t = file_page_texts;

// A drive root ("C:\") is three characters; anything below it is longer.
constexpr size_t kShortestNonRootFolder = 4;

std::string Join(std::span<const char* const> paragraphs) {
  std::string joined;
  for (const char* paragraph : paragraphs) joined += paragraph;
  return joined;
}

// A stored folder may lack its last "\": read it as a folder either way.
std::string AsFolder(const std::string& folder) {
  if (text::Trim(folder).empty()) return std::string();
  return FilePath(folder + "\\").Folder();
}

struct TypeAdvice {
  const char* extension;
  bool evenWithViewer;
  const char* title;
  std::span<const char* const> paragraphs;
};

const TypeAdvice kTypeAdvice[] = {
    {"ppt", true, t::kPowerPointTitle, t::kPptParagraphs},
    {"pps", false, t::kPowerPointTitle, t::kPpsParagraphs},
    {"pdf", false, t::kPdfTitle, t::kPdfParagraphs},
    {"sfw", false, t::kSfwTitle, t::kSfwParagraphs},
    {"cgi", false, t::kCgiTitle, t::kCgiParagraphs},
};

// The checks of one file: false (with the author told) keeps the page.
bool AcceptFile(const FilePath& file, const WizardSettings& settings, const FileSystem& fs,
                WizardQuestions& questions) {
  const std::string path = file.FullPath();
  if (path.empty()) {
    questions.ShowMessage(t::kNoFileSelected);
    return false;
  }
  if (!fs.FindFile(path) && !questions.AskYesNo(t::FailedToFind(path))) return false;
  const std::string starter = settings.Text(ws::kAutoRunExeName);
  if (!starter.empty() && text::EqualsNoCase(file.Name(), starter)) {
    questions.ShowMessage(t::kStarterChosen);
    return false;
  }
  return true;
}

}  // namespace

PageState LoadPage(const WizardSettings& settings) {
  PageState state;
  state.path = FilePath(settings.Text(ws::kSourceFile)).FullPath();
  state.previousFolder = settings.Text(ws::kSourceFolder);
  state.singleFile = settings.Flag(keys::kSingleFile);
  return state;
}

std::vector<std::string> FileListLines(const WizardSettings& settings, int32_t countWhenAbsent) {
  // The count is whatever the registry holds: a list longer than any loaded
  // configuration's is cut, as loading cuts it.
  const int32_t count = std::clamp(
      settings.ReadNumber(keys::kMultiSourceFileCount, countWhenAbsent), 0, kMaxLoadedFileEntries);
  const std::string folder = settings.Text(ws::kSourceFolder);
  std::vector<std::string> lines;
  for (int32_t i = 1; i <= count; ++i) {
    const std::string value = settings.Text(keys::MultiSourceFile(i));
    if (value.empty() || IsUrl(value)) {
      lines.push_back(value);
    } else {
      lines.push_back(FilePath(folder + "\\" + value).FullPath());
    }
  }
  return lines;
}

Enabling EnablingFor(bool singleFile) { return {singleFile, !singleFile}; }

std::string BrowseStartFile(const std::string& field, const FileSystem& fs) {
  const FilePath path(field);
  if (path.Name().empty() || !path.Exists(fs)) return std::string();
  return path.FullPath();
}

bool IsInDriveRoot(const std::string& path) {
  return FilePath(path).Folder().size() < kShortestNonRootFolder;
}

bool FolderChanged(const std::string& previousFolder, const std::string& path) {
  if (text::Trim(previousFolder).empty() || text::Trim(path).empty()) return false;
  return !text::EqualsNoCase(FilePath(path).Folder(), AsFolder(previousFolder));
}

bool operator==(const Advice& a, const Advice& b) {
  return a.title == b.title && a.text == b.text && a.setting == b.setting &&
         a.configureViewer == b.configureViewer;
}

Advice RootDriveAdvice() {
  return {t::kRootDriveTitle, Join(t::kRootDriveParagraphs), ws::kHelpRootDriveShow, false};
}

std::vector<Advice> FileTypeAdvice(const WizardSettings& settings) {
  std::vector<Advice> advice;
  if (!settings.Flag(ws::kHelpFileTyleDlgShow)) return advice;
  const bool viewerInstaller = settings.Flag(ws::kSpecifyFileOpenOptions);
  const std::string extension = text::ToLower(FilePath(settings.Text(ws::kSourceFile)).Extension());
  if (extension.empty()) return advice;
  for (const TypeAdvice& row : kTypeAdvice) {
    if (extension != row.extension || (viewerInstaller && !row.evenWithViewer)) continue;
    advice.push_back({row.title, Join(row.paragraphs), ws::kHelpFileTyleDlgShow, true});
  }
  return advice;
}

void CloseAdvice(WizardSettings& settings, const Advice& advice, bool doNotShowTicked) {
  settings.SetFlag(advice.setting, !doNotShowTicked);
}

bool LeavePage(const PageState& state, WizardSettings& settings, const FileSystem& fs,
               WizardQuestions& questions, FilePageUi& ui) {
  const FilePath file(state.path);
  if (state.singleFile) {
    if (!AcceptFile(file, settings, fs, questions)) return false;
    settings.SetText(ws::kSourceFile, file.FullPath());
    settings.SetText(ws::kSourceFolder, file.Folder());
  } else {
    settings.SetText(ws::kSourceFolder, AsFolder(settings.Text(ws::kMultiSourceFolder)));
  }
  // The field counts in both modes: it is what the author last chose as a file.
  const bool hasFile = !text::Trim(state.path).empty();
  if (hasFile && IsInDriveRoot(state.path) && settings.Flag(ws::kHelpRootDriveShow)) {
    ui.ShowAdvice(RootDriveAdvice());
  }
  settings.SetFlag(keys::kSingleFile, state.singleFile);
  if (FolderChanged(state.previousFolder, state.path)) {
    ui.CopyResourceFiles(AsFolder(state.previousFolder), file.Folder());
  }
  for (const Advice& advice : FileTypeAdvice(settings)) ui.ShowAdvice(advice);
  return true;
}

}  // namespace file_page
