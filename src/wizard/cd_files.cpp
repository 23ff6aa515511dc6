#include "wizard/cd_files.h"

#include <algorithm>
#include <vector>

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/picture_format.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "wizard/cd_files_texts.h"
#include "wizard/file_copier.h"
#include "wizard/open_value.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace texts = cd_files_texts;

// A stored folder as a FilePath folder, ending in "\"; the "\" added first so
// that a last part with a "." ("Kit v4.07") stays part of the folder.
FilePath Folder(const std::string& folder) { return FilePath(folder + "\\"); }

std::string InFolder(const std::string& folder, const std::string& name) {
  FilePath path = Folder(folder);
  path.SetName(name);
  return path.FullPath();
}

// The starter that the OPEN line of the autorun.inf at `path` names, when
// that is a plain file name of its folder; empty otherwise.
std::string StarterNamedIn(const FileSystem& fs, const std::string& path) {
  std::string contents;
  if (!fs.ReadFileHead(path, config::kMaxAutorunBytes, &contents)) return {};
  const config::ProfileSection section = config::ProfileSection::Parse(contents, keys::kSection);
  const std::string* open = section.Find(keys::kOpen);
  if (open == nullptr) return {};
  const std::string name = SplitOpenValue(*open).starterName;
  return name.find_first_of("\\/:*?") == std::string::npos ? name : std::string();
}

bool SameContents(const FileSystem& fs, const std::string& a, const std::string& b) {
  uint64_t sizeA = 0, sizeB = 0, time = 0;
  if (!fs.Stamp(a, &sizeA, &time) || !fs.Stamp(b, &sizeB, &time) || sizeA != sizeB) return false;
  std::string contentsA, contentsB;
  return fs.ReadWholeFile(a, &contentsA) && fs.ReadWholeFile(b, &contentsB) &&
         contentsA == contentsB;
}

}  // namespace

bool LeavesFolder(const std::string& name) {
  for (const std::string& part : text::Split(text::ReplaceAll(name, "/", "\\"), '\\')) {
    if (text::Trim(part) == "..") return true;
  }
  return false;
}

CdFilePaths CdFilePathsFor(const WizardSettings& settings) {
  CdFilePaths paths;
  const std::string sourceFolder = settings.Text(ws::kSourceFolder);
  paths.starterName = AutorunStarterName(settings);
  paths.starterSource = InFolder(settings.Text(ws::kInstallPath), kDefaultStarterName);
  paths.starterTarget = InFolder(sourceFolder, paths.starterName);
  paths.configFile = InFolder(sourceFolder, keys::kFileName);
  return paths;
}

std::string CopyFailureText(const std::string& from, const std::string& to, uint32_t error) {
  constexpr uint32_t kSharingViolation = 32;
  constexpr uint32_t kDiskFull = 112;
  const char* format = error == kSharingViolation ? texts::kCopyInUseFormat
                       : error == kDiskFull       ? texts::kCopyDiskFullFormat
                                                  : texts::kCopyOtherFormat;
  const std::string code = text::Format(texts::kErrorCodeFormat, static_cast<int>(error));
  return text::Format(format, from.c_str(), to.c_str(), code.c_str());
}

bool CdFiles::RequireFile(const std::string& path, const std::string& label, bool askToContinue) {
  if (path.empty() || IsUrl(path)) return true;
  const bool found = fs_.FindFile(path);
  ui_.FileLookedFor(path, label, found);
  if (found) return true;
  const std::string message = texts::RequiredFileMissing(label, path);
  if (askToContinue) return questions_.AskYesNo(message + texts::kContinueDetecting);
  questions_.ShowMessage(message);
  return false;
}

bool CdFiles::RequirePicture(const std::string& path, const std::string& label,
                             bool askToContinue) {
  if (!RequireFile(path, label, askToContinue)) return false;
  if (path.empty() || IsUrl(path) || !fs_.FindFile(path) || IsShowablePicture(fs_, path)) {
    return true;
  }
  ui_.NotAPictureFound(path, label);
  const std::string message = texts::NotAPicture(label, path);
  if (askToContinue) return questions_.AskYesNo(message + texts::kContinueDetecting);
  questions_.ShowMessage(message);
  return false;
}

std::string CdFiles::InSourceFolder(const std::string& value) const {
  FilePath path(value);
  path.SetFolder(Folder(settings_.Text(ws::kSourceFolder)).Folder());
  return path.FullPath();
}

bool CdFiles::CheckRequiredFiles() { return CheckFilesToOpen() && CheckFeatureFiles(); }

bool CdFiles::CheckFilesToOpen() {
  if (settings_.ReadBool(keys::kSingleFile, true)) {
    return RequireFile(settings_.Text(ws::kSourceFile), texts::kAutorunFile, true);
  }
  const std::string folder = settings_.Text(ws::kSourceFolder);
  // The entries autorun.inf will name, no more: a damaged count must not
  // make the check run for billions of entries.
  const int32_t count =
      std::min(settings_.ReadNumber(keys::kMultiSourceFileCount, 1), kMaxWrittenFileEntries);
  for (int32_t i = 1; i <= count; ++i) {
    const std::string value = settings_.Text(keys::MultiSourceFile(i));
    if (IsUrl(value)) continue;
    const FilePath path(folder + "\\" + value);
    if (path.Name().empty()) continue;  // a folder entry or a spacer line
    if (!RequireFile(path.FullPath(), texts::kAutorunFile, true)) return false;
  }
  return true;
}

bool CdFiles::CheckFeatureFiles() {
  // The author who answers No to "Continue detecting errors?" has had
  // enough: every check after that is passed over.
  auto flag = [this](const char* name) { return settings_.ReadBool(name, false); };
  // The starter is copied in by the creation these checks are for: a feature
  // that names it (an icon taken from the starter) finds it there.
  const std::string starter = CdFilePathsFor(settings_).starterTarget;
  auto require = [this, &starter](const std::string& setting, const char* label) {
    const std::string path = InSourceFolder(settings_.Text(setting));
    return text::EqualsNoCase(path, starter) || RequireFile(path, label, true);
  };
  auto picture = [this](const std::string& setting, const char* label) {
    return RequirePicture(InSourceFolder(settings_.Text(setting)), label, true);
  };
  if (flag(ws::kEnableIcon) && !require(keys::kIcon, texts::kIconFile)) return false;
  if (flag(keys::kShowSplashScreen) && flag(keys::kSplashScreenUseImage) &&
      !picture(keys::kSplashScreenImage, texts::kSplashImage)) {
    return false;
  }
  if (flag(keys::kWelcomeEnabled) && flag(keys::kWelcomeUseImage) &&
      !picture(keys::kWelcomeImage, texts::kWelcomeImage)) {
    return false;
  }
  if (!settings_.ReadBool(keys::kSingleFile, true) && flag(keys::kMultiSelectUseImage) &&
      !picture(keys::kMultiSelectImage, texts::kSelectImage)) {
    return false;
  }
  if (flag(keys::kShowBackgroundWindow)) {
    if (settings_.ReadBool(keys::kBackgroundFullScreenImage, true)) {
      if (!picture(ws::kBackgroundFullScreenImageFile, texts::kFullScreenImage)) return false;
    } else {
      for (int n = 1; n <= keys::kBackgroundPictureCount; ++n) {
        const char* setting = keys::BackgroundFullScreenImageFile(n);
        if (FilePath(settings_.Text(setting)).Name().empty()) continue;
        if (!picture(setting, texts::kBackgroundImages[n - 1])) return false;
      }
    }
  }
  if (flag(keys::kLicenseAgreementEnabled) &&
      !require(ws::kLicenseAgreementFile, texts::kLicenseAgreement)) {
    return false;
  }
  if (flag(ws::kSpecifyFileOpenOptions)) {
    for (int n = 1; n <= keys::kInstallerCount; ++n) {
      const std::string value = settings_.Text(keys::InstallerFile(n));
      // "<...>" stands for a viewer the author picked from the kit's list.
      if (value.empty() || text::StartsWith(value, "<")) continue;
      if (!require(keys::InstallerFile(n), texts::kInstallers[n - 1])) return false;
    }
  }
  return true;
}

bool CdFiles::CreateCdFiles(bool ask) {
  if (!CheckRequiredFiles()) return false;
  CdFilePaths paths = CdFilePathsFor(settings_);
  if (!starterSource_.empty()) paths.starterSource = starterSource_;
  if (LeavesFolder(paths.starterName)) {
    questions_.ShowMessage(texts::StarterOutsideFolder(paths.starterName));
    return false;
  }

  if (ask && !settings_.Flag(ws::kQueriedFileOverwrite)) {
    if (questions_.AskYesNo(texts::OverwriteSummary(paths.configFile, paths.starterTarget))) {
      settings_.SetFlag(ws::kDoNotWarnOverwrites, true);
      ask = false;
    }
    // Asked once per machine, whatever the answer.
    settings_.SetFlag(ws::kQueriedFileOverwrite, true);
  }

  const std::string installPath = settings_.Text(ws::kInstallPath);
  if (installPath.empty()) {
    questions_.ShowMessage(texts::kNoInstallPath);
    return false;
  }
  if (ask && fs_.FindFile(paths.starterTarget) &&
      !questions_.AskYesNo(texts::OverwriteQuestion(paths.starterTarget))) {
    return false;
  }
  // Whatever the starter is called, nothing of the CD may go into the kit's
  // own folder: autorun.inf would land there too.
  if (text::EqualsNoCase(Folder(installPath).Folder(),
                         Folder(settings_.Text(ws::kSourceFolder)).Folder())) {
    questions_.ShowMessage(texts::kInstallFolderWarning);
    return false;
  }
  if (const uint32_t error = copier_.CopyReplacing(paths.starterSource, paths.starterTarget)) {
    ui_.ShowProblem(CopyFailureText(paths.starterSource, paths.starterTarget, error));
    return false;
  }
  if (ask && fs_.FindFile(paths.configFile) &&
      !questions_.AskYesNo(texts::OverwriteQuestion(paths.configFile))) {
    return false;
  }
  const std::string previousStarter = StarterNamedIn(fs_, paths.configFile);
  if (!WriteAutorunFile(fs_, paths.configFile, BuildAutorunText(settings_))) {
    const std::string code =
        text::Format(texts::kErrorCodeFormat, static_cast<int>(ui_.LastError()));
    ui_.ShowProblem(
        text::Format(texts::kCreateFailedFormat, paths.configFile.c_str(), code.c_str()));
    return false;
  }
  settings_.SetText(ws::kLastINFFile, paths.configFile);
  OfferToRemoveOldStarters(paths, previousStarter);
  return true;
}

void CdFiles::OfferToRemoveOldStarters(const CdFilePaths& paths,
                                       const std::string& previousStarter) {
  const std::string folder = settings_.Text(ws::kSourceFolder);
  std::vector<std::string> names = {kDefaultStarterName};
  if (!previousStarter.empty() && !text::EqualsNoCase(previousStarter, kDefaultStarterName)) {
    names.push_back(previousStarter);
  }
  for (const std::string& name : names) {
    if (text::EqualsNoCase(name, paths.starterName)) continue;
    const std::string path = InFolder(folder, name);
    // Only an unchanged copy of the kit's starter, never a program of the author's.
    if (!fs_.FindFile(path) || !SameContents(fs_, path, paths.starterSource)) continue;
    if (!questions_.AskYesNo(texts::RemoveOldStarter(path, paths.starterName))) continue;
    if (!fs_.DeletePath(path)) questions_.ShowMessage(texts::OldStarterKept(path));
  }
}
