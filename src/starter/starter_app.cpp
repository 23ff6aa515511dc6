#include "starter/starter_app.h"

#include <algorithm>

#include "common/agreement_key.h"
#include "common/file_path.h"
#include "common/file_system.h"
#include "common/registry_store.h"
#include "common/shell_opener.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "starter/command_line.h"
#include "starter/starter_texts.h"

namespace {

constexpr const char* kIsRunning = "IsRunning";

using keywords::kAfterWelcome;
using keywords::kBeforeWelcome;
using keywords::kStartup;

std::string CodeLine(int32_t code) {
  return text::Format(starter_texts::kCodeLineFormat, code, static_cast<uint32_t>(code));
}

// The optional picture of the welcome or selection dialog: shown when the
// use key is "1", from the file key joined to the CD root, at the location key.
template <typename DialogSettings>
void ReadDialogPicture(const AutorunConfig& config, const char* useKey, const char* fileKey,
                       const char* locationKey, DialogSettings& settings) {
  if (!config.Flag(useKey)) return;
  settings.usePicture = true;
  settings.picturePath = config.File(fileKey);
  settings.pictureLocation = config.ReadConfigValue(locationKey);
}

}  // namespace

std::vector<std::string> SplitProgramList(std::string_view list) {
  std::vector<std::string> programs;
  for (const std::string& part : text::Split(list, ',')) programs.push_back(text::Trim(part));
  if (!programs.empty() && programs.back().empty()) programs.pop_back();
  return programs;
}

int32_t SeveralFilesCount(int32_t configured) {
  return std::clamp(configured, 0, kMaxSeveralFiles);
}

StarterApp::StarterApp(FileSystem& fs, ShellPort& shell, RegistryBackend& registry, StarterUi& ui)
    : fs_(fs), shell_(shell), registry_(registry), ui_(ui), config_(fs) {}

StarterApp::~StarterApp() { Exit(); }

void StarterApp::Run(std::string_view commandLine) {
  StartUp(commandLine);
  Exit();
}

void StarterApp::StartUp(std::string_view commandLine) {
  if (config_.Keyword(keys::kBackgroundWhenToShow, kStartup)) CreateBackground(false);

  autorunTimeout_ = config_.Number(keys::kQUAVAutorunTimeout, 0);

  if (config_.Keyword(keys::kSplashScreenWhenToShow, kStartup)) ShowSplash("");

  // One copy at a time. The store is kept for the writes at every end; a key
  // that cannot be opened reads false and ignores writes, so it never stops a start.
  // It is opened when first used, so that a plain CD opens its file first.
  machineStoreWanted_ = true;
  if (config_.Flag(keys::kRunOneAtATime)) {
    if (MachineStore().ReadBool(kIsRunning, false) &&
        ui_.AskYesNo(starter_texts::kAlreadyRunning, StarterUi::Answer::kNo) ==
            StarterUi::Answer::kNo) {
      return;
    }
    WriteIsRunning(true);
  }

  if (config_.Keyword(keys::kBackgroundWhenToShow, kBeforeWelcome)) CreateBackground(false);

  if (config_.Flag(keys::kWelcomeEnabled) && !ui_.RunWelcome(ReadWelcomeSettings())) {
    WriteIsRunning(false);
    return;
  }

  std::string when = ReadConfigValue(keys::kBackgroundWhenToShow);
  if (when.empty() || text::EqualsNoCase(when, kAfterWelcome)) CreateBackground(false);

  std::string file = FileFromCommandLine(commandLine);
  if (file.empty()) file = config::FileFromOpenValue(ReadConfigValue(keys::kOpen));

  std::string failure;
  int32_t failureCode = 0;
  if (file.empty() && !config_.Exists()) {
    failure = std::string(starter_texts::kAutorunMissingHead) + config_.Path() +
              starter_texts::kAutorunMissingTail;
    failureCode = starter_texts::kAutorunMissingCode;
  }

  // A CD with several files names none in OPEN; it plays all the same.
  const bool several = config::IsSeveralFiles(ReadConfigValue(keys::kSingleFile));
  if (!file.empty() || several) {
    // Several files are not the file named: the agreement names its own key.
    if (!LicenceGate(several ? std::string() : file)) {
      WriteIsRunning(false);
      return;
    }
    std::string installers = ReadConfigValue(keys::kInstallerFileOpenOptions);
    if (text::EqualsNoCase(installers, keywords::kAlways) ||
        text::EqualsNoCase(installers, keywords::kPrompt)) {
      if (RunInstallers().aborted) {
        WriteIsRunning(false);
        return;
      }
    }
    if (several) {
      OpenSeveralFiles();
    } else {
      OpenFile(file, "", true, false, false);
    }
  }

  if (!failure.empty()) ui_.ShowError(failure, "", CodeLine(failureCode));

  WriteIsRunning(false);
  SignalClose();
}

void StarterApp::Exit() {
  if (exited_) return;
  exited_ = true;
  CloseSplash();
  if (ui_.BackgroundExists()) ui_.CloseBackground();
  if (ui_.CloseEventHandle()) ui_.ReleaseCloseEvent();
  machineStore_.reset();
  machineStoreWanted_ = false;
}

WelcomeSettings StarterApp::ReadWelcomeSettings() const {
  WelcomeSettings settings;
  settings.title = ReadConfigValue(keys::kWelcomeTitle);
  settings.link = ReadConfigValue(keys::kWelcomeURL);
  ReadDialogPicture(config_, keys::kWelcomeUseImage, keys::kWelcomeImage,
                    keys::kWelcomeImageLocation, settings);
  if (config_.Flag(keys::kWelcomeUseText)) {
    settings.useText = true;
    settings.message = ReadConfigValue(keys::kWelcomeMessage);
  }
  return settings;
}

RegistryStore& StarterApp::MachineStore() {
  if (!machineStore_) machineStore_ = std::make_unique<RegistryStore>(registry_, kRegistryBasePath);
  return *machineStore_;
}

void StarterApp::WriteIsRunning(bool running) {
  if (machineStoreWanted_) MachineStore().WriteBool(kIsRunning, running);
}

bool StarterApp::PumpMessages() { return ui_.PumpMessages(); }

void StarterApp::EnsureCloseEvent() {
  if (!ui_.CloseEventHandle()) ui_.CreateCloseEvent();
}

bool StarterApp::ShowSplash(const std::string& fileName) {
  if (ui_.SplashExists()) {
    ui_.UpdateSplash(fileName, !config_.Keyword(keys::kSplashScreenWhenToShow, kStartup));
    PumpMessages();
    return true;
  }
  return CreateSplash(fileName);
}

bool StarterApp::CreateSplash(const std::string& fileName) {
  if (!config_.Flag(keys::kShowSplashScreen)) return false;
  bool created = ui_.CreateSplash(fileName);
  EnsureCloseEvent();
  return created;
}

bool StarterApp::CreateBackground(bool wait) {
  if (!config_.Flag(keys::kShowBackgroundWindow)) {
    PumpMessages();
    return wait;
  }
  if (!ui_.BackgroundExists()) {
    EnsureCloseEvent();
    ui_.CreateBackground();
  }
  bool result = config_.Flag(keys::kBackgroundWindowLeaveOpenUntilFileClosed) || wait;
  if (ui_.SplashExists()) ui_.RaiseSplash();
  PumpMessages();
  return result;
}

void StarterApp::CloseSplash() {
  if (ui_.SplashExists()) ui_.CloseSplash();
}

void StarterApp::SignalClose() {
  if (ui_.CloseEventHandle()) ui_.SetCloseEvent();
}

bool StarterApp::LicenceGate(const std::string& fileToOpen) {
  std::string agreement = ReadConfigValue(keys::kQUAVLicenseFile);
  if (agreement.empty()) return true;

  RegistryStore store(registry_);
  OpenAgreementKey(store, AgreementKeyPath(fs_, {fs_.CurrentDirectory(), fileToOpen, agreement}));

  bool show = !store.ReadBool(kShownBeforeValue, false);
  if (!show) {
    std::string always = ReadConfigValue(keys::kQUAVLicenseFileShowAlways);
    show = !always.empty() && !text::EqualsNoCase(always, "no");
  }
  if (!show) return true;

  if (!ui_.RunLicence(agreement)) return false;
  store.WriteBool(kShownBeforeValue, true);
  return true;
}

StarterApp::InstallerOutcome StarterApp::RunInstallers() {
  InstallerOutcome outcome;
  std::string option = ReadConfigValue(keys::kInstallerFileOpenOptions);
  bool prompt = text::EqualsNoCase(option, keywords::kPrompt);

  for (int n = 1; n <= keys::kInstallerCount; ++n) {
    std::string file = ReadConfigValue(keys::InstallerFile(n));
    std::string query = ReadConfigValue(keys::InstallerUserQuery(n));
    if (file.empty()) continue;

    // Dismissing the background or splash while an installer runs must not end its wait.
    if (ui_.BackgroundExists()) ui_.SetBackgroundSignalOnHide(false);

    bool run = !prompt || query.empty() ||
               ui_.AskYesNo(query, StarterUi::Answer::kYes) != StarterUi::Answer::kNo;
    if (run) {
      ShowSplash(file);
      if (ui_.SplashExists()) ui_.SetSplashSignalOnHide(false);

      ShellOpener opener(shell_, ui_, fs_);
      opener.SetCloseEvent(ui_.CloseEventHandle());
      opener.SetLingerTime(autorunTimeout_);
      if (!opener.OpenTarget(JoinToCurrentDirectory(file), "", false, true)) {
        std::string question = std::string(starter_texts::kInstallerFailedHead) + opener.Message() +
                               starter_texts::kInstallerFailedTail;
        if (ui_.AskYesNo(question, StarterUi::Answer::kYes) == StarterUi::Answer::kNo) {
          outcome.aborted = true;
        }
      }

      if (ui_.SplashExists()) ui_.SetSplashSignalOnHide(true);
      if (outcome.aborted) {
        if (ui_.BackgroundExists()) ui_.SetBackgroundSignalOnHide(true);
        CloseSplash();
        outcome.ran = false;
        return outcome;
      }
      outcome.ran = true;
    }
    if (ui_.BackgroundExists()) ui_.SetBackgroundSignalOnHide(true);
  }
  CloseSplash();
  return outcome;
}

std::string StarterApp::JoinToCurrentDirectory(const std::string& target) const {
  return config::JoinToFolder(fs_.CurrentDirectory(), target);
}

void StarterApp::OpenFile(const std::string& target, const std::string& programs, bool linger,
                          bool wait, bool several) {
  int32_t timeout = autorunTimeout_;
  bool splashUsed = false;
  if (!config_.Keyword(keys::kSplashScreenWhenToShow, kStartup)) {
    // Shown per file: every file lingers so the splash can be read. Without a
    // splash there is nothing to read, and a pick from the list or the next
    // of several files must not wait for it.
    splashUsed = true;
    if (ShowSplash(target)) linger = true;
  } else if (ShowSplash(target)) {
    splashUsed = true;
  }
  if (ui_.SplashExists() && timeout == 0) timeout = ui_.SplashShowForSeconds();

  bool leaveOpen = CreateBackground(wait);
  if (!several) wait = leaveOpen;

  if (ui_.CloseEventHandle()) ui_.ResetCloseEvent();
  PumpMessages();

  const bool url = IsUrl(target);
  std::string programList;
  if (!url && !FilePath(target).Name().empty()) {
    programList = programs.empty() ? ReadConfigValue(keys::kQUAVForceExecuteWith) : programs;
  }
  const std::string fullTarget = url ? target : JoinToCurrentDirectory(target);
  const bool noViewer =
      text::EqualsNoCase(ReadConfigValue(keys::kInstallerFileOpenOptions), keywords::kNoViewer);

  ShellOpener opener(shell_, ui_, fs_);
  opener.SetLingerTime(timeout);
  opener.SetCloseEvent(ui_.CloseEventHandle());
  // One attempt, retried once when a viewer installer ran after a failure.
  auto attempt = [&](const std::string& file, const std::string& parameters) {
    if (opener.OpenTarget(file, parameters, linger, wait)) return true;
    if (noViewer && RunInstallers().ran) {
      opener.SetCloseEvent(ui_.CloseEventHandle());
      return opener.OpenTarget(file, parameters, linger, wait);
    }
    return false;
  };

  std::string errorText;
  int32_t errorCode = 0;
  if (!programList.empty()) {
    for (const std::string& program : SplitProgramList(programList)) {
      if (attempt(program, fullTarget)) {
        errorText.clear();
        errorCode = 0;
        break;
      }
      errorText = opener.Message();
      errorCode = opener.ResultCode();
    }
  } else if (!attempt(fullTarget, "")) {
    errorText = opener.Message();
    errorCode = opener.ResultCode();
  }

  if (!errorText.empty()) ShowOpenError(fullTarget, programList, errorText, errorCode);

  if (splashUsed && ui_.SplashExists() && ui_.SplashShowForSeconds() == 0) ui_.HideSplash();
}

void StarterApp::ShowOpenError(const std::string& fullTarget, const std::string& programList,
                               const std::string& errorText, int32_t errorCode) {
  if (!config_.Flag(keys::kUserDefinedErrors)) {
    std::string fileLine = programList.empty()
                               ? fullTarget
                               : text::ReplaceAll(programList + " " + fullTarget, ",",
                                                  starter_texts::kProgramSeparator);
    ui_.ShowError(errorText, fileLine, CodeLine(errorCode));
    return;
  }
  std::string url = ReadConfigValue(keys::kErrorContactURL);
  std::string linkText = ReadConfigValue(keys::kErrorContactURLTitle);
  if (linkText.empty()) linkText = url;
  ui_.ShowAuthorError(url, linkText,
                      text::ReplaceAll(ReadConfigValue(keys::kErrorText), "<br>", "\r\n"),
                      text::Format(starter_texts::kAuthorCodeLineFormat, errorCode,
                                   static_cast<uint32_t>(errorCode), errorText.c_str()));
}

void StarterApp::OpenSeveralFiles() {
  const int32_t count = SeveralFilesCount(config_.Number(keys::kMultiSourceFileCount, 0));
  if (config_.Flag(keys::kOpenAllFiles)) {
    bool wait = config_.Flag(keys::kWaitForPrevious);
    // Entries past the last one written are no spacers but a count larger
    // than the list; each would open another window on the CD root.
    std::vector<std::string> targets;
    for (int32_t n = 1; n <= count; ++n) {
      targets.push_back(ReadConfigValue(keys::MultiSourceFile(n)));
    }
    while (!targets.empty() && targets.back().empty() &&
           !config_.HasKey(keys::MultiSourceFile(static_cast<int>(targets.size())))) {
      targets.pop_back();
    }
    const int32_t last = static_cast<int32_t>(targets.size());
    for (int32_t n = 1; n <= last; ++n) {
      std::string programs = ReadConfigValue(keys::MultiSourceForceOpen(n));
      OpenFile(targets[n - 1], programs, n == last, wait, true);
    }
    return;
  }

  SelectionSettings settings;
  for (int32_t n = 1; n <= count; ++n) {
    settings.targets.push_back(ReadConfigValue(keys::MultiSourceFile(n)));
    settings.names.push_back(ReadConfigValue(keys::MultiSourceFileName(n)));
    settings.programLists.push_back(ReadConfigValue(keys::MultiSourceForceOpen(n)));
  }
  settings.reselect = config_.Flag(keys::kMultiSelectAllowReselect);
  settings.title = ReadConfigValue(keys::kMultiSelectTitle);
  settings.help = ReadConfigValue(keys::kMultiSelectHelp);
  ReadDialogPicture(config_, keys::kMultiSelectUseImage, keys::kMultiSelectImage,
                    keys::kMultiSelectImageLocation, settings);
  ui_.RunSelection(settings,
                   [this, &settings](int index) { return OpenSelected(settings, index); });
}

bool StarterApp::OpenSelected(const SelectionSettings& settings, int index) {
  if (index < 0 || static_cast<size_t>(index) >= settings.targets.size()) {
    ui_.ShowMessage(starter_texts::kNothingSelected);
    return false;
  }
  const std::string& target = settings.targets[index];
  if (!target.empty()) {
    std::string programs = static_cast<size_t>(index) < settings.programLists.size()
                               ? settings.programLists[index]
                               : std::string();
    if (!settings.reselect) ui_.DisableSelection();
    OpenFile(target, programs, false, false, true);
  }
  // Without reselection the window closes after this pick, and the waits end with it.
  if (!settings.reselect) SignalClose();
  return true;
}
