#include "wizard/pages/win32/advice_dialog.h"

#include "common/product.h"
#include "resource.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

AdviceDialog::AdviceDialog(file_page::Advice advice)
    : WizardDialog(IDD_ADVICE), advice_(std::move(advice)) {}

win32::DispatchTable AdviceDialog::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_ADVICE_VIEWER, &AdviceDialog::ConfigureViewer),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::ControlBinding> AdviceDialog::ControlBindings() {
  return {{IDT_ADVICE_EMAIL, &emailLink_}};
}

bool AdviceDialog::OnInit() {
  SetItemText(IDT_ADVICE_TITLE, advice_.title);
  SetItemText(IDE_ADVICE_TEXT, advice_.text);
  titleFont_.MakeBold(hwnd(), IDT_ADVICE_TITLE);
  ShowItem(IDB_ADVICE_VIEWER, advice_.configureViewer);
  emailLink_.SetTarget(product::kSupportEmail);
  ::SetFocus(Item(IDOK));
  return false;
}

void AdviceDialog::Close(int result) {
  WizardSettings settings(WizardApp::Current().Registry());
  file_page::CloseAdvice(settings, advice_, ::IsDlgButtonChecked(hwnd(), IDX_ADVICE_HIDE) != 0);
  End(result);
}

void AdviceDialog::ConfigureViewer() {
  if (configureViewer_) configureViewer_(hwnd());
}
