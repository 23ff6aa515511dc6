// The copy-over step's questions as message boxes over a window.
#pragma once

#include <windows.h>

#include "wizard/pages/resource_files.h"
#include "wizard/win32/win32_wizard_questions.h"

class Win32CopyQuestions : public CopyQuestions {
 public:
  explicit Win32CopyQuestions(HWND owner) : owner_(owner), questions_(owner) {}
  bool AskYesNo(const std::string& text) override { return questions_.AskYesNo(text); }
  void ShowMessage(const std::string& text) override { questions_.ShowMessage(text); }
  bool AskRetry(const std::string& text) override;

 private:
  HWND owner_;
  Win32WizardQuestions questions_;
};
