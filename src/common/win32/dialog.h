// A small dialog framework: a dialog class names its template, declares in
// one table what it reacts to and in one list which members its controls
// show, and the framework does the rest (creation, dispatch, data exchange,
// subclassed controls, colour reflection).
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <vector>

#include "common/win32/subclassed_control.h"
#include "common/win32/window_util.h"

namespace win32 {

class Dialog;

// Handlers are members of the derived class; the table stores them as
// members of Dialog, which is what MFC-style maps do too.
using MessageHandler = INT_PTR (Dialog::*)(WPARAM, LPARAM);
using CommandHandler = void (Dialog::*)();
// Its result is the message's result (DWLP_MSGRESULT).
using NotifyHandler = INT_PTR (Dialog::*)(NMHDR*);

struct MessageEntry {
  UINT message;
  MessageHandler handler;
};
struct CommandEntry {
  int id;
  int code;  // notification code: BN_CLICKED, EN_CHANGE, LBN_DBLCLK ...
  CommandHandler handler;
};
struct NotifyEntry {  // WM_NOTIFY
  int id;
  UINT code;  // NM_DBLCLK, LVN_ITEMCHANGED ...
  NotifyHandler handler;
};

// What a dialog class reacts to. A class that others extend keeps its table
// in a static function; a derived table points to it as `base`, and is looked
// up first. Messages found in no table get the default processing.
struct DispatchTable {
  std::span<const MessageEntry> messages = {};
  std::span<const CommandEntry> commands = {};
  std::span<const NotifyEntry> notifications = {};
  const DispatchTable* base = nullptr;
};

template <typename D>
MessageEntry OnMessage(UINT message, INT_PTR (D::*handler)(WPARAM, LPARAM)) {
  return {message, static_cast<MessageHandler>(handler)};
}
template <typename D>
CommandEntry OnCommand(int id, void (D::*handler)(), int code = BN_CLICKED) {
  return {id, code, static_cast<CommandHandler>(handler)};
}
template <typename D>
NotifyEntry OnNotify(int id, UINT code, INT_PTR (D::*handler)(NMHDR*)) {
  return {id, code, static_cast<NotifyHandler>(handler)};
}

// One text member shown in one control, without checks (BoundDialog offers
// more kinds); copied in when the dialog opens and out when it is accepted.
struct TextBinding {
  int id;
  std::string* value;
};
// A control object attached (subclassed) to a template control when the
// dialog opens.
struct ControlBinding {
  int id;
  SubclassedControl* control;
};

class Dialog {
 public:
  explicit Dialog(int templateId) : templateId_(templateId) {}
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  // Destroys a modeless window that is still open.
  virtual ~Dialog();

  // Runs the dialog modally; the result passed to End, or -1 when the
  // template cannot be loaded.
  INT_PTR RunModal(HWND parent);
  // Creates the dialog modeless (visible only if its template says so);
  // false when the template cannot be loaded.
  bool CreateModeless(HWND parent);
  // Closes the dialog with `result`: ends a modal loop or destroys a
  // modeless window.
  void End(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  int templateId() const { return templateId_; }
  bool IsModal() const { return modal_; }

  // Data exchange. CopyToControls shows the members, at any time.
  // CopyFromControls first checks every bound control: when one holds a
  // value its binding refuses, it shows the binding's prompt, focuses that
  // control and returns false, and no member changes.
  void CopyToControls();
  bool CopyFromControls();

  // Helpers for layout and controls.
  HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
  std::string ItemText(int id) const;
  void SetItemText(int id, const std::string& text);
  SIZE ClientSize() const;
  // Client size of control `id` (zero when it does not exist).
  SIZE ItemClientSize(int id) const;
  // Moves and sizes control `id`, in the dialog's client pixels.
  void MoveItem(int id, int x, int y, int width, int height);
  void ShowItem(int id, bool show);
  void SetDefaultButton(int id);
  void CentreOnScreen();

 protected:
  // The class's table and bindings. The base reacts to nothing itself and
  // binds nothing; IDOK and IDCANCEL default to Accept and Cancel.
  // (Defined out of line: each inline one costs the starter its own unwind
  // entry.)
  virtual DispatchTable Table() const;
  virtual std::vector<TextBinding> TextBindings();
  virtual std::vector<ControlBinding> ControlBindings();
  // The checked members of a BoundDialog (data_exchange.h): shown with the
  // others, and checked before any member is saved. The base has none, so a
  // program whose dialogs check nothing does not carry the checks.
  virtual void ShowCheckedMembers();
  virtual bool SaveCheckedMembers();

  // Called on WM_INITDIALOG after the controls are attached and before the
  // members are copied in. True lets the system set the focus.
  virtual bool OnInit() { return true; }
  // Default for IDOK: ends with IDOK once CopyFromControls succeeds.
  virtual void Accept();
  // Default for IDCANCEL (Esc, close box): ends with IDCANCEL.
  virtual void Cancel() { End(IDCANCEL); }
  // Called from a message handler: the message also gets the default
  // processing (the handler's result is ignored).
  void PassOn() { passOn_ = true; }

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam, bool* handled);
  void Attach(HWND window);
  void Detach();

  int templateId_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  bool passOn_ = false;
};

}  // namespace win32
