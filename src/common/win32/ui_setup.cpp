#include "common/win32/ui_setup.h"

#include <windows.h>
// After windows.h, which they need.
#include <commctrl.h>
#include <ole2.h>

namespace win32 {
namespace {
bool ready = false;
bool oleStarted = false;
}  // namespace

void EnsureUiReady() {
  if (ready) return;
  ready = true;
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  oleStarted = SUCCEEDED(OleInitialize(nullptr));
}

void EndUi() {
  if (oleStarted) OleUninitialize();
  oleStarted = false;
  ready = false;
}

}  // namespace win32
