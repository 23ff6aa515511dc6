// Drives another process's windows from outside, as a user would: starts a
// program, finds its top-level windows by title and class, reads and sets
// control texts, clicks, answers message boxes, measures and photographs.
// Everything that waits takes a time-out and polls, so a test never hangs on
// a program that misbehaves; a process still running when its owner goes out
// of scope is killed.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/win32/handles.h"

namespace e2e {

using Ms = std::chrono::milliseconds;
inline constexpr Ms kDefaultTimeout{10000};
// How long a cross-process message may take before the target counts as hung.
inline constexpr UINT kSendTimeoutMs = 2000;
inline constexpr Ms kPollInterval{20};

// The class of dialogs and message boxes.
inline constexpr const char* kDialogClass = "#32770";
// The id of a message box's text.
inline constexpr int kMessageBoxTextId = 0xFFFF;

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

using EnvVars = std::vector<std::pair<std::string, std::string>>;

// A started program. Move-only; kills the process on destruction if it still
// runs, so a failed test leaves nothing behind.
class Process {
 public:
  // Starts `exe` (a Windows path) with `arguments` appended verbatim to the
  // quoted program path, in `folder` (empty: the caller's), with `extraEnv`
  // added to (or replacing, by name without regard to case) the caller's
  // environment. nullopt when CreateProcessA fails.
  static std::optional<Process> Start(const std::string& exe, const std::string& arguments = "",
                                      const std::string& folder = "", const EnvVars& extraEnv = {});

  Process(Process&&) noexcept = default;
  // Kills the process held before, as the destructor would.
  Process& operator=(Process&& other) noexcept;
  ~Process();

  DWORD Pid() const { return pid_; }
  HANDLE Handle() const { return handle_.get(); }
  bool Running() const;
  // The exit code once the process has ended within `timeout`; otherwise the
  // process is killed and the result is nullopt.
  std::optional<DWORD> WaitForExit(Ms timeout = kDefaultTimeout);
  void Kill();

 private:
  Process(win32::KernelHandle handle, DWORD pid) : handle_(std::move(handle)), pid_(pid) {}
  win32::KernelHandle handle_;
  DWORD pid_ = 0;
};

// Ends every process whose file is `exe` (and, unless `parent` is 0, whose
// parent is `parent`): what a test that crashed or timed out left running.
void EndProcessesNamed(const char* exe, DWORD parent = 0);

// Polls `condition` every kPollInterval until it holds or `timeout` passes.
bool WaitUntil(const std::function<bool()>& condition, Ms timeout = kDefaultTimeout);

// ---- Top-level windows ----

// The process's top-level windows (owned ones such as dialogs included), in
// z-order, optionally only the visible ones.
std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly = true);
// The first visible top-level window of the process whose title equals
// `title` (and whose class equals `className` unless that is empty).
HWND FindWindowOf(DWORD pid, const std::string& title, const std::string& className = "");
// The same, waiting; nullptr after `timeout`.
HWND WaitForWindow(const Process& process, const std::string& title,
                   const std::string& className = "", Ms timeout = kDefaultTimeout);
// Any visible top-level window of the process; nullptr after `timeout`.
HWND WaitForAnyWindow(const Process& process, Ms timeout = kDefaultTimeout);
// Waits until `window` is destroyed or hidden.
bool WaitForWindowGone(HWND window, Ms timeout = kDefaultTimeout);
std::vector<std::string> VisibleWindowTitles(const Process& process);

// ---- Texts and controls ----

// A window's text through WM_GETTEXT (GetWindowTextA does not ask another
// process's controls). Empty when the window does not answer.
std::string WindowText(HWND window);
std::string ClassName(HWND window);
HWND Control(HWND dialog, int id);
std::string ControlText(HWND dialog, int id);
bool SetControlText(HWND dialog, int id, const std::string& text);
// The first descendant of `dialog` whose text equals `text` (mnemonic "&"
// included, as the control holds it); nullptr if none.
HWND FindControlByText(HWND dialog, const std::string& text);
// The texts of the direct children of `dialog`, in z-order, with their ids.
std::vector<std::pair<int, std::string>> ControlTexts(HWND dialog);
bool IsControlEnabled(HWND dialog, int id);
bool IsControlVisible(HWND dialog, int id);
// BM_GETCHECK: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
int CheckState(HWND dialog, int id);

// List box entries, asked for in UTF-16 (Wine answers cross-process
// LB_GETTEXT that way) and converted to the ANSI code page.
std::vector<std::string> ListBoxItems(HWND dialog, int id);
// The selected index of a single-selection list box, or -1.
int ListBoxSelection(HWND dialog, int id);
// The selected indexes of a multiple-selection list box.
std::vector<int> ListBoxSelections(HWND dialog, int id);
// Selects one entry as a click would and tells the dialog (LBN_SELCHANGE).
bool SelectListBoxItem(HWND dialog, int id, int index);
// Selects a combo box entry and tells the dialog (CBN_SELCHANGE).
bool SelectComboItem(HWND dialog, int id, int index);

// List views keep their items in structures that a message only points to,
// so these place the structure in the list view's own process.
int ListViewRowCount(HWND dialog, int id);
// The text of one cell; empty when it cannot be read.
std::string ListViewCell(HWND dialog, int id, int row, int column);
// Every row's first `columns` cells.
std::vector<std::vector<std::string>> ListViewRows(HWND dialog, int id, int columns);
// Selects and focuses one row as a click would; the list view tells its
// dialog (LVN_ITEMCHANGED).
bool SelectListViewRow(HWND dialog, int id, int row);

// The id of the visible button styled as the default push button, else the
// dialog's DM_GETDEFID answer, else 0.
int DefaultButtonId(HWND dialog);

// ---- Acting ----

// Clicks an enabled, visible button: BM_CLICK is posted, never sent, so a
// click that opens a modal dialog does not block the driver.
bool ClickButton(HWND dialog, int id);
bool ClickButtonByText(HWND dialog, const std::string& text);
// Presses the mouse on a control, as on a link.
bool ClickLink(HWND dialog, int id);
// Posts WM_COMMAND(id, BN_CLICKED) to the dialog itself.
bool PostCommand(HWND dialog, int id);
// Presses and releases a key in the window's focused control (or the window
// itself), e.g. VK_ESCAPE, VK_RETURN.
bool PressKey(HWND window, WORD virtualKey);
// F1 as the keyboard gives it: the system turns a typed F1 into WM_KEYF1 for
// the focused control (a posted WM_KEYDOWN is not turned), which then asks
// for help with WM_HELP up the chain of parents.
bool PressHelpKey(HWND window);
// Posts WM_CLOSE, as the caption's close box would.
bool PostClose(HWND window);

// ---- Message boxes ----

struct MessageBoxSeen {
  HWND window = nullptr;
  std::string text;
  std::vector<std::string> buttons;  // the button texts, e.g. "&Yes", "&No"
};
// Waits for a message box (a "#32770" window) of the process titled `title`.
std::optional<MessageBoxSeen> WaitForMessageBox(const Process& process, const std::string& title,
                                                Ms timeout = kDefaultTimeout);
std::string MessageBoxText(HWND box);
// Clicks the button with `buttonId` (IDYES, IDNO, IDOK...) and waits for the
// box to go.
bool AnswerMessageBox(HWND box, int buttonId, Ms timeout = kDefaultTimeout);

// ---- Geometry ----

Rect WindowRect(HWND window);
Rect ClientRect(HWND window);
// A control's window rectangle in its dialog's client coordinates.
Rect ControlRect(HWND dialog, int id);
// Where a dialog template item at x, y with width and height in dialog units
// lands in client pixels, given the dialog base units (6 x 13 for "MS Sans
// Serif" 8 at 96 dpi). Position and size are each rounded as dialog creation
// rounds them, so this is not MapDialogRect of the corners.
Rect DialogItemPixels(int x, int y, int width, int height, int baseX = 6, int baseY = 13);

// ---- Pictures ----

struct Size {
  int width = 0;
  int height = 0;
};
Size ScreenSize();
// Copies the screen (or only `window`'s rectangle) into a 24-bit bottom-up
// .bmp file. False when any step fails.
bool SaveScreenshot(const std::string& bmpPath, HWND window = nullptr);
// Width and height from a .bmp file's header; nullopt if it is not one.
std::optional<Size> BitmapFileSize(const std::string& bmpPath);

// ---- Paths ----

// A full Windows path, e.g. a Unix path baked in at build time
// ("/work/build/x.exe") turned into "Z:\work\build\x.exe".
std::string WindowsPath(const std::string& path);

}  // namespace e2e
