// The file-system port over the Win32 API.
#pragma once

#include "common/file_system.h"

class Win32FileSystem : public FileSystem {
 public:
  std::string CurrentDirectory() const override;
  bool FindFile(const std::string& pattern) const override;
  bool ReadWholeFile(const std::string& path, std::string* contents) const override;
  bool ReadFileHead(const std::string& path, size_t maxBytes, std::string* contents) const override;
  bool Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const override;
  bool WriteWholeFile(const std::string& path, const std::string& contents) override;
  bool MoveReplacing(const std::string& from, const std::string& to) override;
  bool DeletePath(const std::string& path) override;
};
