#include "wizard/pages/win32/please_wait_box.h"

#include <string>

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

namespace {

struct CopyJob {
  std::string from;
  std::string to;
  uint32_t result = 0;
};

DWORD WINAPI RunCopy(LPVOID parameter) {
  auto* job = static_cast<CopyJob*>(parameter);
  job->result = Win32FileCopier().CopyReplacing(job->from, job->to);
  return 0;
}

bool IsInput(UINT message) {
  return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
         (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
         (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

// Keeps the windows painted until `thread` ends; what the author types or
// clicks meanwhile is dropped, so nothing acts in the middle of a copy.
void PaintUntilEnded(HANDLE thread) {
  const HCURSOR wait = ::LoadCursorA(nullptr, IDC_WAIT);
  for (;;) {
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        // Left for the loop that owns it, after the copy.
        ::WaitForSingleObject(thread, INFINITE);
        ::PostQuitMessage(static_cast<int>(message.wParam));
        return;
      }
      if (IsInput(message.message)) continue;
      ::TranslateMessage(&message);
      ::DispatchMessageA(&message);
    }
    ::SetCursor(wait);
    if (::MsgWaitForMultipleObjectsEx(1, &thread, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
        WAIT_OBJECT_0)
      return;
  }
}

}  // namespace

uint32_t WaitingFileCopier::CopyReplacing(const std::string& from, const std::string& to) {
  PleaseWaitBox box(owner_);
  CopyJob job{from, to};
  // The copy runs on a thread of its own, so that a large installer neither
  // freezes the wizard's windows nor leaves the box unpainted.
  HANDLE thread = ::CreateThread(nullptr, 0, RunCopy, &job, 0, nullptr);
  if (!thread) return Win32FileCopier().CopyReplacing(from, to);
  PaintUntilEnded(thread);
  ::CloseHandle(thread);
  return job.result;
}
