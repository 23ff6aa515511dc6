// What the Discwright scenarios share: the kit "installed" in the prefix's
// registry, the wizard's values cleared around every scenario, help pages
// that open the recorder, and finders for the wizard's windows (its message
// boxes share the main window's title, so they are told apart by content).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cd_folder.h"
#include "driver.h"

namespace e2e {

inline constexpr const char* kWizardKey = "SOFTWARE\\QUAV\\ZoruzazAZ";
inline constexpr const char* kWizardTitle = "ZoruZaz AZ";
inline constexpr const char* kFrameCaption = "QUAV ZoruZaz AZ";
// What a read of a value that does not exist gives.
inline constexpr const char* kNoValue = "(missing)";

// Where the kit's installer (run by the test fixture "kit", tools/install-kit)
// puts the programs and the help pages.
inline constexpr const char* kInstalledKit = "C:\\Program Files\\QUAV\\ZoruZaz AZ";
inline std::string KitFolder() { return kInstalledKit; }
inline std::string DiscwrightExe() { return KitFolder() + "\\Discwright.exe"; }
inline std::string HelpFolder() { return KitFolder() + "\\help"; }

// The wizard's values below HKLM.
std::string WizardValue(const std::string& name);
bool SetWizardValue(const std::string& name, const std::string& value);
void DeleteWizardValue(const std::string& name);

// Records what the installer records: where the kit and its help pages are.
bool InstallKit();
// The page of a help topic in the help folder that the kit recorded.
inline std::string HelpPage(const std::string& topic) {
  return WizardValue("HelpFolder") + "\\" + topic + ".html";
}

// Points the prefix's ".html" type at the recorder while it lives, and gives
// the prefix's own type back afterwards.
class HtmlOpensRecorder {
 public:
  explicit HtmlOpensRecorder(const std::string& recorderExe);
  HtmlOpensRecorder(const HtmlOpensRecorder&) = delete;
  HtmlOpensRecorder& operator=(const HtmlOpensRecorder&) = delete;
  ~HtmlOpensRecorder();
  bool ok() const { return ok_; }

 private:
  bool hadType_ = false;
  std::string previousType_;
  bool ok_ = false;
};

// ---- The wizard's windows ----

// The main window: its title starts with "ZoruZaz AZ" and it holds "&Close".
HWND FindMainWindow(DWORD pid);
HWND WaitForMainWindow(const Process& process, Ms timeout = kDefaultTimeout);
// A message box titled "ZoruZaz AZ".
std::optional<MessageBoxSeen> WaitForWizardMessage(const Process& process,
                                                   Ms timeout = kDefaultTimeout);
// A wizard frame whose title line reads `titleLine`.
HWND WaitForFrame(const Process& process, const std::string& titleLine,
                  Ms timeout = kDefaultTimeout);
// The visible page dialog inside `frame` that holds control `id`.
HWND PageHolding(HWND frame, int id);
// Types `path` into the file dialog's name box and presses its "Open".
bool ChooseFile(HWND fileDialog, const std::string& path);
// True when no window for which `found` is non-null turns up within `wait`.
bool StaysAway(const std::function<HWND()>& found, Ms wait);

// What the wizard's own writer makes of the values in the registry now.
std::string ExpectedAutorun();
// An option frame (one page, OK and Cancel) whose title line reads `title`.
HWND WaitForOptionFrame(const Process& process, const std::string& title,
                        Ms timeout = kDefaultTimeout);
// Waits for the wizard's message box, checks its text and its buttons (OK,
// or Yes and No) and answers it with `button`.
void AnswerWizard(const Process& discwright, const std::string& text, int button);

class WizardScenario : public testing::Test {
 public:
  static void SetUpTestSuite();
  static void TearDownTestSuite();

 protected:
  void SetUp() override;
  void TearDown() override { ClearWizardValues(); }

  // The values the scenarios read or set, removed before and after each.
  static void ClearWizardValues();

  std::string LogPath() const { return cd_.PathOf("recorder.log"); }
  std::optional<Process> StartDiscwright() const;
  // The help pages opened so far, after waiting for `count` of them.
  std::vector<std::string> WaitForHelpPages(size_t count) const;

  CdFolder cd_{"wizard"};

 private:
  static inline std::unique_ptr<HtmlOpensRecorder> html_;
};

}  // namespace e2e
