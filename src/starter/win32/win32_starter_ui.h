// What the CD user sees of the starter, on Win32: message boxes, the gates,
// the error dialogs, the "CloseWindow" event, and the starter's windows.
#pragma once

#include <memory>

#include "common/win32/handles.h"
#include "common/win32/win32_opener_ui.h"
#include "starter/starter_ui.h"

class AutorunConfig;
class BackgroundWindow;
class SelectionDialog;
class SplashWindow;

class Win32StarterUi : public StarterUi {
 public:
  explicit Win32StarterUi(const AutorunConfig& config);
  ~Win32StarterUi() override;

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
  bool SplashExists() const override;
  int SplashShowForSeconds() const override;
  void RaiseSplash() override;
  void HideSplash() override;
  void CloseSplash() override;
  void SetSplashSignalOnHide(bool on) override;

  bool CreateBackground() override;
  bool BackgroundExists() const override;
  void SetBackgroundSignalOnHide(bool on) override;
  void CloseBackground() override;

  void CreateCloseEvent() override;
  void ResetCloseEvent() override;
  void SetCloseEvent() override;
  void ReleaseCloseEvent() override;
  OsHandle CloseEventHandle() const override { return closeEvent_.get(); }

  void RunSelection(const SelectionSettings& settings, const OpenSelectedFn& openSelected) override;
  void DisableSelection() override;

  bool PumpMessages() override { return openerUi_.PumpMessages(); }
  void SetWaitCursor(bool on) override { openerUi_.SetWaitCursor(on); }

 private:
  const AutorunConfig& config_;
  Win32OpenerUi openerUi_;
  win32::KernelHandle closeEvent_;
  std::unique_ptr<BackgroundWindow> background_;
  std::unique_ptr<SelectionDialog> selection_;  // while the selection list runs
  std::unique_ptr<SplashWindow> splash_;
};
