#include "starter/win32/licence_dialog.h"

#include "resource.h"
#include "starter/licence_text.h"

LicenceDialog::LicenceDialog(const LicenceDialogInputs& inputs)
    : Dialog(IDD_LICENCE), inputs_(inputs) {}

std::vector<win32::TextBinding> LicenceDialog::TextBindings() {
  return {{IDE_LICENCE_TEXT, &text_}};
}

std::vector<win32::ControlBinding> LicenceDialog::ControlBindings() {
  return {{IDE_LICENCE_TEXT, &textBox_}};
}

bool LicenceDialog::OnInit() {
  boldFont_.MakeBold(hwnd(), IDT_LICENCE_HEADING);
  text_ = licence_text::ReadLicenceText(inputs_.fileName);
  return true;  // the default button ("&No") gets the focus
}

INT_PTR RunLicenceDialog(HWND parent, const LicenceDialogInputs& inputs) {
  LicenceDialog dialog(inputs);
  return dialog.RunModal(parent);
}
