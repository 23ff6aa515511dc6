#include "wizard/win32/wizard_app.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include "common/win32/app_message.h"
#include "common/win32/ui_setup.h"
#include "wizard/help_topics.h"
#include "wizard/main_window.h"
#include "wizard/win32/main_dialog.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace {
WizardApp* current = nullptr;
}

WizardApp::WizardApp() { current = this; }

WizardApp::~WizardApp() { current = nullptr; }

WizardApp& WizardApp::Current() { return *current; }

int WizardApp::Run() {
  // Before anything reads or writes the settings the running copy edits.
  if (!runningCopy_.Claim()) return 0;
  win32::EnsureUiReady();
  win32::SetAppMessageStyle(wizard_texts::kTitle, MB_ICONEXCLAMATION);
  {
    WizardSettings settings(registry_);
    helpFolder_ = settings.Text(wizard_settings::kHelpFolder);
    if (!main_window::KitInstalled(settings)) {
      win32::ShowAppMessage(nullptr, wizard_texts::kNotInstalled);
      return 1;
    }
  }
  MainDialog main(*this);
  main.RunModal(nullptr);
  return 0;
}

void WizardApp::ShowHelpTopic(const std::string& topic, HWND owner) {
  if (topic.empty()) {
    win32::ShowAppMessage(owner, help_topics::kNoPageYet);
    return;
  }
  const std::string path = help_topics::PagePath(helpFolder_, topic);
  const INT_PTR result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", path.c_str(), nullptr, "", SW_RESTORE));
  if (result < 32) {
    win32::ShowAppMessage(owner,
                          help_topics::PageNotFoundMessage(path, static_cast<int32_t>(result)));
  }
}
