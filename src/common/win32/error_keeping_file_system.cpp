#include "common/win32/error_keeping_file_system.h"

#include <windows.h>

bool ErrorKeepingFileSystem::WriteWholeFile(const std::string& path, const std::string& contents) {
  return Keep(Win32FileSystem::WriteWholeFile(path, contents));
}

bool ErrorKeepingFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
  return Keep(Win32FileSystem::MoveReplacing(from, to));
}

bool ErrorKeepingFileSystem::Keep(bool ok) {
  if (!ok) lastError_ = ::GetLastError();
  return ok;
}
