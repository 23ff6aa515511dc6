#include "wizard/win32/win32_test_run_ui.h"

#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/test_result_dialog.h"

bool Win32TestRunUi::CreateCdFiles(bool ask) { return cd_files_window::CreateCdFiles(owner_, ask); }

bool Win32TestRunUi::SetCurrentDirectory(const std::string& folder) {
  return ::SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

void Win32TestRunUi::EnableTestButton(bool enabled) {
  if (testButton_ != nullptr) ::EnableWindow(testButton_, enabled);
}

void Win32TestRunUi::ShowTestResult(const std::string& errorText) {
  TestResultDialog result(errorText, main_);
  result.RunModal(owner_);
}
