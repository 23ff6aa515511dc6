// Discwright's entry point: the application object checks the installation
// and runs the main window; the program ends when that window closes.
#include <windows.h>

#include "common/win32/ui_setup.h"
#include "wizard/win32/wizard_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int code = 0;
  {
    WizardApp app;
    code = app.Run();
  }
  win32::EndUi();
  return code;
}
