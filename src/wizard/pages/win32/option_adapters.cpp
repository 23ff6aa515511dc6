#include "wizard/pages/win32/option_adapters.h"

#include "wizard/pages/option_files.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/wizard_texts.h"

bool Win32ChosenFileChecks::CheckFileNameLength(const std::string& path) {
  return cd_files_window::CheckFileNameLength(owner_, path);
}

bool Win32ChosenFileChecks::CheckChosenFile(const std::string& path, const std::string& label) {
  return cd_files_window::CheckChosenFile(owner_, path, label);
}

std::vector<std::string> Win32FolderFiles::List(const std::string& folder,
                                                const std::string& pattern) const {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA(option_files::InFolder(folder, pattern).c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(data.cFileName);
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return names;
}

bool Win32OptionQuestions::AskYesNo(const std::string& text) {
  return Win32WizardQuestions(owner_).AskYesNo(text);
}

void Win32OptionQuestions::ShowMessage(const std::string& text) {
  Win32WizardQuestions(owner_).ShowMessage(text);
}

bool Win32OptionQuestions::AskRetryCancel(const std::string& text) {
  return ::MessageBoxA(owner_, text.c_str(), wizard_texts::kTitle,
                       MB_RETRYCANCEL | MB_ICONEXCLAMATION) == IDRETRY;
}
