#include "wizard/pages/win32/welcome_page.h"

#include "common/win32/win32_file_system.h"
#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/main_window.h"

WelcomePage::WelcomePage(std::string lastInfFile)
    : WizardPage(IDD_WELCOME_PAGE), lastInfFile_(std::move(lastInfFile)) {}

std::vector<win32::ControlBinding> WelcomePage::ControlBindings() {
  return {{IDT_WELCOME_NEW_LINK, &newLink_},
          {IDT_WELCOME_RISKS_LINK, &risksLink_},
          {IDT_WELCOME_HOME_LINK, &homeLink_}};
}

bool WelcomePage::OnInit() {
  headingFont_.MakeBold(hwnd(), IDT_WELCOME_HELP_HEADING);
  headingFont_.MakeBold(hwnd(), IDT_WELCOME_DO_HEADING);
  newLink_.SetTopic(help_topics::kNewToAutorun);
  risksLink_.SetTopic(help_topics::kRisks);
  homeLink_.SetTopic(help_topics::kHome);
  Win32FileSystem fs;
  const main_window::WelcomeChoice welcome = main_window::WelcomeChoiceFor(lastInfFile_, fs);
  if (welcome.openEnabled) SetItemText(IDR_WELCOME_OPEN, welcome.openText);
  ::EnableWindow(Item(IDR_WELCOME_OPEN), welcome.openEnabled);
  choice_ = welcome.chooseOpen ? Choice::kOpen : Choice::kCreate;
  ::CheckRadioButton(hwnd(), IDR_WELCOME_CREATE, IDR_WELCOME_OPEN,
                     welcome.chooseOpen ? IDR_WELCOME_OPEN : IDR_WELCOME_CREATE);
  ::CheckDlgButton(hwnd(), IDX_WELCOME_SHOW, BST_CHECKED);
  return true;
}

void WelcomePage::Save() {
  choice_ = ::IsDlgButtonChecked(hwnd(), IDR_WELCOME_OPEN) == BST_CHECKED ? Choice::kOpen
                                                                          : Choice::kCreate;
  showOnStartup_ = ::IsDlgButtonChecked(hwnd(), IDX_WELCOME_SHOW) == BST_CHECKED;
}

bool WelcomePage::OnWizardFinish() {
  Save();
  return true;
}

bool WelcomePage::OnQueryCancel() {
  Save();
  return true;
}
