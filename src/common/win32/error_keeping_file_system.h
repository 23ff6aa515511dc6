// The Win32 file system that keeps the system's code of a failed write or
// rename: removing the temporary file afterwards would overwrite it. In a
// file of its own, so that a program that does not use it (the starter)
// does not carry it.
#pragma once

#include <cstdint>

#include "common/win32/win32_file_system.h"

class ErrorKeepingFileSystem : public Win32FileSystem {
 public:
  bool WriteWholeFile(const std::string& path, const std::string& contents) override;
  bool MoveReplacing(const std::string& from, const std::string& to) override;
  uint32_t lastError() const { return lastError_; }

 private:
  bool Keep(bool ok);
  uint32_t lastError_ = 0;
};
