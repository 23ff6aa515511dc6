#include "wizard/win32/file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "wizard/pages/image_chooser_rules.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {
// The largest path the dialog hands back.
constexpr DWORD kPathChars = 32768;

// "*.inf" as the dialog wants it ("inf"); "*.*" is no default at all.
const char* DefaultExtension(const char* pattern) {
  if (pattern == nullptr) return nullptr;
  if (pattern[0] == '*' && pattern[1] == '.') pattern += 2;
  return pattern[0] == '\0' || pattern[0] == '*' ? nullptr : pattern;
}
}  // namespace

std::optional<std::string> AskOpenFile(HWND owner, const OpenFileRequest& request) {
  // The dialog takes its filter with zeros for the "|" separators, ending in two.
  std::string filter(request.filter);
  for (char& c : filter) {
    if (c == '|') c = '\0';
  }
  filter += '\0';
  std::vector<char> file(kPathChars, '\0');
  request.initialFile.copy(file.data(), file.size() - 1);
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrDefExt = DefaultExtension(request.defaultExtension);
  dialog.lpstrTitle = request.title;
  if (!request.initialFolder.empty()) dialog.lpstrInitialDir = request.initialFolder.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  if (!::GetOpenFileNameA(&dialog)) return std::nullopt;
  return std::string(file.data());
}

std::string CdFolder() {
  WizardSettings settings(WizardApp::Current().Registry());
  return image_chooser::SourceFolder(settings);
}
