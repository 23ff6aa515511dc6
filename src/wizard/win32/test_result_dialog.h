// "Testing your configuration": why the test run could not start the
// starter, with a link to write to support.
#pragma once

#include <string>

#include "common/win32/bold_font.h"
#include "common/win32/hyperlink_static.h"
#include "wizard/win32/main_commands.h"
#include "wizard/win32/wizard_dialog.h"

class TestResultDialog : public WizardDialog {
 public:
  // `main` opens the files-to-copy report; with an error the button to it is off.
  TestResultDialog(std::string errorText, MainCommands* main);

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  void ShowFiles();
  void Close() { End(IDOK); }

  std::string errorText_;
  MainCommands* main_;
  win32::BoldFont headlineFont_;
  win32::HyperlinkStatic supportLink_;
};
