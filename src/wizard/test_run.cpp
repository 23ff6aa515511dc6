#include "wizard/test_run.h"

#include "common/agreement_key.h"
#include "common/file_path.h"
#include "common/file_system.h"
#include "common/registry_store.h"
#include "common/shell_opener.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "wizard/cd_files.h"
#include "wizard/cd_files_texts.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
namespace texts = cd_files_texts;

// Makes the starter show its agreement again on this machine, for this user
// and this CD only: the key the starter started from `cdRoot` names, for
// the autorun.inf just written there.
void ResetAgreementFlag(const WizardSettings& settings, const FileSystem& fs,
                        RegistryBackend& registry, const std::string& cdRoot) {
  RegistryStore store(registry);
  // Several files are not the file named: the agreement names its own key.
  const bool several = !settings.ReadBool(keys::kSingleFile, true);
  OpenAgreementKey(
      store, AgreementKeyPath(fs, {cdRoot,
                                   several ? std::string()
                                           : config::FileFromOpenValue(AutorunOpenValue(settings)),
                                   settings.Text(ws::kLicenseAgreementFile)}));
  store.WriteBool(kShownBeforeValue, false);
}

}  // namespace

bool CheckFileNameLength(WizardSettings& settings, const std::string& path, LengthWarningUi& ui) {
  if (path.size() <= kLongestSafePath || !settings.Flag(ws::kFileNameTooLongShowWarning)) {
    return true;
  }
  const LengthWarningAnswer answer = ui.ShowLengthWarning();
  if (!answer.ok) return false;
  settings.SetFlag(ws::kFileNameTooLongShowWarning, !answer.dontWarnAgain);
  return true;
}

bool CheckChosenFile(WizardSettings& settings, CdFiles& cdFiles, LengthWarningUi& ui,
                     const std::string& path, const std::string& label) {
  return CheckFileNameLength(settings, path, ui) && cdFiles.RequireFile(path, label, false);
}

bool CheckChosenPicture(WizardSettings& settings, CdFiles& cdFiles, LengthWarningUi& ui,
                        const std::string& path, const std::string& label) {
  return CheckFileNameLength(settings, path, ui) && cdFiles.RequirePicture(path, label, false);
}

std::string TestStarterPath(const WizardSettings& settings) {
  FilePath path(settings.Text(ws::kSourceFolder) + "\\");
  path.SetName(AutorunStarterName(settings));
  return path.FullPath();
}

bool TestConfiguration(WizardSettings& settings, const FileSystem& fs, RegistryBackend& registry,
                       WizardQuestions& questions, ShellOpener& opener, TestRunUi& ui) {
  if (!ui.CreateCdFiles(!settings.Flag(ws::kDoNotWarnOverwrites))) return false;
  const std::string starter = TestStarterPath(settings);
  if (!fs.FindFile(starter)) {
    ui.ShowTestResult(texts::StarterMissing(starter));
    return false;
  }
  if (settings.Flag(keys::kLicenseAgreementEnabled) &&
      text::EqualsNoCase(settings.Text(ws::kLicenseAgreementFileShowEveryTime), "no") &&
      questions.AskYesNo(texts::kResetAgreementQuestion)) {
    ResetAgreementFlag(settings, fs, registry, FilePath(starter).Folder());
  }
  if (!settings.Flag(ws::kWarnedAboutCaching) && !questions.AskYesNo(texts::kCachingQuestion)) {
    settings.SetFlag(ws::kWarnedAboutCaching, true);
  }
  ui.SetCurrentDirectory(FilePath(starter).Folder());
  ui.EnableTestButton(false);
  const bool started = opener.OpenTarget(starter, std::string(), true, false);
  if (!started) {
    ui.ShowTestResult(
        text::Format(texts::kAutoplayFailedFormat, opener.ResultCode(), opener.Message().c_str()));
  }
  settings.SetFlag(ws::kTestedConfig, true);
  ui.EnableTestButton(true);
  return started;
}
