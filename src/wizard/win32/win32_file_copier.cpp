#include "wizard/win32/win32_file_copier.h"

#include <windows.h>

#include "config/autorun_writer.h"

namespace {

uint32_t LastErrorOr(DWORD fallback) {
  const DWORD error = ::GetLastError();
  return error != 0 ? error : fallback;
}

}  // namespace

// The copy lands beside the target under a temporary name and is renamed over
// it, so the target is always either the old file or the whole new one, even
// if the wizard is killed half-way. A stale temporary from such a kill is
// simply overwritten by the next copy.
uint32_t Win32FileCopier::CopyReplacing(const std::string& from, const std::string& to) {
  // A target that cannot be written (a starter running from the CD folder,
  // a read-only file) is reported with the system's own reason before any
  // copying, as a direct copy over it would.
  const DWORD attributes = ::GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) {
    // Windows refuses to write a read-only file; Wine as the superuser would
    // not, so ask first and behave the same on both.
    if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY))
      return ERROR_ACCESS_DENIED;
    HANDLE target = ::CreateFileA(to.c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (target == INVALID_HANDLE_VALUE) return LastErrorOr(ERROR_ACCESS_DENIED);
    ::CloseHandle(target);
  }
  const std::string temp = to + kAutorunTempSuffix;
  // A read-only file (copied from a CD) keeps its attribute: a stale one
  // would refuse to be overwritten or deleted.
  ::SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
  uint32_t error = 0;
  if (!::CopyFileA(from.c_str(), temp.c_str(), FALSE)) {
    error = LastErrorOr(ERROR_GEN_FAILURE);
  } else if (!::MoveFileExA(temp.c_str(), to.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = LastErrorOr(ERROR_GEN_FAILURE);
  }
  if (error != 0) {
    ::SetFileAttributesA(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(temp.c_str());
  }
  return error;
}
