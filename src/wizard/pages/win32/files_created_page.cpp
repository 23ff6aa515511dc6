#include "wizard/pages/win32/files_created_page.h"

#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/win32/cd_image_window.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

FilesCreatedPage::FilesCreatedPage() : WizardPage(IDD_FILES_CREATED) {}

win32::DispatchTable FilesCreatedPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_CREATED_TEST, &FilesCreatedPage::TestPressed),
      win32::OnCommand(IDB_CREATED_IMAGE, &FilesCreatedPage::CreateImage),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::ControlBinding> FilesCreatedPage::ControlBindings() {
  return {{IDT_CREATED_WHY_LINK, &whyLink_},
          {IDT_CREATED_HOW_LINK, &howLink_},
          {IDT_CREATED_INSTRUCTIONS_LINK, &instructionsLink_},
          {IDT_CREATED_FILES_LINK, &filesLink_}};
}

void FilesCreatedPage::OnSetActive() {
  headingFont_.MakeBold(hwnd(), IDT_CREATED_IMPORTANT);
  headingFont_.MakeBold(hwnd(), IDT_CREATED_TODO);
  whyLink_.SetTopic(help_topics::kTesting);
  howLink_.SetTopic(help_topics::kTestingHowTo);
  instructionsLink_.SetTopic(help_topics::kRisksInstructions);
  filesLink_.SetAction([this] {
    if (main() != nullptr) main()->ShowFilesToCopy(hwnd());
  });
}

void FilesCreatedPage::TestPressed() {
  CopyFromControls();
  if (main() != nullptr) main()->TestConfiguration(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  settings.SetFlag(wizard_settings::kTestedConfig, true);
}

// Of the CD files just created: LastINFFile names them.
void FilesCreatedPage::CreateImage() {
  std::string configPath;
  {
    WizardSettings settings(WizardApp::Current().Registry());
    configPath = settings.Text(wizard_settings::kLastINFFile);
  }
  cd_image_window::CreateCdImage(hwnd(), configPath);
}
