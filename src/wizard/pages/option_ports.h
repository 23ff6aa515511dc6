// What the option dialogs' rules need beyond the wizard's common ports: the
// checks of a chosen file (which show their own warning page and message),
// the files of a folder, and the one Retry/Cancel question.
#pragma once

#include <string>
#include <vector>

#include "wizard/wizard_questions.h"

class ChosenFileChecks {
 public:
  virtual ~ChosenFileChecks() = default;
  // The name length warning; false only when the author cancels it.
  virtual bool CheckFileNameLength(const std::string& path) = 0;
  // The length warning, then that the file exists (an empty name passes);
  // `label` names what the file is for.
  virtual bool CheckChosenFile(const std::string& path, const std::string& label) = 0;
};

class FolderFiles {
 public:
  virtual ~FolderFiles() = default;
  // The names (without folder) of the files matching `pattern` ("*.ico")
  // in `folder`, in no particular order.
  virtual std::vector<std::string> List(const std::string& folder,
                                        const std::string& pattern) const = 0;
};

class OptionQuestions : public WizardQuestions {
 public:
  // A Retry/Cancel question; true for Retry.
  virtual bool AskRetryCancel(const std::string& text) = 0;
};
