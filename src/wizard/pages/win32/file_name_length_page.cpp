#include "wizard/pages/win32/file_name_length_page.h"

#include "resource.h"
#include "wizard/help_topics.h"

FileNameLengthPage::FileNameLengthPage() : WizardPage(IDD_FILE_NAME_LENGTH) {}

std::vector<win32::ControlBinding> FileNameLengthPage::ControlBindings() {
  return {{IDT_LENGTH_HELP_LINK, &helpLink_}};
}

bool FileNameLengthPage::OnInit() {
  helpLink_.SetTopic(help_topics::kFileNameLength);
  return true;
}

bool FileNameLengthPage::OnKillActive() {
  dontWarnAgain_ = ::IsDlgButtonChecked(hwnd(), IDX_LENGTH_DONT_WARN) == BST_CHECKED;
  return true;
}
