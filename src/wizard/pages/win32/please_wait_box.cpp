#include "wizard/pages/win32/please_wait_box.h"

#include "resource.h"
#include "wizard/pages/several_texts.h"

PleaseWaitBox::PleaseWaitBox(HWND owner) : Dialog(IDD_SEVERAL_WAIT) {
  if (!CreateModeless(owner)) return;
  ::ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  // Painted now: the scan that follows pumps no messages.
  ::UpdateWindow(hwnd());
}

bool PleaseWaitBox::OnInit() {
  SetItemText(IDT_SEVERAL_WAIT_TEXT, several_texts::kPleaseWait);
  return false;
}
