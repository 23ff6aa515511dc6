// The standard open-file dialog, as every page of the wizard offers it: hide
// read-only, the path and the file must exist.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct OpenFileRequest {
  // "Name|patterns|Name|patterns|", as the pages hold their filters.
  const char* filter = "";
  // The file the dialog starts on (may be empty).
  std::string initialFile;
  // Where it starts without a file; empty for the system's choice (the
  // current directory, which is the kit's own folder).
  std::string initialFolder;
  // As a pattern ("*.inf"); "*.*" or null for none.
  const char* defaultExtension = nullptr;
  // Null for the system's title.
  const char* title = nullptr;
};

// The chosen path, or nothing when the author cancelled.
std::optional<std::string> AskOpenFile(HWND owner, const OpenFileRequest& request);

// The CD's folder as the settings hold it, where the wizard's file dialogs
// start; empty while none is set.
std::string CdFolder();
