// Records what the CD user would see, in order, as readable lines, and
// answers the questions and gates from a script.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "starter/starter_ui.h"

class FakeStarterUi : public StarterUi {
 public:
  // Shared with other fakes so that openings interleave with what was shown.
  std::vector<std::string>* journal = &ownJournal;
  std::vector<std::string> ownJournal;

  std::deque<Answer> answers;  // for AskYesNo; the default button when empty
  bool welcomeAccepted = true;
  bool licenceAccepted = true;
  int splashShowFor = 0;
  bool createsSplash = true;
  // CreateCloseEvent fails (no event handle), as CreateEventA can.
  bool eventCreationFails = false;
  std::deque<int> picks;  // selection indexes, tried in order
  WelcomeSettings lastWelcome;
  SelectionSettings lastSelection;

  // Entries that are not about windows the user sees (event handling).
  std::vector<std::string> Seen() const;

  void ShowMessage(const std::string& text) override;
  Answer AskYesNo(const std::string& text, Answer defaultButton) override;
  bool RunWelcome(const WelcomeSettings& settings) override;
  bool RunLicence(const std::string& agreementFile) override;
  void ShowError(const std::string& message, const std::string& fileLine,
                 const std::string& codeLine) override;
  void ShowAuthorError(const std::string& url, const std::string& linkText,
                       const std::string& errorText, const std::string& codeLine) override;
  bool CreateSplash(const std::string& fileName) override;
  void UpdateSplash(const std::string& fileName, bool showAgain) override;
  bool SplashExists() const override { return splash_; }
  int SplashShowForSeconds() const override { return splashShowFor; }
  void RaiseSplash() override {}
  void HideSplash() override;
  void CloseSplash() override;
  void SetSplashSignalOnHide(bool on) override;
  bool CreateBackground() override;
  bool BackgroundExists() const override { return background_; }
  void SetBackgroundSignalOnHide(bool on) override;
  void CloseBackground() override;
  void CreateCloseEvent() override;
  void ResetCloseEvent() override;
  void SetCloseEvent() override;
  void ReleaseCloseEvent() override;
  OsHandle CloseEventHandle() const override;
  void RunSelection(const SelectionSettings& settings, const OpenSelectedFn& openSelected) override;
  void DisableSelection() override;
  bool PumpMessages() override { return false; }
  void SetWaitCursor(bool on) override;

  bool eventCreated = false;
  bool eventSet = false;

 private:
  void Log(const std::string& line) { journal->push_back(line); }
  bool splash_ = false;
  bool background_ = false;
  int eventToken_ = 0;
};
