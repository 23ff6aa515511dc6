#include "wizard/pages/win32/option_dialogs.h"

#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/pages/cd_icon_rules.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/win32/behaviour_pages.h"
#include "wizard/pages/win32/cd_icon_page.h"
#include "wizard/pages/win32/display_dialogs.h"
#include "wizard/pages/win32/installers_page.h"
#include "wizard/pages/win32/license_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {
namespace tx = options_texts;
namespace ht = help_topics;

INT_PTR RunInFrame(HWND owner, MainCommands* main, WizardPage& page, const char* title,
                   const char* topic) {
  OptionFrame frame(topic);
  frame.SetPage(page, title);
  frame.SetMain(main);
  return frame.Run(owner);
}
}  // namespace

void RunLicenseDialog(HWND owner, MainCommands* main) {
  LicensePage page;
  RunInFrame(owner, main, page, tx::kLicenseTitle, ht::kLicenseAgreement);
}

void RunErrorMessageDialog(HWND owner, MainCommands* main) {
  ErrorMessagePage page;
  RunInFrame(owner, main, page, tx::kErrorMessageTitle, ht::kErrorMessage);
}

void RunForceOpenDialog(HWND owner, MainCommands* main) {
  ForceOpenPage page;
  RunInFrame(owner, main, page, tx::kForceOpenTitle, ht::kForceOpenWith);
}

void RunInstallersDialog(HWND owner, MainCommands* main) {
  InstallersPage page;
  RunInFrame(owner, main, page, tx::kInstallersTitle, ht::kAutorunInstallers);
}

void RunStarterNameDialog(HWND owner, MainCommands* main) {
  StarterNamePage page;
  RunInFrame(owner, main, page, tx::kStarterNameTitle, ht::kStarterName);
}

std::string RunCdIconDialog(HWND owner) {
  CdIconPage page;
  const bool ok = RunInFrame(owner, nullptr, page, tx::kCdIconTitle, ht::kCdIcon) == IDOK;
  return cd_icon_page::IconAfterDialog(ok, page.iconName(),
                                       WizardSettings(WizardApp::Current().Registry()));
}

OptionDialogFunction DialogFor(options_page::OptionDialog dialog) {
  using options_page::OptionDialog;
  switch (dialog) {
    case OptionDialog::kLicense:
      return RunLicenseDialog;
    case OptionDialog::kInstallers:
      return RunInstallersDialog;
    case OptionDialog::kForceOpen:
      return RunForceOpenDialog;
    case OptionDialog::kErrorMessage:
      return RunErrorMessageDialog;
    case OptionDialog::kStarterName:
      return RunStarterNameDialog;
    // The display dialogs also tell whether OK was pressed, which the table does not need.
    case OptionDialog::kSplash:
      return [](HWND owner, MainCommands* main) { RunSplashDialog(owner, main); };
    case OptionDialog::kWelcome:
      return [](HWND owner, MainCommands* main) { RunWelcomeDialog(owner, main); };
    case OptionDialog::kBackground:
      return [](HWND owner, MainCommands* main) { RunBackgroundDialog(owner, main); };
  }
  return nullptr;
}
