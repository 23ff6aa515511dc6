// Discwright's application object: the installation check, the help folder
// and the one operation that opens help pages, and the main window's run.
#pragma once

#include <windows.h>

#include <string>

#include "common/win32/win32_registry_backend.h"
#include "wizard/win32/running_copy.h"

class WizardApp {
 public:
  WizardApp();
  ~WizardApp();
  WizardApp(const WizardApp&) = delete;
  WizardApp& operator=(const WizardApp&) = delete;

  // The one application object, for every help button, link and page.
  static WizardApp& Current();

  // Checks the installation and runs the main window; the program's exit
  // code. With another copy running, brings that one to the front and ends.
  int Run();
  // The main window, for a second start to bring to the front.
  void SetMainWindow(HWND main) { runningCopy_.SetMainWindow(main); }

  // Opens the help page of `topic` in the browser; a message over `owner`
  // (the window the author is in) when it cannot.
  void ShowHelpTopic(const std::string& topic, HWND owner);

  RegistryBackend& Registry() { return registry_; }

 private:
  Win32RegistryBackend registry_;
  std::string helpFolder_;
  RunningCopy runningCopy_;
};
