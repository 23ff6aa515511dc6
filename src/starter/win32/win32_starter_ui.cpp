#include "starter/win32/win32_starter_ui.h"

#include <windows.h>

#include "common/win32/app_message.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "starter/background_settings.h"
#include "starter/win32/background_window.h"
#include "starter/win32/error_dialogs.h"
#include "starter/win32/licence_dialog.h"
#include "starter/win32/selection_dialog.h"
#include "starter/win32/splash_window.h"
#include "starter/win32/welcome_dialog.h"

namespace {
// The event every copy of the starter shares: set when a window is dismissed
// and at the normal end, it ends the waits for opened programs.
constexpr const char* kCloseEventName = "CloseWindow";
}  // namespace

Win32StarterUi::Win32StarterUi(const AutorunConfig& config) : config_(config) {}

Win32StarterUi::~Win32StarterUi() = default;

void Win32StarterUi::ShowMessage(const std::string& text) {
  win32::ShowAppMessage(nullptr, text, MB_OK);
}

StarterUi::Answer Win32StarterUi::AskYesNo(const std::string& text, Answer defaultButton) {
  UINT buttons = MB_YESNO | (defaultButton == Answer::kNo ? MB_DEFBUTTON2 : MB_DEFBUTTON1);
  return win32::ShowAppMessage(nullptr, text, buttons) == IDNO ? Answer::kNo : Answer::kYes;
}

bool Win32StarterUi::RunWelcome(const WelcomeSettings& settings) {
  return RunWelcomeDialog(nullptr, settings) == IDOK;
}

bool Win32StarterUi::RunLicence(const std::string& agreementFile) {
  return RunLicenceDialog(nullptr, LicenceDialogInputs{agreementFile}) == IDOK;
}

void Win32StarterUi::ShowError(const std::string& message, const std::string& fileLine,
                               const std::string& codeLine) {
  ShowErrorDialog(nullptr, ErrorDialogTexts{message, fileLine, codeLine});
}

void Win32StarterUi::ShowAuthorError(const std::string& url, const std::string& linkText,
                                     const std::string& errorText, const std::string& codeLine) {
  ShowCustomErrorDialog(nullptr, CustomErrorDialogTexts{url, linkText, errorText, codeLine});
}

bool Win32StarterUi::CreateSplash(const std::string& fileName) {
  if (!config_.Flag(keys::kShowSplashScreen)) return false;
  // The event may be made after the splash, so the window asks for it when hiding.
  splash_ = std::make_unique<SplashWindow>(config_, fileName, [this] { return closeEvent_.get(); });
  // A splash that cannot be shown still counts: the CD goes on without it.
  splash_->ShowModeless(true);
  return true;
}

void Win32StarterUi::UpdateSplash(const std::string& fileName, bool showAgain) {
  if (splash_) splash_->UpdateSplash(fileName, showAgain);
}

bool Win32StarterUi::SplashExists() const { return splash_ != nullptr; }

int Win32StarterUi::SplashShowForSeconds() const { return splash_ ? splash_->ShowForSeconds() : 0; }

void Win32StarterUi::RaiseSplash() {
  if (splash_ && splash_->hwnd()) SetForegroundWindow(splash_->hwnd());
}

void Win32StarterUi::HideSplash() {
  if (splash_ && splash_->hwnd()) ShowWindow(splash_->hwnd(), SW_HIDE);
}

void Win32StarterUi::CloseSplash() {
  if (splash_) splash_->CloseSplash();
  splash_.reset();
}

void Win32StarterUi::SetSplashSignalOnHide(bool on) {
  if (splash_) splash_->SetSignalOnHide(on);
}

bool Win32StarterUi::CreateBackground() {
  if (!background_) {
    // The close event may be made after the window: it is looked up when the user hides it.
    auto window = std::make_unique<BackgroundWindow>(background::ReadSettings(config_),
                                                     [this] { return closeEvent_.get(); });
    if (window->Create()) background_ = std::move(window);
  }
  return background_ != nullptr;
}

bool Win32StarterUi::BackgroundExists() const { return background_ != nullptr; }

void Win32StarterUi::SetBackgroundSignalOnHide(bool on) {
  if (background_) background_->SetSignalOnHide(on);
}

void Win32StarterUi::CloseBackground() {
  if (background_) background_->Close();
  background_.reset();
}

void Win32StarterUi::CreateCloseEvent() {
  if (!closeEvent_) closeEvent_.reset(CreateEventA(nullptr, TRUE, FALSE, kCloseEventName));
}

void Win32StarterUi::ResetCloseEvent() {
  if (closeEvent_) ResetEvent(closeEvent_.get());
}

void Win32StarterUi::SetCloseEvent() {
  if (closeEvent_) SetEvent(closeEvent_.get());
}

void Win32StarterUi::ReleaseCloseEvent() { closeEvent_.reset(); }

void Win32StarterUi::RunSelection(const SelectionSettings& settings,
                                  const OpenSelectedFn& openSelected) {
  selection_ = std::make_unique<SelectionDialog>(settings, openSelected);
  selection_->RunModal(nullptr);
  selection_.reset();
}

void Win32StarterUi::DisableSelection() {
  if (selection_) selection_->DisableChoice();
}
