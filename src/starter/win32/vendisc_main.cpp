// Vendisc's entry point: wires the Win32 ports to the start-up sequence and
// runs it once. The starter has no window of its own and no message loop:
// every window it shows runs inside the sequence.
#include <windows.h>

#include "common/win32/app_message.h"
#include "common/win32/ui_setup.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_registry_backend.h"
#include "common/win32/win32_shell_port.h"
#include "config/autorun_config.h"
#include "starter/starter_app.h"
#include "starter/starter_texts.h"
#include "starter/win32/win32_starter_ui.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  // The common controls and OLE are set up by the first window
  // (win32::EnsureUiReady): a CD that opens its file without one starts it
  // without loading the windowing libraries at all.
  win32::SetAppMessageStyle(starter_texts::kTitle, MB_ICONEXCLAMATION);

  {
    Win32FileSystem fs;
    Win32ShellPort shell;
    Win32RegistryBackend registry;
    AutorunConfig config(fs);
    Win32StarterUi ui(config);
    StarterApp app(fs, shell, registry, ui);
    app.Run(GetCommandLineA());
  }

  win32::EndUi();
  return 0;
}
