#include "starter/win32/win32_starter_ui.h"

#include <windows.h>

#include "common/win32/app_message.h"
#include "common/win32/message_pump.h"
#include "common/win32/ui_setup.h"
#include "starter/win32/error_dialogs.h"
#include "starter/win32/licence_dialog.h"

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

bool Win32StarterUi::RunWelcome(const WelcomeSettings&) {
  win32::EnsureUiReady();
  // The welcome window is not part of this build yet: the CD goes on as if
  // the user had confirmed it.
  return true;
}

bool Win32StarterUi::RunLicence(const std::string& agreementFile) {
  win32::EnsureUiReady();
  return RunLicenceDialog(nullptr, LicenceDialogInputs{agreementFile}) == IDOK;
}

void Win32StarterUi::ShowError(const std::string& message, const std::string& fileLine,
                               const std::string& codeLine) {
  win32::EnsureUiReady();
  ShowErrorDialog(nullptr, ErrorDialogTexts{message, fileLine, codeLine});
}

void Win32StarterUi::ShowAuthorError(const std::string& url, const std::string& linkText,
                                     const std::string& errorText, const std::string& codeLine) {
  win32::EnsureUiReady();
  ShowCustomErrorDialog(nullptr, CustomErrorDialogTexts{url, linkText, errorText, codeLine});
}

bool Win32StarterUi::CreateSplash(const std::string&) {
  win32::EnsureUiReady();
  return false;
}
void Win32StarterUi::UpdateSplash(const std::string&, bool) {}
bool Win32StarterUi::SplashExists() const { return false; }
int Win32StarterUi::SplashShowForSeconds() const { return 0; }
void Win32StarterUi::RaiseSplash() {}
void Win32StarterUi::HideSplash() {}
void Win32StarterUi::CloseSplash() {}
void Win32StarterUi::SetSplashSignalOnHide(bool) {}

bool Win32StarterUi::CreateBackground() {
  win32::EnsureUiReady();
  return false;
}
bool Win32StarterUi::BackgroundExists() const { return false; }
void Win32StarterUi::SetBackgroundSignalOnHide(bool) {}
void Win32StarterUi::CloseBackground() {}

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

void Win32StarterUi::RunSelection(const SelectionSettings&, const OpenSelectedFn&) {
  win32::EnsureUiReady();
}
void Win32StarterUi::DisableSelection() {}

bool Win32StarterUi::PumpMessages() { return win32::PumpWaitingMessages(); }
