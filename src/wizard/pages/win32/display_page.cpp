#include "wizard/pages/win32/display_page.h"

#include "wizard/pages/win32/image_chooser.h"
#include "wizard/win32/cd_files_window.h"

void DisplayPage::ShowCheckedMembers() { win32::ShowBindings(hwnd(), Bindings()); }

bool DisplayPage::SaveCheckedMembers() { return win32::SaveBindings(hwnd(), Bindings()); }

void DisplayPage::EnableItems(std::initializer_list<int> ids, bool enable) {
  for (int id : ids) ::EnableWindow(Item(id), enable ? TRUE : FALSE);
}

bool DisplayPage::IsChecked(int id) const {
  return ::IsDlgButtonChecked(hwnd(), id) == BST_CHECKED;
}

void DisplayPage::SetChecked(int id, bool checked) {
  ::CheckDlgButton(hwnd(), id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void DisplayPage::FillCombo(int id, std::span<const char* const> items) {
  for (const char* item : items) {
    ::SendDlgItemMessageA(hwnd(), id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  }
}

int DisplayPage::ComboIndex(int id) const {
  return static_cast<int>(::SendDlgItemMessageA(hwnd(), id, CB_GETCURSEL, 0, 0));
}

void DisplayPage::SetComboIndex(int id, int index) {
  ::SendDlgItemMessageA(hwnd(), id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

bool DisplayPage::SelectImage(int editId, std::string* image, bool allowUnconfigured, int maxSize) {
  ImageChoice choice;
  choice.image = *image;
  choice.allowUnconfigured = allowUnconfigured;
  if (maxSize > 0) choice.maxWidth = choice.maxHeight = maxSize;
  if (!ChooseImage(hwnd(), choice)) return false;
  *image = choice.image;
  SetItemText(editId, *image);
  return true;
}

bool Win32ImageFileChecks::RequireFile(const std::string& path, const std::string& label) {
  return cd_files_window::RequirePicture(owner_, path, label);
}

bool Win32ImageFileChecks::CheckChosenFile(const std::string& path, const std::string& label) {
  return cd_files_window::CheckChosenPicture(owner_, path, label);
}
