#include "common/win32/dialog.h"

#include "common/win32/ui_setup.h"
#include "common/win32/window_util.h"

namespace win32 {
namespace {
// Messages whose result a dialog procedure returns itself instead of
// through DWLP_MSGRESULT.
bool ReturnsDirectly(UINT message) {
  return message == WM_INITDIALOG ||
         (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) ||
         message == WM_COMPAREITEM || message == WM_VKEYTOITEM || message == WM_CHARTOITEM ||
         message == WM_QUERYDRAGICON;
}

// Looks a message up in one table; false when the table does not list it.
bool DispatchTo(Dialog& dialog, const DispatchTable& table, UINT message, WPARAM wParam,
                LPARAM lParam, INT_PTR* result) {
  for (const MessageEntry& entry : table.messages) {
    if (entry.message == message) {
      *result = (dialog.*entry.handler)(wParam, lParam);
      return true;
    }
  }
  if (message == WM_COMMAND) {
    for (const CommandEntry& entry : table.commands) {
      if (entry.id == LOWORD(wParam) && entry.code == HIWORD(wParam)) {
        (dialog.*entry.handler)();
        *result = TRUE;
        return true;
      }
    }
  }
  if (message == WM_NOTIFY && lParam) {
    NMHDR* header = reinterpret_cast<NMHDR*>(lParam);
    for (const NotifyEntry& entry : table.notifications) {
      if (static_cast<UINT_PTR>(entry.id) == header->idFrom && entry.code == header->code) {
        *result = (dialog.*entry.handler)(header);
        return true;
      }
    }
  }
  return false;
}
}  // namespace

Dialog::~Dialog() {
  if (hwnd_ && !modal_) {
    ::DestroyWindow(hwnd_);  // WM_NCDESTROY detaches
  }
  Detach();
}

INT_PTR Dialog::RunModal(HWND parent) {
  EnsureUiReady();
  modal_ = true;
  INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_),
                                     parent, Procedure, reinterpret_cast<LPARAM>(this));
  modal_ = false;
  return result;
}

bool Dialog::CreateModeless(HWND parent) {
  if (hwnd_) return false;
  EnsureUiReady();
  modal_ = false;
  return ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), parent,
                              Procedure, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::End(INT_PTR result) {
  if (!hwnd_) return;
  if (modal_) {
    ::EndDialog(hwnd_, result);
  } else {
    ::DestroyWindow(hwnd_);
  }
}

DispatchTable Dialog::Table() const { return {}; }
std::vector<TextBinding> Dialog::TextBindings() { return {}; }
std::vector<ControlBinding> Dialog::ControlBindings() { return {}; }
void Dialog::ShowCheckedMembers() {}
bool Dialog::SaveCheckedMembers() { return true; }

void Dialog::CopyToControls() {
  for (const TextBinding& binding : TextBindings()) SetItemText(binding.id, *binding.value);
  ShowCheckedMembers();
}

bool Dialog::CopyFromControls() {
  if (!SaveCheckedMembers()) return false;
  for (const TextBinding& binding : TextBindings()) *binding.value = ItemText(binding.id);
  return true;
}

void Dialog::Accept() {
  if (CopyFromControls()) End(IDOK);
}

std::string Dialog::ItemText(int id) const { return WindowText(Item(id)); }

void Dialog::SetItemText(int id, const std::string& text) {
  ::SetDlgItemTextA(hwnd_, id, text.c_str());
}

SIZE Dialog::ClientSize() const { return win32::ClientSize(hwnd_); }

SIZE Dialog::ItemClientSize(int id) const { return win32::ClientSize(Item(id)); }

void Dialog::MoveItem(int id, int x, int y, int width, int height) {
  if (HWND item = Item(id)) ::MoveWindow(item, x, y, width, height, TRUE);
}

void Dialog::ShowItem(int id, bool show) {
  if (HWND item = Item(id)) ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void Dialog::SetDefaultButton(int id) { ::SendMessageA(hwnd_, DM_SETDEFID, id, 0); }

void Dialog::CentreOnScreen() {
  RECT window{};
  ::GetWindowRect(hwnd_, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  ::SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::Attach(HWND window) {
  hwnd_ = window;
  ::SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

void Dialog::Detach() {
  if (!hwnd_) return;
  for (const ControlBinding& binding : ControlBindings()) binding.control->Detach();
  ::SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  hwnd_ = nullptr;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  if (message == WM_INITDIALOG) {
    for (const ControlBinding& binding : ControlBindings()) {
      binding.control->Attach(Item(binding.id));
    }
    const bool systemFocus = OnInit();
    CopyToControls();
    return systemFocus ? TRUE : FALSE;
  }
  if (message == WM_CANCELMODE || (message == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE)) {
    // Disabled under a message box or dialog, or left for another window: a
    // control of ours (a link hovered over) must not keep the mouse.
    if (::IsChild(hwnd_, ::GetCapture())) ::ReleaseCapture();
  }
  if (message == WM_CTLCOLORSTATIC) {
    // A child that colours itself answers with its brush; others get the default.
    LRESULT brush =
        ::SendMessageA(reinterpret_cast<HWND>(lParam), kReflectedCtlColorStatic, wParam, lParam);
    if (brush) return static_cast<INT_PTR>(brush);
  }
  const DispatchTable table = Table();
  INT_PTR result = FALSE;
  for (const DispatchTable* t = &table; t; t = t->base) {
    if (DispatchTo(*this, *t, message, wParam, lParam, &result)) return result;
  }
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (LOWORD(wParam) == IDOK) {
      Accept();
      return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
      Cancel();
      return TRUE;
    }
  }
  *handled = false;
  return FALSE;
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    self->Attach(window);
  } else {
    self = reinterpret_cast<Dialog*>(::GetWindowLongPtrA(window, DWLP_USER));
  }
  if (!self) return FALSE;
  if (message == WM_NCDESTROY) {
    self->Detach();
    return FALSE;
  }
  // Nothing may cross the window procedure: a failing handler gets the
  // default processing, and a dialog that failed to open is cancelled.
  try {
    bool handled = false;
    self->passOn_ = false;
    INT_PTR result = self->Dispatch(message, wParam, lParam, &handled);
    if (!handled || self->passOn_) return FALSE;
    if (ReturnsDirectly(message)) return result;
    ::SetWindowLongPtrA(window, DWLP_MSGRESULT, result);
    return TRUE;
  } catch (...) {
    if (message == WM_INITDIALOG) self->End(IDCANCEL);
    return FALSE;
  }
}

}  // namespace win32
