// Vendisc's application object: the one start-up routine that guards against
// a second copy, shows the optional screens in their fixed order, runs viewer
// installers, opens the configured file or files and reports a failure.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "config/autorun_config.h"
#include "starter/starter_ui.h"

class FileSystem;
class RegistryBackend;
class RegistryStore;
class ShellPort;

class StarterApp {
 public:
  StarterApp(FileSystem& fs, ShellPort& shell, RegistryBackend& registry, StarterUi& ui);
  ~StarterApp();
  StarterApp(const StarterApp&) = delete;
  StarterApp& operator=(const StarterApp&) = delete;

  // The whole run: the start-up sequence, then the exit step. `commandLine` is
  // the full command line, program name first.
  void Run(std::string_view commandLine);

  std::string ReadConfigValue(std::string_view key) const { return config_.ReadConfigValue(key); }
  bool ShowSplash(const std::string& fileName);
  // Creates the overlay when configured; the result says whether to wait for
  // the opened program (`wait`, or true when the overlay stays until then).
  bool CreateBackground(bool wait);
  void CloseSplash();
  void SignalClose();
  // False when the user refused the licence agreement. `fileToOpen` is
  // empty for a CD with several files.
  bool LicenceGate(const std::string& fileToOpen);

  struct InstallerOutcome {
    bool ran = false;      // at least one installer was tried and nothing aborted
    bool aborted = false;  // one failed and the user chose not to go on
  };
  InstallerOutcome RunInstallers();

  // Opens one target (relative to the CD root, or a URL) with everything that
  // goes with it: splash, background, program list, installers, error dialog.
  void OpenFile(const std::string& target, const std::string& programs, bool linger, bool wait,
                bool several);
  void OpenSeveralFiles();
  // The selection list's open command for entry `index` (-1: none selected).
  bool OpenSelected(const SelectionSettings& settings, int index);
  bool PumpMessages();

  int32_t AutorunTimeout() const { return autorunTimeout_; }

 private:
  void StartUp(std::string_view commandLine);
  void Exit();
  bool CreateSplash(const std::string& fileName);
  void EnsureCloseEvent();
  void WriteIsRunning(bool running);
  RegistryStore& MachineStore();
  WelcomeSettings ReadWelcomeSettings() const;
  std::string JoinToCurrentDirectory(const std::string& target) const;
  void ShowOpenError(const std::string& target, const std::string& programList,
                     const std::string& errorText, int32_t errorCode);

  FileSystem& fs_;
  ShellPort& shell_;
  RegistryBackend& registry_;
  StarterUi& ui_;
  AutorunConfig config_;
  int32_t autorunTimeout_ = 0;
  bool exited_ = false;
  std::unique_ptr<RegistryStore> machineStore_;  // holds IsRunning
  bool machineStoreWanted_ = false;              // set once the sequence reaches it
};

// The most entries of a several-files CD the starter takes. The count is the
// CD's word and may say anything; every entry costs three key reads, and in
// "open all" mode an opening, so an unbounded count would keep the starter
// busy for hours. A CD's own list is far shorter than this.
inline constexpr int32_t kMaxSeveralFiles = 1000;

// MultiSourceFileCount as the starter uses it: negative is none, and at most
// kMaxSeveralFiles.
int32_t SeveralFilesCount(int32_t configured);

// Splits a program list at every ",", trimming each part; a part before a
// comma stays even when empty, an empty last part is dropped.
std::vector<std::string> SplitProgramList(std::string_view list);
