#include "driver.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <thread>

#include "common/text.h"

namespace e2e {

namespace {

using Clock = std::chrono::steady_clock;

// A memory DC, deleted at scope end.
class MemoryDc {
 public:
  explicit MemoryDc(HDC like) : dc_(::CreateCompatibleDC(like)) {}
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  ~MemoryDc() {
    if (dc_) ::DeleteDC(dc_);
  }
  HDC get() const { return dc_; }

 private:
  HDC dc_;
};

// The caller's environment with `extra` merged in, as the block
// CreateProcessA takes: "NAME=VALUE\0...\0\0".
std::vector<char> EnvironmentBlock(const EnvVars& extra) {
  std::vector<std::string> entries;
  if (char* block = ::GetEnvironmentStringsA()) {
    for (const char* p = block; *p; p += std::char_traits<char>::length(p) + 1)
      entries.push_back(p);
    ::FreeEnvironmentStringsA(block);
  }
  for (const auto& [name, value] : extra) {
    // Entries such as "=C:=C:\" start with "=": the name is what precedes
    // the first "=" after the first character.
    std::erase_if(entries, [&](const std::string& entry) {
      size_t eq = entry.find('=', 1);
      return eq != std::string::npos && text::EqualsNoCase(entry.substr(0, eq), name);
    });
    entries.push_back(name + "=" + value);
  }
  std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return text::ToLower(a) < text::ToLower(b);
  });
  std::vector<char> out;
  for (const auto& entry : entries) {
    out.insert(out.end(), entry.begin(), entry.end());
    out.push_back('\0');
  }
  out.push_back('\0');
  return out;
}

bool SendWithTimeout(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  return ::SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               result) != 0;
}

bool SendWithTimeoutW(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR* result) {
  return ::SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                               result) != 0;
}

std::string ToAnsi(const std::wstring& wide) {
  if (wide.empty()) return std::string();
  int n = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                        nullptr, nullptr);
  return out;
}

struct FindByText {
  const std::string* text;
  HWND found;
};

BOOL CALLBACK FindByTextProc(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<FindByText*>(param);
  if (WindowText(window) == *find->text) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

struct CollectTopLevel {
  DWORD pid;
  bool visibleOnly;
  std::vector<HWND>* windows;
};

BOOL CALLBACK CollectTopLevelProc(HWND window, LPARAM param) {
  auto* collect = reinterpret_cast<CollectTopLevel*>(param);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  if (pid == collect->pid && (!collect->visibleOnly || ::IsWindowVisible(window)))
    collect->windows->push_back(window);
  return TRUE;
}

void WriteLittleEndian(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

// ---- Process ----

std::optional<Process> Process::Start(const std::string& exe, const std::string& arguments,
                                      const std::string& folder, const EnvVars& extraEnv) {
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> mutableLine(commandLine.begin(), commandLine.end());
  mutableLine.push_back('\0');
  std::vector<char> environment;
  if (!extraEnv.empty()) environment = EnvironmentBlock(extraEnv);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!::CreateProcessA(exe.c_str(), mutableLine.data(), nullptr, nullptr, FALSE, 0,
                        environment.empty() ? nullptr : environment.data(),
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
    return std::nullopt;
  }
  ::CloseHandle(info.hThread);
  return Process(win32::KernelHandle(info.hProcess), info.dwProcessId);
}

Process::~Process() {
  if (Running()) Kill();
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    if (Running()) Kill();
    handle_ = std::move(other.handle_);
    pid_ = other.pid_;
  }
  return *this;
}

bool Process::Running() const {
  return handle_ && ::WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::WaitForExit(Ms timeout) {
  if (!handle_) return std::nullopt;
  if (::WaitForSingleObject(handle_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
    Kill();
    return std::nullopt;
  }
  DWORD code = 0;
  if (!::GetExitCodeProcess(handle_.get(), &code)) return std::nullopt;
  return code;
}

void Process::Kill() {
  if (!handle_) return;
  ::TerminateProcess(handle_.get(), 1);
  ::WaitForSingleObject(handle_.get(), 5000);
}

void EndProcessesNamed(const char* exe, DWORD parent) {
  win32::KernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot || snapshot.get() == INVALID_HANDLE_VALUE) return;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot.get(), &entry); more;
       more = ::Process32Next(snapshot.get(), &entry)) {
    if ((parent != 0 && entry.th32ParentProcessID != parent) ||
        ::lstrcmpiA(entry.szExeFile, exe) != 0)
      continue;
    win32::KernelHandle process(
        ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID));
    if (!process) continue;
    ::TerminateProcess(process.get(), 1);
    ::WaitForSingleObject(process.get(), 5000);
  }
}

bool WaitUntil(const std::function<bool()>& condition, Ms timeout) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (Clock::now() >= deadline) return false;
    std::this_thread::sleep_for(kPollInterval);
  }
}

// ---- Top-level windows ----

std::vector<HWND> TopLevelWindows(DWORD pid, bool visibleOnly) {
  std::vector<HWND> windows;
  CollectTopLevel collect{pid, visibleOnly, &windows};
  ::EnumWindows(CollectTopLevelProc, reinterpret_cast<LPARAM>(&collect));
  return windows;
}

HWND FindWindowOf(DWORD pid, const std::string& title, const std::string& className) {
  for (HWND window : TopLevelWindows(pid)) {
    if (!className.empty() && ClassName(window) != className) continue;
    if (WindowText(window) == title) return window;
  }
  return nullptr;
}

HWND WaitForWindow(const Process& process, const std::string& title, const std::string& className,
                   Ms timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOf(process.Pid(), title, className)) != nullptr; },
            timeout);
  return found;
}

HWND WaitForAnyWindow(const Process& process, Ms timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        auto windows = TopLevelWindows(process.Pid());
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeout);
  return found;
}

bool WaitForWindowGone(HWND window, Ms timeout) {
  return WaitUntil([&] { return !::IsWindow(window) || !::IsWindowVisible(window); }, timeout);
}

std::vector<std::string> VisibleWindowTitles(const Process& process) {
  std::vector<std::string> titles;
  for (HWND window : TopLevelWindows(process.Pid())) titles.push_back(WindowText(window));
  return titles;
}

// ---- Texts and controls ----

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!window || !SendWithTimeout(window, WM_GETTEXTLENGTH, 0, 0, &length)) {
    // A hung window still has the caption the system keeps for it.
    std::string caption(1024, '\0');
    int n = window ? ::GetWindowTextA(window, caption.data(), static_cast<int>(caption.size())) : 0;
    caption.resize(static_cast<size_t>(std::max(n, 0)));
    return caption;
  }
  std::string buffer(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendWithTimeout(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                       &copied))
    return std::string();
  buffer.resize(std::min<size_t>(copied, length));
  return buffer;
}

std::string ClassName(HWND window) {
  char name[256] = {};
  int n = ::GetClassNameA(window, name, sizeof name);
  return std::string(name, static_cast<size_t>(std::max(n, 0)));
}

HWND Control(HWND dialog, int id) { return dialog ? ::GetDlgItem(dialog, id) : nullptr; }

std::string ControlText(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  return control ? WindowText(control) : std::string();
}

bool SetControlText(HWND dialog, int id, const std::string& text) {
  HWND control = Control(dialog, id);
  DWORD_PTR result = 0;
  return control &&
         SendWithTimeout(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), &result) &&
         result != 0;
}

HWND FindControlByText(HWND dialog, const std::string& text) {
  FindByText find{&text, nullptr};
  if (dialog) ::EnumChildWindows(dialog, FindByTextProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

std::vector<std::pair<int, std::string>> ControlTexts(HWND dialog) {
  std::vector<std::pair<int, std::string>> out;
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    out.emplace_back(::GetDlgCtrlID(child), WindowText(child));
  return out;
}

bool IsControlEnabled(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  return control && ::IsWindowEnabled(control);
}

bool IsControlVisible(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  return control && ::IsWindowVisible(control);
}

int CheckState(HWND dialog, int id) {
  DWORD_PTR state = 0;
  HWND control = Control(dialog, id);
  if (!control || !SendWithTimeout(control, BM_GETCHECK, 0, 0, &state)) return -1;
  return static_cast<int>(state);
}

std::vector<std::string> ListBoxItems(HWND dialog, int id) {
  std::vector<std::string> items;
  HWND list = Control(dialog, id);
  DWORD_PTR count = 0;
  if (!list || !SendWithTimeoutW(list, LB_GETCOUNT, 0, 0, &count)) return items;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    DWORD_PTR length = 0;
    if (!SendWithTimeoutW(list, LB_GETTEXTLEN, i, 0, &length) ||
        static_cast<LRESULT>(length) == LB_ERR)
      break;
    std::wstring buffer(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendWithTimeoutW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer.data()), &copied) ||
        static_cast<LRESULT>(copied) == LB_ERR)
      break;
    buffer.resize(std::min<size_t>(copied, length));
    items.push_back(ToAnsi(buffer));
  }
  return items;
}

int ListBoxSelection(HWND dialog, int id) {
  HWND list = Control(dialog, id);
  DWORD_PTR index = 0;
  if (!list || !SendWithTimeout(list, LB_GETCURSEL, 0, 0, &index)) return -1;
  return static_cast<LRESULT>(index) == LB_ERR ? -1 : static_cast<int>(index);
}

std::vector<int> ListBoxSelections(HWND dialog, int id) {
  std::vector<int> selected;
  HWND list = Control(dialog, id);
  DWORD_PTR count = 0;
  if (!list || !SendWithTimeout(list, LB_GETCOUNT, 0, 0, &count)) return selected;
  for (int i = 0; i < static_cast<int>(count); ++i) {
    DWORD_PTR isSelected = 0;
    if (SendWithTimeout(list, LB_GETSEL, i, 0, &isSelected) && static_cast<LRESULT>(isSelected) > 0)
      selected.push_back(i);
  }
  return selected;
}

bool SelectListBoxItem(HWND dialog, int id, int index) {
  HWND list = Control(dialog, id);
  if (!list || !::IsWindowEnabled(list)) return false;
  const LONG style = ::GetWindowLongA(list, GWL_STYLE);
  DWORD_PTR result = 0;
  bool ok = (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
                ? SendWithTimeout(list, LB_SETSEL, TRUE, index, &result)
                : SendWithTimeout(list, LB_SETCURSEL, index, 0, &result);
  if (!ok || static_cast<LRESULT>(result) == LB_ERR) return false;
  return ::PostMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(list)) != 0;
}

bool SelectComboItem(HWND dialog, int id, int index) {
  HWND combo = Control(dialog, id);
  DWORD_PTR result = 0;
  if (!combo || !SendWithTimeout(combo, CB_SETCURSEL, index, 0, &result) ||
      static_cast<LRESULT>(result) == CB_ERR)
    return false;
  return ::PostMessageA(::GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(combo)) != 0;
}

namespace {

// Memory in another process, freed at scope end.
class RemoteMemory {
 public:
  RemoteMemory(HWND window, size_t size) : size_(size) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    process_.reset(
        ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (process_)
      address_ =
          ::VirtualAllocEx(process_.get(), nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;
  ~RemoteMemory() {
    if (address_) ::VirtualFreeEx(process_.get(), address_, 0, MEM_RELEASE);
  }
  bool ok() const { return address_ != nullptr; }
  char* address() const { return static_cast<char*>(address_); }
  bool Write(size_t offset, const void* data, size_t size) const {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           ::WriteProcessMemory(process_.get(), address() + offset, data, size, &done) &&
           done == size;
  }
  bool Read(size_t offset, void* data, size_t size) const {
    SIZE_T done = 0;
    return offset + size <= size_ &&
           ::ReadProcessMemory(process_.get(), address() + offset, data, size, &done) &&
           done == size;
  }

 private:
  win32::KernelHandle process_;
  void* address_ = nullptr;
  size_t size_;
};

constexpr int kCellChars = 2048;

}  // namespace

int ListViewRowCount(HWND dialog, int id) {
  HWND list = Control(dialog, id);
  DWORD_PTR count = 0;
  if (!list || !SendWithTimeout(list, LVM_GETITEMCOUNT, 0, 0, &count)) return -1;
  return static_cast<int>(count);
}

std::string ListViewCell(HWND dialog, int id, int row, int column) {
  HWND list = Control(dialog, id);
  if (!list) return "";
  RemoteMemory remote(list, sizeof(LVITEMA) + kCellChars);
  if (!remote.ok()) return "";
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = remote.address() + sizeof(LVITEMA);
  item.cchTextMax = kCellChars;
  const char nothing = '\0';
  DWORD_PTR length = 0;
  if (!remote.Write(0, &item, sizeof item) || !remote.Write(sizeof item, &nothing, 1) ||
      !SendWithTimeout(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(remote.address()),
                       &length))
    return "";
  std::string text(std::min<size_t>(length, kCellChars - 1), '\0');
  if (!text.empty() && !remote.Read(sizeof item, text.data(), text.size())) return "";
  return text;
}

std::vector<std::vector<std::string>> ListViewRows(HWND dialog, int id, int columns) {
  std::vector<std::vector<std::string>> rows;
  const int count = ListViewRowCount(dialog, id);
  for (int row = 0; row < count; ++row) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column)
      cells.push_back(ListViewCell(dialog, id, row, column));
    rows.push_back(std::move(cells));
  }
  return rows;
}

bool SelectListViewRow(HWND dialog, int id, int row) {
  HWND list = Control(dialog, id);
  if (!list || !::IsWindowEnabled(list)) return false;
  RemoteMemory remote(list, sizeof(LVITEMA));
  if (!remote.ok()) return false;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  DWORD_PTR result = 0;
  return remote.Write(0, &item, sizeof item) &&
         SendWithTimeout(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(remote.address()),
                         &result) &&
         result != 0;
}

int DefaultButtonId(HWND dialog) {
  // The button drawn as the default one. DM_GETDEFID alone is not enough:
  // Wine's message boxes answer it with the template's hidden OK button.
  for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (::IsWindowVisible(child) && text::EqualsNoCase(ClassName(child), "Button") &&
        (::GetWindowLongA(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
      return ::GetDlgCtrlID(child);
  }
  DWORD_PTR result = 0;
  if (!dialog || !SendWithTimeout(dialog, DM_GETDEFID, 0, 0, &result)) return 0;
  return HIWORD(result) == DC_HASDEFID ? LOWORD(result) : 0;
}

// ---- Acting ----

namespace {

bool ClickControl(HWND control) {
  if (!control || !::IsWindowEnabled(control) || !::IsWindowVisible(control)) return false;
  return ::PostMessageA(control, BM_CLICK, 0, 0) != 0;
}

}  // namespace

bool ClickButton(HWND dialog, int id) { return ClickControl(Control(dialog, id)); }

bool ClickButtonByText(HWND dialog, const std::string& text) {
  return ClickControl(FindControlByText(dialog, text));
}

bool ClickLink(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  if (!control || !::IsWindowEnabled(control) || !::IsWindowVisible(control)) return false;
  return ::PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2)) &&
         ::PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

bool PostCommand(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  return dialog && ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(control)) != 0;
}

namespace {

// WM_KEYF1: what the system posts for a typed F1; the SDK headers leave it out.
constexpr UINT kKeyF1Message = 0x004D;

// Keys go to the focused control, where the dialog's own message loop
// (IsDialogMessage) turns Esc and Enter into commands.
HWND KeyTarget(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus &&
      (info.hwndFocus == window || ::IsChild(window, info.hwndFocus)))
    return info.hwndFocus;
  return window;
}

}  // namespace

bool PressKey(HWND window, WORD virtualKey) {
  if (!window) return false;
  HWND target = KeyTarget(window);
  const LPARAM scan = static_cast<LPARAM>(::MapVirtualKeyA(virtualKey, 0)) << 16;
  return ::PostMessageA(target, WM_KEYDOWN, virtualKey, scan | 1) &&
         ::PostMessageA(target, WM_KEYUP, virtualKey, scan | 1 | (1u << 30) | (1u << 31));
}

bool PressHelpKey(HWND window) {
  return window && ::PostMessageA(KeyTarget(window), kKeyF1Message, 0, 0);
}

bool PostClose(HWND window) { return window && ::PostMessageA(window, WM_CLOSE, 0, 0); }

// ---- Message boxes ----

std::optional<MessageBoxSeen> WaitForMessageBox(const Process& process, const std::string& title,
                                                Ms timeout) {
  HWND box = WaitForWindow(process, title, kDialogClass, timeout);
  if (!box) return std::nullopt;
  MessageBoxSeen seen;
  seen.window = box;
  seen.text = MessageBoxText(box);
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (text::EqualsNoCase(ClassName(child), "Button") && ::IsWindowVisible(child))
      seen.buttons.push_back(WindowText(child));
  }
  return seen;
}

std::string MessageBoxText(HWND box) { return ControlText(box, kMessageBoxTextId); }

bool AnswerMessageBox(HWND box, int buttonId, Ms timeout) {
  return ClickButton(box, buttonId) && WaitUntil([&] { return !::IsWindow(box); }, timeout);
}

// ---- Geometry ----

Rect WindowRect(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

Rect ClientRect(HWND window) {
  RECT r{};
  ::GetClientRect(window, &r);
  return {r.left, r.top, r.right, r.bottom};
}

Rect ControlRect(HWND dialog, int id) {
  HWND control = Control(dialog, id);
  if (!control) return {};
  RECT r{};
  ::GetWindowRect(control, &r);
  ::MapWindowPoints(HWND_DESKTOP, dialog, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right, r.bottom};
}

Rect DialogItemPixels(int x, int y, int width, int height, int baseX, int baseY) {
  const int left = ::MulDiv(x, baseX, 4);
  const int top = ::MulDiv(y, baseY, 8);
  return {left, top, left + ::MulDiv(width, baseX, 4), top + ::MulDiv(height, baseY, 8)};
}

// ---- Pictures ----

Size ScreenSize() { return {::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}; }

bool SaveScreenshot(const std::string& bmpPath, HWND window) {
  Rect area{0, 0, ScreenSize().width, ScreenSize().height};
  if (window) area = WindowRect(window);
  const int width = area.Width();
  const int height = area.Height();
  if (width <= 0 || height <= 0) return false;

  win32::WindowDc screen(nullptr);
  MemoryDc memory(screen.get());
  if (!screen.get() || !memory.get()) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as .bmp files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::BitmapHandle dib(
      ::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) return false;
  {
    win32::SelectObjectScope select(memory.get(), dib.get());
    if (!::BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top,
                  SRCCOPY | CAPTUREBLT))
      return false;
    ::GdiFlush();
  }

  const uint32_t stride = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  const uint32_t imageSize = stride * static_cast<uint32_t>(height);
  const uint32_t headersSize = 14 + 40;
  std::string header;
  header += "BM";
  WriteLittleEndian(header, headersSize + imageSize, 4);
  WriteLittleEndian(header, 0, 4);
  WriteLittleEndian(header, headersSize, 4);
  info.bmiHeader.biSizeImage = imageSize;
  header.append(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(BITMAPINFOHEADER));

  std::ofstream file(bmpPath, std::ios::binary | std::ios::trunc);
  file.write(header.data(), static_cast<std::streamsize>(header.size()));
  file.write(static_cast<const char*>(bits), static_cast<std::streamsize>(imageSize));
  return static_cast<bool>(file);
}

std::optional<Size> BitmapFileSize(const std::string& bmpPath) {
  std::ifstream file(bmpPath, std::ios::binary);
  unsigned char header[26] = {};
  if (!file.read(reinterpret_cast<char*>(header), sizeof header)) return std::nullopt;
  if (header[0] != 'B' || header[1] != 'M') return std::nullopt;
  auto le32 = [&](int at) {
    return static_cast<int32_t>(header[at] | (header[at + 1] << 8) | (header[at + 2] << 16) |
                                (static_cast<uint32_t>(header[at + 3]) << 24));
  };
  const int32_t height = le32(22);
  return Size{le32(18), height < 0 ? -height : height};
}

// ---- Paths ----

std::string WindowsPath(const std::string& path) {
  DWORD needed = ::GetFullPathNameA(path.c_str(), 0, nullptr, nullptr);
  if (needed == 0) return path;
  std::string full(needed, '\0');
  DWORD n = ::GetFullPathNameA(path.c_str(), needed, full.data(), nullptr);
  full.resize(n < needed ? n : 0);
  return full.empty() ? path : full;
}

}  // namespace e2e
