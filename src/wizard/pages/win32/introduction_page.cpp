#include "wizard/pages/win32/introduction_page.h"

#include "common/win32/app_message.h"
#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/main_window.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"

IntroductionPage::IntroductionPage() : WizardPage(IDD_INTRODUCTION) {}

std::vector<win32::ControlBinding> IntroductionPage::ControlBindings() {
  return {{IDT_INTRO_NEW_LINK, &newLink_},
          {IDT_INTRO_EVERY_MACHINE_LINK, &everyMachineLink_},
          {IDT_INTRO_RISKS_LINK, &risksLink_},
          {IDT_INTRO_WHICH_APP_LINK, &whichAppLink_}};
}

bool IntroductionPage::OnInit() {
  newLink_.SetTopic(help_topics::kNewToAutorun);
  everyMachineLink_.SetTopic(help_topics::kOpenOnEveryMachine);
  risksLink_.SetTopic(help_topics::kRisks);
  whichAppLink_.SetTopic(help_topics::kHowFilesAreOpened);
  return true;
}

void IntroductionPage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  if (!main_window::PrepareIntroduction(settings)) {
    win32::ShowAppMessage(hwnd(), wizard_texts::kRegistryNotWritable);
    return;
  }
  headingFont_.MakeBold(hwnd(), IDT_INTRO_IMPORTANT);
  headingFont_.MakeBold(hwnd(), IDT_INTRO_TODO);
}
