// The folder chooser behind "Browse..." of the several-files folder page:
// the system's folder browser, starting in the folder it is given (the
// process's current directory without one), titled "Choose folder" with a
// "Select" button.
#pragma once

#include <windows.h>

#include <string>

class CFolderDialog {
 public:
  // The chooser starts in `folder` when that names one, and puts the chosen
  // folder's full path there; it is left alone when the author cancels.
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
