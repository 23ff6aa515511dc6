// The port through which the wizard's portable operations ask the author a
// question or tell them something. The window implements it with message
// boxes; tests record what was asked.
#pragma once

#include <string>

class WizardQuestions {
 public:
  virtual ~WizardQuestions() = default;
  // A Yes/No question; true for Yes.
  virtual bool AskYesNo(const std::string& text) = 0;
  // A message with OK.
  virtual void ShowMessage(const std::string& text) = 0;
};
