// The option dialogs' ports over Win32: the chosen-file checks with their
// warning page and messages, the files of a folder, message boxes with a
// Retry/Cancel question and a copier that shows the wait cursor.
#pragma once

#include <windows.h>

#include <string>

#include "wizard/pages/option_ports.h"

class Win32ChosenFileChecks : public ChosenFileChecks {
 public:
  explicit Win32ChosenFileChecks(HWND owner) : owner_(owner) {}
  bool CheckFileNameLength(const std::string& path) override;
  bool CheckChosenFile(const std::string& path, const std::string& label) override;

 private:
  HWND owner_;
};

class Win32FolderFiles : public FolderFiles {
 public:
  std::vector<std::string> List(const std::string& folder,
                                const std::string& pattern) const override;
};

class Win32OptionQuestions : public OptionQuestions {
 public:
  explicit Win32OptionQuestions(HWND owner) : owner_(owner) {}
  bool AskYesNo(const std::string& text) override;
  void ShowMessage(const std::string& text) override;
  bool AskRetryCancel(const std::string& text) override;

 private:
  HWND owner_;
};
