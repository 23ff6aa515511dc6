#include "wizard/main_window.h"

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/product.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "wizard/open_value.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace main_window {
namespace ws = wizard_settings;

std::string WindowTitle(const std::string& configPath) {
  std::string title = product::kName;
  if (!configPath.empty()) title += " - " + configPath;
  return title;
}

std::string VersionText() { return std::string("Version ") + product::kVersion; }

bool KitInstalled(WizardSettings& settings) { return !settings.Text(ws::kInstallPath).empty(); }

Display RefreshFromLastConfig(const std::string& configPath, const FileSystem& fs,
                              WizardSettings& settings, WizardQuestions& questions) {
  settings.SetText(ws::kLastINFFile, configPath);
  Display display;
  if (configPath.empty()) return display;
  display.shownPath = configPath;
  if (!fs.FindFile(configPath)) {
    questions.ShowMessage(wizard_texts::UnableToLoad(configPath));
    return display;
  }
  // Read as the profile functions read it: a file that cannot be read has no keys.
  std::string contents;
  if (!fs.ReadFileHead(configPath, config::kMaxAutorunBytes, &contents)) contents.clear();
  const config::ProfileSection section = config::ProfileSection::Parse(contents, keys::kSection);
  const std::string* open = section.Find(keys::kOpen);
  const std::string value = open ? *open : std::string();
  display.fileToOpen = FileToOpenFromOpenValue(value);
  if (text::Trim(value).empty()) questions.ShowMessage(wizard_texts::kNoOpenSection);
  return display;
}

std::string InitialOpenFile(const std::string& configPath) {
  return FilePath(configPath).Name().empty() ? std::string() : configPath;
}

bool StartNewConfiguration(WizardSettings& settings, WizardQuestions& questions) {
  if (!questions.AskYesNo(wizard_texts::kNewConfigurationQuestion)) return false;
  ResetConfiguration(settings);
  return true;
}

WelcomeChoice WelcomeChoiceFor(const std::string& lastInfFile, const FileSystem& fs) {
  WelcomeChoice choice;
  if (lastInfFile.empty() || !fs.FindFile(lastInfFile)) return choice;
  choice.openEnabled = true;
  choice.chooseOpen = true;
  choice.openText = wizard_texts::OpenPreviousText(lastInfFile);
  return choice;
}

bool PrepareIntroduction(WizardSettings& settings) {
  // The write itself must succeed: a value left by an earlier run reads back
  // although this user may no longer write.
  if (!settings.SetText(ws::kRegTest, wizard_texts::kRegTestValue) ||
      settings.Text(ws::kRegTest).empty()) {
    return false;
  }
  settings.SetFlag(ws::kTestedConfig, false);
  if (settings.Text(ws::kAutoRunExeName).empty()) {
    settings.SetText(ws::kAutoRunExeName, kDefaultStarterName);
  }
  return true;
}

bool OfferTestAfterWizard(bool finished, WizardSettings& settings) {
  return finished && !settings.Flag(ws::kTestedConfig);
}

}  // namespace main_window
