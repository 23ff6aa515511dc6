// What the test run needs of the window that runs it, over Win32: the CD
// files created with the wizard's pages, the current directory, the window's
// test button and the result page.
#pragma once

#include <windows.h>

#include "wizard/test_run.h"
#include "wizard/win32/main_commands.h"

class Win32TestRunUi : public TestRunUi {
 public:
  // `owner` is the top-level window the author is in; `testButton` may be
  // null (a test started from a page has none of its own).
  Win32TestRunUi(HWND owner, HWND testButton, MainCommands* main)
      : owner_(owner), testButton_(testButton), main_(main) {}
  bool CreateCdFiles(bool ask) override;
  bool SetCurrentDirectory(const std::string& folder) override;
  void EnableTestButton(bool enabled) override;
  void ShowTestResult(const std::string& errorText) override;

 private:
  HWND owner_;
  HWND testButton_;
  MainCommands* main_;
  HWND focus_ = nullptr;
  bool disabledOwner_ = false;
};
