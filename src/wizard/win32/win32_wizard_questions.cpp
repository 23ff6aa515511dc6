#include "wizard/win32/win32_wizard_questions.h"

#include "wizard/wizard_texts.h"

bool Win32WizardQuestions::AskYesNo(const std::string& text) {
  return ::MessageBoxA(owner_, text.c_str(), wizard_texts::kTitle, MB_YESNO | MB_ICONQUESTION) ==
         IDYES;
}

void Win32WizardQuestions::ShowMessage(const std::string& text) {
  ::MessageBoxA(owner_, text.c_str(), wizard_texts::kTitle, MB_OK | MB_ICONEXCLAMATION);
}
