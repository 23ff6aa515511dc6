#include "wizard/wizard_settings.h"

#include <cstdio>

#include "common/text.h"
#include "config/autorun_keys.h"
#include "wizard/wizard_values.h"

namespace {

namespace ws = wizard_settings;
using namespace keys;

constexpr int32_t kWhite = 0xFFFFFF;
constexpr int32_t kNewBorder = 40;

constexpr SettingEntry Text(const char* name) { return {name, SettingKind::kText, true, 0, 0}; }
constexpr SettingEntry TextKept(const char* name) {
  return {name, SettingKind::kText, false, 0, 0};
}
constexpr SettingEntry TextFamily(const char* format) {
  return {format, SettingKind::kText, false, 0, 0, true};
}
constexpr SettingEntry Flag(const char* name, bool reset, bool fallback) {
  return {name, SettingKind::kFlag, true, reset ? 1 : 0, fallback ? 1 : 0};
}
constexpr SettingEntry FlagKept(const char* name, bool fallback) {
  return {name, SettingKind::kFlag, false, 0, fallback ? 1 : 0};
}
constexpr SettingEntry Number(const char* name, int32_t reset, int32_t fallback) {
  return {name, SettingKind::kNumber, true, reset, fallback};
}
constexpr SettingEntry NumberKept(const char* name, int32_t fallback) {
  return {name, SettingKind::kNumber, false, 0, fallback};
}

constexpr bool kYes = true;
constexpr bool kNo = false;

// Reset and fallback differ on purpose: a new configuration starts with the
// values the pages should show first, while the fallbacks are what the
// writer and the checks assume for a value that was never stored.
// clang-format off
constexpr SettingEntry kSettings[] = {
    // Where the CD's files are.
    Text(ws::kLastINFFile),
    Text(ws::kSourceFolder),
    Text(ws::kMultiSourceFolder),
    Text(ws::kSourceFile),
    Text(ws::kAutoRunExeName),
    Flag(ws::kAutoRunExeNameEnabled,          kNo,  kNo),
    // How the file or files open.
    Flag(kSingleFile,                         kYes, kYes),
    Flag(kOpenAllFiles,                       kNo,  kYes),
    Flag(kWaitForPrevious,                    kNo,  kYes),
    Flag(kMultiSelectAllowReselect,           kYes, kYes),
    Flag(ws::kMultiSelectSetup,               kNo,  kNo),
    Text(kMultiSelectTitle),
    Text(kMultiSelectHelp),
    Text(kMultiSelectHelpURL),
    Flag(kMultiSelectUseImage,                kNo,  kNo),
    Text(kMultiSelectImage),
    Text(kMultiSelectImageLocation),
    Number(kMultiSourceFileCount,             0,    1),
    TextFamily("MultiSourceFile%d"),
    TextFamily("MultiSourceFileName%d"),
    TextFamily("MultiSourceForceOpen%d"),
    Flag(ws::kForceExecuteOption,             kNo,  kNo),
    Text(ws::kForceExecuteWith),
    // Viewer installers, agreement, screens, icon.
    Flag(ws::kSpecifyFileOpenOptions,         kNo,  kNo),
    Flag(ws::kInstallerViewerOption,          kNo,  kNo),
    Text(InstallerFile(1)),
    Text(InstallerFile(2)),
    Text(InstallerFile(3)),
    Text(InstallerUserQuery(1)),
    Text(InstallerUserQuery(2)),
    Text(InstallerUserQuery(3)),
    TextKept(ws::kInstallerHowToRunNew),
    NumberKept(ws::kInstallerHowToRun,                1),
    Flag(kLicenseAgreementEnabled,            kNo,  kNo),
    Text(ws::kLicenseAgreementFile),
    TextKept(ws::kLicenseAgreementFileShowEveryTime),
    Flag(kShowSplashScreen,                   kNo,  kNo),
    Flag(kSplashScreenUseImage,               kNo,  kNo),
    Text(kSplashScreenWhenToShow),
    Number(kSplashScreenImageShowForSecs,     0,    0),
    Text(kSplashScreenImage),
    Text(SplashScreenLine(1)),
    Text(SplashScreenLine(2)),
    Text(SplashScreenLine(3)),
    Text(kSplashFontName),
    Number(kSplashFontWeight,                 0,    0),
    Flag(kSplashFontItalic,                   kNo,  kNo),
    Number(kSplashFontHeight,                 0,    0),
    Flag(ws::kSetSplashScreenTest,            kNo,  kNo),
    Flag(kUserDefinedErrors,                  kNo,  kNo),
    Text(kErrorContactURL),
    Text(kErrorContactURLTitle),
    Text(kErrorText),
    Flag(kShowBackgroundWindow,               kNo,  kNo),
    Flag(kBackgroundFullScreenImage,          kNo,  kYes),
    Text(kBackgroundWhenToShow),
    Text(ws::kBackgroundFullScreenImageFile),
    Text(ws::kBackgroundFullScreenImageFileMode),
    Text(BackgroundFullScreenImageFile(1)),
    Text(BackgroundFullScreenImageFile(2)),
    Text(BackgroundFullScreenImageFileMode(1)),
    Text(BackgroundFullScreenImageFileMode(2)),
    Number(BackgroundFullScreenImageFileBorder(1), kNewBorder, 0),
    Number(BackgroundFullScreenImageFileBorder(2), kNewBorder, 0),
    Number(kBackgroundWindowColour,           kWhite, 0),
    Flag(kBackgroundWindowLeaveOpenUntilFileClosed, kYes, kYes),
    Flag(kBackgroundHaveCloseButton,          kYes, kYes),
    Text(kBackgroundCloseButtonText),
    Flag(ws::kEnableIcon,                     kNo,  kNo),
    Text(kIcon),
    Text(kIconFile),
    Flag(kRunOneAtATime,                      kNo,  kNo),
    {kWelcomeEnabled, SettingKind::kFlag, true, 0, 0, false, kWelcomeMessage},
    Text(kWelcomeTitle),
    Text(kWelcomeURL),
    Flag(kWelcomeUseImage,                    kNo,  kYes),
    Flag(kWelcomeUseText,                     kNo,  kYes),
    Text(kWelcomeImage),
    Text(kWelcomeImageLocation),
    Text(kWelcomeMessage),
    // The wizard's own values.
    FlagKept(ws::kDoNotWarnOverwrites,        kNo),
    FlagKept(ws::kQueriedFileOverwrite,       kNo),
    FlagKept(ws::kTestedConfig,               kNo),
    FlagKept(ws::kWarnedAboutCaching,         kNo),
    FlagKept(ws::kFileNameTooLongShowWarning, kYes),
    FlagKept(ws::kAppShowWelcomeDialog,       kYes),
    FlagKept(ws::kHelpFileTyleDlgShow,        kYes),
    FlagKept(ws::kHelpRootDriveShow,          kYes),
    TextKept(ws::kRegTest),
    TextKept(ws::kHelpFolder),
    TextKept(ws::kInstallPath),
    TextKept(ws::kLastImageFilter),
    FlagKept(ws::kPeviewImages,               kYes),
    TextKept(ws::kLastImageFolder),
    TextKept(ws::kImageVolumeLabel),
    TextKept(ws::kImageLabelFolder),
};
// clang-format on

// "MultiSourceFile%d" matches "MultiSourceFile12" but not "MultiSourceFileName1".
bool MatchesFamily(std::string_view format, std::string_view name) {
  std::string_view prefix = format.substr(0, format.find('%'));
  if (name.size() <= prefix.size() || !text::StartsWithNoCase(name, prefix)) return false;
  for (char c : name.substr(prefix.size())) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

std::span<const SettingEntry> AllSettings() { return kSettings; }

const SettingEntry* FindSetting(std::string_view name) {
  for (const SettingEntry& setting : kSettings) {
    if (setting.numbered ? MatchesFamily(setting.name, name)
                         : text::EqualsNoCase(setting.name, name)) {
      return &setting;
    }
  }
  return nullptr;
}

WizardSettings::WizardSettings(RegistryBackend& backend) : store_(backend, kRegistryBasePath) {}

std::string WizardSettings::Text(const std::string& name) const { return store_.ReadString(name); }

bool WizardSettings::Flag(const std::string& name) const {
  const SettingEntry* setting = FindSetting(name);
  bool fallback = false;
  if (setting != nullptr) {
    fallback =
        setting->onWhenSet != nullptr ? !Text(setting->onWhenSet).empty() : setting->fallback != 0;
  }
  return store_.ReadBool(name, fallback);
}

int32_t WizardSettings::Number(const std::string& name) const {
  const SettingEntry* setting = FindSetting(name);
  return store_.ReadNumber(name, setting != nullptr ? setting->fallback : 0);
}

bool WizardSettings::SetText(const std::string& name, const std::string& value) {
  return store_.WriteString(name, value);
}

bool WizardSettings::SetFlag(const std::string& name, bool value) {
  return store_.WriteBool(name, value);
}

bool WizardSettings::SetNumber(const std::string& name, int32_t value) {
  return store_.WriteNumber(name, value);
}

std::string WizardSettings::ReadString(const std::string& name) const { return Text(name); }

bool WizardSettings::ReadBool(const std::string& name, bool fallback) const {
  return store_.ReadBool(name, fallback);
}

int32_t WizardSettings::ReadNumber(const std::string& name, int32_t fallback) const {
  return store_.ReadNumber(name, fallback);
}

bool ResetConfiguration(WizardSettings& settings) {
  bool ok = true;
  for (const SettingEntry& setting : kSettings) {
    if (!setting.resets) continue;
    switch (setting.kind) {
      case SettingKind::kText:
        ok = settings.SetText(setting.name, "") && ok;
        break;
      case SettingKind::kFlag:
        ok = settings.SetFlag(setting.name, setting.reset != 0) && ok;
        break;
      case SettingKind::kNumber:
        ok = settings.SetNumber(setting.name, setting.reset) && ok;
        break;
    }
  }
  return ok;
}
