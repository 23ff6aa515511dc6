#include "wizard/configuration_loader.h"

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "wizard/open_value.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace {

namespace ws = wizard_settings;
using namespace keys;

// The file's section and the settings it is copied into.
class Loader {
 public:
  Loader(const config::ProfileSection& section, WizardSettings& settings, std::string folder)
      : section_(section), settings_(settings), folder_(std::move(folder)) {}

  // Read as the profile functions give it, then trimmed at both ends.
  std::string Value(std::string_view key) const {
    const std::string* value = section_.Find(key);
    return value ? text::Trim(*value) : std::string();
  }
  bool FlagValue(std::string_view key) const {
    std::string value = Value(key);
    return !value.empty() && value != "0";
  }
  int32_t NumberValue(std::string_view key) const { return text::ParseIntOr(Value(key), 0); }
  // The value as a file in the folder of autorun.inf; empty stays empty.
  std::string FullPathValue(std::string_view key) const {
    std::string value = Value(key);
    if (value.empty()) return value;
    FilePath path(folder_);
    path.SetName(value);
    return path.FullPath();
  }

  void Copy(const std::string& key) { settings_.SetText(key, Value(key)); }
  void CopyInto(const std::string& setting, const std::string& key) {
    settings_.SetText(setting, Value(key));
  }
  void FullPath(const std::string& key) { settings_.SetText(key, FullPathValue(key)); }
  bool Flag(const std::string& key) {
    bool on = FlagValue(key);
    settings_.SetFlag(key, on);
    return on;
  }
  int32_t Number(const std::string& key) {
    int32_t number = NumberValue(key);
    settings_.SetNumber(key, number);
    return number;
  }

  WizardSettings& Settings() { return settings_; }
  const std::string& Folder() const { return folder_; }

 private:
  const config::ProfileSection& section_;
  WizardSettings& settings_;
  std::string folder_;
};

void LoadFileToOpen(Loader& l, WizardQuestions& questions) {
  WizardSettings& s = l.Settings();
  std::string open = l.Value(kOpen);
  OpenValueParts parts;
  if (open.empty()) {
    questions.ShowMessage(wizard_texts::kNoOpenSection);
  } else {
    parts = SplitOpenValue(open);
    if (!parts.hasBlank) questions.ShowMessage(wizard_texts::kNotConfiguredByUs);
  }
  // What the line does not name is not taken from the configuration loaded
  // before: that one's starter or file would be written into this CD's files.
  s.SetText(ws::kAutoRunExeName, parts.starterName);
  s.SetFlag(ws::kAutoRunExeNameEnabled,
            parts.hasBlank && !text::EqualsNoCase(parts.starterName, kDefaultStarterName));
  // The starter opens a file in the CD's root: any folder it names is
  // replaced. A name without a "." is no file the writer can name again.
  FilePath file(parts.fileToOpen);
  file.SetFolder(l.Folder());
  s.SetText(ws::kSourceFile, file.FullPathIfComplete());
}

void LoadInstallers(Loader& l) {
  WizardSettings& s = l.Settings();
  std::string joined;
  for (int n = 1; n <= kInstallerCount; ++n) joined += l.Value(InstallerFile(n));
  const bool any = !joined.empty();
  s.SetFlag(ws::kSpecifyFileOpenOptions, any);
  s.SetFlag(ws::kInstallerViewerOption, any);
  if (!any) return;
  for (int n = 1; n <= kInstallerCount; ++n) {
    l.Copy(InstallerFile(n));
    l.Copy(InstallerUserQuery(n));
  }
  std::string options = l.Value(kInstallerFileOpenOptions);
  // The keyword and the older number must not contradict each other: the
  // writer takes the keyword first, the installers page the number, so the
  // one the file does not give is cleared.
  if (!options.empty()) {
    s.SetText(ws::kInstallerHowToRunNew, options);
    s.SetNumber(ws::kInstallerHowToRun, -1);
  } else {
    // A file from an older wizard says only whether installers always run.
    s.SetNumber(ws::kInstallerHowToRun, l.Value(kInstallerFileAlwaysRun).empty() ? 0 : 1);
    s.SetText(ws::kInstallerHowToRunNew, "");
  }
}

void LoadAgreement(Loader& l) {
  const bool on = !l.Value(kQUAVLicenseFile).empty() ||
                  text::CompareNoCase(l.Value(kLicenseAgreementEnabled), "1") > 0;
  if (on) {
    l.CopyInto(ws::kLicenseAgreementFile, kQUAVLicenseFile);
    l.CopyInto(ws::kLicenseAgreementFileShowEveryTime, kQUAVLicenseFileShowAlways);
  }
  l.Settings().SetFlag(kLicenseAgreementEnabled, on);
}

void LoadSeveralFiles(Loader& l) {
  if (l.Value(kSingleFile).empty()) {
    l.Settings().SetFlag(kSingleFile, true);
    return;
  }
  l.Flag(kSingleFile);
  l.Flag(kOpenAllFiles);
  l.Copy(kMultiSelectHelpURL);
  l.Copy(kMultiSelectTitle);
  l.Copy(kMultiSelectHelp);
  l.Flag(kWaitForPrevious);
  l.Flag(kMultiSelectAllowReselect);
  // The file speaks for the opening mode: leaving the list must not preset it.
  l.Settings().SetFlag(ws::kMultiSelectSetup, true);
  if (l.Flag(kMultiSelectUseImage)) {
    l.FullPath(kMultiSelectImage);
    l.Copy(kMultiSelectImageLocation);
  }
  int32_t count = l.NumberValue(kMultiSourceFileCount);
  if (count > kMaxLoadedFileEntries) count = kMaxLoadedFileEntries;
  // A negative count (or one past the number range, which reads as negative)
  // means no entries.
  if (count < 0) count = 0;
  l.Settings().SetNumber(kMultiSourceFileCount, count);
  for (int i = 1; i <= count; ++i) {
    l.Copy(MultiSourceFile(i));
    l.Copy(MultiSourceFileName(i));
    l.Copy(MultiSourceForceOpen(i));
  }
}

void LoadSplash(Loader& l) {
  if (!l.Flag(kShowSplashScreen)) return;
  const bool image = l.Flag(kSplashScreenUseImage);
  l.Copy(kSplashScreenWhenToShow);
  l.Number(kSplashScreenImageShowForSecs);
  if (image) {
    l.FullPath(kSplashScreenImage);
    return;
  }
  for (int n = 1; n <= kSplashLineCount; ++n) l.Copy(SplashScreenLine(n));
  l.Copy(kSplashFontName);
  l.Number(kSplashFontWeight);
  l.Settings().SetFlag(kSplashFontItalic, l.NumberValue(kSplashFontItalic) != 0);
  l.Number(kSplashFontHeight);
}

void LoadErrors(Loader& l) {
  if (!l.Flag(kUserDefinedErrors)) return;
  l.Copy(kErrorContactURL);
  l.Copy(kErrorContactURLTitle);
  l.Copy(kErrorText);
}

void LoadBackground(Loader& l) {
  if (!l.Flag(kShowBackgroundWindow)) return;
  const bool fullScreen = l.Flag(kBackgroundFullScreenImage);
  l.Copy(kBackgroundWhenToShow);
  if (fullScreen) {
    l.Settings().SetText(ws::kBackgroundFullScreenImageFile,
                         l.FullPathValue(BackgroundFullScreenImageFile(1)));
    l.CopyInto(ws::kBackgroundFullScreenImageFileMode, BackgroundFullScreenImageFileMode(1));
  } else {
    for (int n = 1; n <= kBackgroundPictureCount; ++n) {
      l.FullPath(BackgroundFullScreenImageFile(n));
      l.Copy(BackgroundFullScreenImageFileMode(n));
      l.Number(BackgroundFullScreenImageFileBorder(n));
    }
    l.Number(kBackgroundWindowColour);
  }
  l.Flag(kBackgroundWindowLeaveOpenUntilFileClosed);
  l.Flag(kBackgroundHaveCloseButton);
  l.Copy(kBackgroundCloseButtonText);
}

void LoadIcon(Loader& l) {
  const bool on = !l.Value(kIcon).empty();
  if (on) {
    // The icon stays a bare name: Windows finds it in the CD's root.
    l.Copy(kIcon);
    l.Copy(kIconFile);
  }
  l.Settings().SetFlag(ws::kEnableIcon, on);
}

void LoadWelcome(Loader& l) {
  if (!l.Flag(kWelcomeEnabled)) return;
  l.Copy(kWelcomeTitle);
  l.Copy(kWelcomeURL);
  const bool image = l.Flag(kWelcomeUseImage);
  const bool message = l.Flag(kWelcomeUseText);
  if (image) {
    l.FullPath(kWelcomeImage);
    l.Copy(kWelcomeImageLocation);
  }
  if (message) l.Copy(kWelcomeMessage);
}

}  // namespace

bool LoadConfiguration(const std::string& path, const FileSystem& fs, WizardSettings& settings,
                       WizardQuestions& questions) {
  if (path.empty()) return true;
  if (!fs.FindFile(path)) return questions.AskYesNo(wizard_texts::UnableToLoadContinue(path));

  // A file that cannot be read reads like one without keys, as the profile
  // functions see it.
  std::string contents;
  if (!fs.ReadFileHead(path, config::kMaxAutorunBytes, &contents)) contents.clear();
  const config::ProfileSection section = config::ProfileSection::Parse(contents, kSection);

  settings.SetText(ws::kLastINFFile, path);
  const std::string folder = FilePath(path).Folder();
  settings.SetText(ws::kSourceFolder, folder);
  settings.SetText(ws::kMultiSourceFolder, folder);

  Loader l(section, settings, folder);
  LoadFileToOpen(l, questions);
  const std::string force = l.Value(kQUAVForceExecuteWith);
  settings.SetFlag(ws::kForceExecuteOption, !force.empty());
  if (!force.empty()) settings.SetText(ws::kForceExecuteWith, force);
  LoadInstallers(l);
  LoadAgreement(l);
  LoadSeveralFiles(l);
  LoadSplash(l);
  LoadErrors(l);
  LoadBackground(l);
  LoadIcon(l);
  l.Flag(kRunOneAtATime);
  LoadWelcome(l);
  return true;
}
