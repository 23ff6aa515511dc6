// The wizard's questions and messages as message boxes over a window.
#pragma once

#include <windows.h>

#include "wizard/wizard_questions.h"

class Win32WizardQuestions : public WizardQuestions {
 public:
  explicit Win32WizardQuestions(HWND owner) : owner_(owner) {}
  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text) override;

 private:
  HWND owner_;
};
