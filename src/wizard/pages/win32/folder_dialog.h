// The folder chooser behind "Browse..." of the several-files folder page:
// the system's folder browser, starting in the process's current
// directory, titled "Choose folder" with a "Select" button.
#pragma once

#include <windows.h>

#include <string>

class CFolderDialog {
 public:
  // `folder` receives the chosen folder's full path; it is left alone when
  // the author cancels.
  explicit CFolderDialog(std::string& folder) : folder_(folder) {}
  CFolderDialog(const CFolderDialog&) = delete;
  CFolderDialog& operator=(const CFolderDialog&) = delete;

  // IDOK when a folder was chosen, IDCANCEL otherwise.
  INT_PTR DoModal(HWND owner);

 private:
  static int CALLBACK Callback(HWND window, UINT message, LPARAM lParam, LPARAM data);

  std::string& folder_;
  std::string start_;
};
