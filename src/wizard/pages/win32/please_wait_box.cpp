#include "wizard/pages/win32/please_wait_box.h"

#include "resource.h"
#include "wizard/pages/several_texts.h"
#include "wizard/win32/win32_file_copier.h"

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

uint32_t WaitingFileCopier::CopyReplacing(const std::string& from, const std::string& to) {
  PleaseWaitBox wait(owner_);
  return Win32FileCopier().CopyReplacing(from, to);
}
