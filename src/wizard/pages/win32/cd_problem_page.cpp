#include "wizard/pages/win32/cd_problem_page.h"

#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/win32/multiline_text.h"

CdProblemPage::CdProblemPage(std::string text)
    : WizardPage(IDD_CD_PROBLEM), text_(std::move(text)) {}

std::vector<win32::ControlBinding> CdProblemPage::ControlBindings() {
  return {{IDT_PROBLEM_HELP_LINK, &helpLink_}};
}

bool CdProblemPage::OnInit() {
  helpLink_.SetTopic(help_topics::kCreatingCdFiles);
  SetItemText(IDE_PROBLEM_TEXT, ForMultilineEdit(text_));
  // Focusing an edit selects all of it; a text to read should not start highlighted.
  ::PostMessageA(Item(IDE_PROBLEM_TEXT), EM_SETSEL, 0, 0);
  return true;
}
