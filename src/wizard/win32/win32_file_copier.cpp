#include "wizard/win32/win32_file_copier.h"

#include <windows.h>

uint32_t Win32FileCopier::CopyReplacing(const std::string& from, const std::string& to) {
  if (::CopyFileA(from.c_str(), to.c_str(), FALSE)) return 0;
  const DWORD error = ::GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}
