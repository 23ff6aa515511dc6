#include "wizard/win32/win32_test_run_ui.h"

#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/test_result_dialog.h"

bool Win32TestRunUi::CreateCdFiles(bool ask) { return cd_files_window::CreateCdFiles(owner_, ask); }

bool Win32TestRunUi::SetCurrentDirectory(const std::string& folder) {
  return ::SetCurrentDirectoryA(folder.c_str()) != FALSE;
}

void Win32TestRunUi::EnableTestButton(bool enabled) {
  if (testButton_ != nullptr) ::EnableWindow(testButton_, enabled);
  // While the starter starts and lingers, the window the author is in takes
  // no clicks either: a second test, or Next, would run inside this one.
  if (!enabled) {
    focus_ = ::GetFocus();
    disabledOwner_ = ::IsWindowEnabled(owner_) != FALSE;
    if (disabledOwner_) ::EnableWindow(owner_, FALSE);
  } else if (disabledOwner_) {
    disabledOwner_ = false;
    ::EnableWindow(owner_, TRUE);
    if (::IsWindow(focus_) && ::GetActiveWindow() == owner_) ::SetFocus(focus_);
  }
}

void Win32TestRunUi::ShowTestResult(const std::string& errorText) {
  TestResultDialog result(errorText, main_);
  result.RunModal(owner_);
}
