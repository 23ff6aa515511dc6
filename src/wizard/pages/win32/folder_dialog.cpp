#include "wizard/pages/win32/folder_dialog.h"

#include <objbase.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <shlobj.h>

#include <string>

#include "common/text.h"
#include "wizard/pages/image_chooser_texts.h"

namespace {
namespace t = image_chooser_texts;

// Frees a shell item list at scope end.
class ItemList {
 public:
  explicit ItemList(LPITEMIDLIST list) : list_(list) {}
  ItemList(const ItemList&) = delete;
  ItemList& operator=(const ItemList&) = delete;
  ~ItemList() {
    if (list_) ::CoTaskMemFree(list_);
  }
  LPITEMIDLIST get() const { return list_; }

 private:
  LPITEMIDLIST list_;
};

std::wstring Wide(const char* text) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length > 0 ? length : 1), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), length);
  return wide;
}

}  // namespace

int CALLBACK CFolderDialog::Callback(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message != BFFM_INITIALIZED) return 0;
  auto* self = reinterpret_cast<CFolderDialog*>(data);
  if (!self->start_.empty()) {
    ::SendMessageA(window, BFFM_SETSELECTIONA, TRUE,
                   reinterpret_cast<LPARAM>(self->start_.c_str()));
    // Some trees select the folder without scrolling to it.
    if (HWND tree = ::FindWindowExA(window, nullptr, WC_TREEVIEWA, nullptr)) {
      TreeView_EnsureVisible(tree, TreeView_GetSelection(tree));
    }
  }
  const std::wstring select = Wide(t::kFolderDialogSelect);
  ::SendMessageW(window, BFFM_SETOKTEXT, 0, reinterpret_cast<LPARAM>(select.c_str()));
  ::SetWindowTextA(window, t::kFolderDialogTitle);
  return 0;
}

INT_PTR CFolderDialog::DoModal(HWND owner) {
  // The shell names a folder without a last backslash, but for a drive root.
  start_ = text::Trim(folder_);
  while (start_.size() > 3 && start_.back() == '\\') start_.pop_back();
  if (start_.empty()) {
    char current[MAX_PATH] = {};
    const DWORD length = ::GetCurrentDirectoryA(sizeof current, current);
    if (length > 0 && length < sizeof current) start_.assign(current, length);
  }

  BROWSEINFOA info{};
  info.hwndOwner = owner;
  info.lpszTitle = t::kFolderDialogPrompt;
  // Only folders of the file system: the answer must be a path.
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = Callback;
  info.lParam = reinterpret_cast<LPARAM>(this);
  ItemList chosen(::SHBrowseForFolderA(&info));
  if (!chosen.get()) return IDCANCEL;
  char path[MAX_PATH] = {};
  if (!::SHGetPathFromIDListA(chosen.get(), path) || path[0] == '\0') return IDCANCEL;
  folder_ = path;
  return IDOK;
}
