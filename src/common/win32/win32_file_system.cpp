#include "common/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>

#include "common/file_path.h"
#include "common/win32/handles.h"

namespace {

// The file calls get no path longer than Windows takes: a CD's value can be
// thousands of characters, and some implementations of these calls copy the
// name into a buffer of the path limit. Such a file cannot exist anyway.
bool TooLong(const std::string& path) { return path.size() > kMaxPathChars; }

}  // namespace

std::string Win32FileSystem::CurrentDirectory() const {
  // A zero-filled buffer of MAX_PATH characters, as the kit has always read it.
  char buffer[MAX_PATH + 1] = {};
  DWORD n = GetCurrentDirectoryA(MAX_PATH, buffer);
  if (n == 0 || n > MAX_PATH) return std::string();
  return std::string(buffer, n);
}

bool Win32FileSystem::FindFile(const std::string& pattern) const {
  if (TooLong(pattern)) return false;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return false;
  FindClose(find);
  return true;
}

namespace {

// Reads the first `maxBytes` of a file (the whole file when it is shorter).
// With `whole`, a longer file is a failure instead. The buffer never grows
// past `maxBytes`, whatever size the file claims.
bool ReadStart(const std::string& path, uint64_t maxBytes, bool whole, std::string* contents) {
  if (TooLong(path)) return false;
  win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return false;
  const uint64_t fileSize = static_cast<uint64_t>(size.QuadPart);
  if (whole && fileSize > maxBytes) return false;
  std::string data(static_cast<size_t>(std::min(fileSize, maxBytes)), '\0');
  size_t done = 0;
  while (done < data.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
    DWORD got = 0;
    if (!::ReadFile(file.get(), data.data() + done, chunk, &got, nullptr)) return false;
    if (got == 0) break;
    done += got;
  }
  data.resize(done);
  *contents = std::move(data);
  return true;
}

}  // namespace

bool Win32FileSystem::ReadWholeFile(const std::string& path, std::string* contents) const {
  // A 32-bit process cannot hold more in one string.
  return ReadStart(path, 0x7FFFFFFF, true, contents);
}

bool Win32FileSystem::ReadFileHead(const std::string& path, size_t maxBytes,
                                   std::string* contents) const {
  return ReadStart(path, maxBytes, false, contents);
}

bool Win32FileSystem::Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const {
  if (TooLong(path)) return false;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return false;
  *size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  *writeTime = (static_cast<uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
               data.ftLastWriteTime.dwLowDateTime;
  return true;
}

bool Win32FileSystem::WriteWholeFile(const std::string& path, const std::string& contents) {
  if (TooLong(path)) return false;
  win32::FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  size_t done = 0;
  while (done < contents.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file.get(), contents.data() + done, chunk, &written, nullptr) ||
        written != chunk) {
      return false;
    }
    done += written;
  }
  return FlushFileBuffers(file.get()) != 0;
}

bool Win32FileSystem::MoveReplacing(const std::string& from, const std::string& to) {
  if (TooLong(from) || TooLong(to)) return false;
  // Windows refuses to replace a read-only file; Wine renames over it, so ask
  // first and behave the same on both.
  DWORD attributes = GetFileAttributesA(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  return MoveFileExA(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool Win32FileSystem::DeletePath(const std::string& path) {
  if (TooLong(path)) return false;
  return ::DeleteFileA(path.c_str()) != 0;
}
