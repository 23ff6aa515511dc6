#include "wizard/win32/test_result_dialog.h"

#include "common/product.h"
#include "resource.h"
#include "wizard/win32/multiline_text.h"

TestResultDialog::TestResultDialog(std::string errorText, MainCommands* main)
    : WizardDialog(IDD_TEST_RESULT), errorText_(std::move(errorText)), main_(main) {}

win32::DispatchTable TestResultDialog::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_RESULT_SHOW_FILES, &TestResultDialog::ShowFiles),
      win32::OnCommand(IDB_RESULT_CLOSE, &TestResultDialog::Close),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::ControlBinding> TestResultDialog::ControlBindings() {
  return {{IDT_RESULT_SUPPORT_LINK, &supportLink_}};
}

bool TestResultDialog::OnInit() {
  headlineFont_.MakeBold(hwnd(), IDT_RESULT_HEADLINE);
  supportLink_.SetTarget(product::kSupportEmail);
  SetItemText(IDE_RESULT_TEXT, ForMultilineEdit(errorText_));
  ::EnableWindow(Item(IDB_RESULT_SHOW_FILES), errorText_.empty() && main_ != nullptr);
  SetDefaultButton(IDB_RESULT_CLOSE);
  ::SetFocus(Item(IDB_RESULT_CLOSE));
  return false;
}

void TestResultDialog::ShowFiles() {
  if (main_ != nullptr) main_->ShowFilesToCopy(hwnd());
}
