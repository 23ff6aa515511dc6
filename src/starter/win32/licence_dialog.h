// The licence agreement gate: shows the CD author's agreement file and asks
// the user to accept it.
#pragma once

#include <string>

#include "common/win32/bold_font.h"
#include "common/win32/copy_edit.h"
#include "common/win32/dialog.h"

struct LicenceDialogInputs {
  // As configured: a relative name is relative to the current directory.
  std::string fileName;
};

class LicenceDialog : public win32::Dialog {
 public:
  explicit LicenceDialog(const LicenceDialogInputs& inputs);
  const std::string& text() const { return text_; }

 protected:
  std::vector<win32::TextBinding> TextBindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  LicenceDialogInputs inputs_;
  std::string text_;
  win32::BoldFont boldFont_;
  win32::CopyEdit textBox_;
};

// IDOK when the user accepts ("&Yes"); IDCANCEL for "&No", Enter, Esc or
// the close box.
INT_PTR RunLicenceDialog(HWND parent, const LicenceDialogInputs& inputs);
