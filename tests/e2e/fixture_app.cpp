// A small program for testing the end-to-end driver: a Yes/No message box,
// then a form whose outcome the exit code reports.
//   "No" in the first box          10
//   "&Cancel" or Esc in the form   30
//   "&Done"                        20 + (selected entry + 1, or 0)
//                                  + 100 when the name was edited
// and 1000 more when "&More..." showed its message box first.
// The box names the command-line arguments; the form shows the current
// folder and the FIXTURE_NAME environment variable.
#include <windows.h>

#include <string>

#include "fixture_ids.h"

namespace {

constexpr const char* kTitle = "ZoruZaz AZ";
constexpr const char* kItems[] = {"Alpha", "Beta", "Gamma", "Caf\xE9"};

struct FormState {
  std::string initialName;
  bool moreShown = false;
};

std::string Text(HWND window) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(
      static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::string ArgumentsOf(const char* commandLine) {
  const char* p = commandLine;
  if (*p == '"') {
    ++p;
    while (*p && *p != '"') ++p;
    if (*p) ++p;
  } else {
    while (*p && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

INT_PTR CALLBACK FormProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<FormState*>(GetWindowLongPtrA(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrA(dialog, DWLP_USER, lParam);
      state = reinterpret_cast<FormState*>(lParam);
      char folder[MAX_PATH] = {};
      GetCurrentDirectoryA(MAX_PATH, folder);
      SetDlgItemTextA(dialog, IDT_FOLDER, folder);
      SetDlgItemTextA(dialog, IDE_NAME, state->initialName.c_str());
      for (const char* item : kItems)
        SendDlgItemMessageA(dialog, IDL_ITEMS, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
      return TRUE;
    }
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDB_MORE:
          MessageBoxA(dialog, "More was pressed.", kTitle, MB_OK | MB_ICONEXCLAMATION);
          state->moreShown = true;
          return TRUE;
        case IDOK: {
          const LRESULT selected = SendDlgItemMessageA(dialog, IDL_ITEMS, LB_GETCURSEL, 0, 0);
          const bool edited = Text(GetDlgItem(dialog, IDE_NAME)) != state->initialName;
          EndDialog(dialog, 20 + (selected == LB_ERR ? 0 : selected + 1) + (edited ? 100 : 0) +
                                (state->moreShown ? 1000 : 0));
          return TRUE;
        }
        case IDCANCEL:
          EndDialog(dialog, 30 + (state->moreShown ? 1000 : 0));
          return TRUE;
      }
      break;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  const std::string question = "Open the form for " + ArgumentsOf(GetCommandLineA()) + "?";
  if (MessageBoxA(nullptr, question.c_str(), kTitle,
                  MB_YESNO | MB_ICONEXCLAMATION | MB_DEFBUTTON2) != IDYES)
    return 10;
  FormState state;
  char name[256] = {};
  DWORD n = GetEnvironmentVariableA("FIXTURE_NAME", name, sizeof name);
  state.initialName = (n > 0 && n < sizeof name) ? name : "nobody";
  return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_FORM), nullptr, FormProc,
                                          reinterpret_cast<LPARAM>(&state)));
}
