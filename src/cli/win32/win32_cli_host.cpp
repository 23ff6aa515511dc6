#include "cli/win32/win32_cli_host.h"

#include <windows.h>

#include <cstdio>

#include "common/file_path.h"
#include "common/registry_store.h"
#include "common/win32/win32_registry_backend.h"
#include "config/autorun_writer.h"
#include "wizard/wizard_values.h"

namespace {

// The kit's starter in `folder`, when it is there.
std::string StarterIn(const std::string& folder, const FileSystem& fs) {
  if (folder.empty()) return std::string();
  FilePath path(folder + "\\");
  path.SetName(kDefaultStarterName);
  return fs.FindFile(path.FullPath()) ? path.FullPath() : std::string();
}

// InstallPath as the kit's installer recorded it; read only, never written.
std::string InstallPath() {
  Win32RegistryBackend registry;
  RegistryKey key = nullptr;
  if (!registry.OpenKey(RegistryRoot::kLocalMachine, kRegistryBasePath, RegistryAccess::kReadOnly,
                        &key)) {
    return std::string();
  }
  std::string value;
  registry.QueryValue(key, wizard_settings::kInstallPath, RegistryStore::kTextBufferSize, &value);
  registry.CloseKey(key);
  return value.substr(0, value.find('\0'));
}

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && ::GetConsoleMode(handle, &mode);
}

}  // namespace

void WriteStandard(bool error, const std::string& text) {
  if (text.empty()) return;
  const HANDLE handle = ::GetStdHandle(error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
  if (IsConsole(handle)) {
    std::wstring wide(text.size(), L'\0');
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                        wide.data(), static_cast<int>(wide.size()));
    DWORD written = 0;
    if (n > 0 && ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(n), &written, nullptr)) {
      return;
    }
  }
  FILE* stream = error ? stderr : stdout;
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

bool Win32CliHost::ErrorIsTerminal() { return IsConsole(::GetStdHandle(STD_ERROR_HANDLE)); }

std::string Win32CliHost::FromArgument(const std::string& argument) {
  if (argument.empty() || argument.size() > kMaxPathChars) return std::string();
  char full[MAX_PATH + 1] = {};
  const DWORD n = ::GetFullPathNameA(argument.c_str(), MAX_PATH, full, nullptr);
  if (n == 0 || n > MAX_PATH) return std::string();
  return std::string(full, n);
}

CliHost::Kind Win32CliHost::Examine(const std::string& kitPath) {
  const DWORD attributes = ::GetFileAttributesA(kitPath.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Kind::kMissing;
  if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return Kind::kFile;
  WIN32_FIND_DATAA data;
  const HANDLE find = ::FindFirstFileA((FilePath(kitPath + "\\").Folder() + "*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return Kind::kUnreadable;
  ::FindClose(find);
  return Kind::kFolder;
}

std::string Win32CliHost::KitStarter() {
  char self[MAX_PATH + 1] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string beside = n > 0 && n < MAX_PATH ? FilePath(std::string(self, n)).Folder() : "";
  std::string starter = StarterIn(beside, files_);
  return starter.empty() ? StarterIn(InstallPath(), files_) : starter;
}
