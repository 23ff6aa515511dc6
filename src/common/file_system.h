// The file-system port: the few file operations the portable code needs.
// The Win32 implementation is in win32/; tests use an in-memory fake.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The process's current directory (no trailing "\" except at a drive root).
  virtual std::string CurrentDirectory() const = 0;
  // A file search (FindFirstFile) for `pattern` finds at least one match.
  virtual bool FindFile(const std::string& pattern) const = 0;
  // Reads a whole file; false when it cannot be opened or read.
  virtual bool ReadWholeFile(const std::string& path, std::string* contents) const = 0;
  // Reads at most `maxBytes` from the start of a file, so that a huge file
  // costs no more memory than that; false when it cannot be opened or read.
  virtual bool ReadFileHead(const std::string& path, size_t maxBytes,
                            std::string* contents) const = 0;
  // Size and last-write time; false when the file cannot be examined.
  virtual bool Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const = 0;
  // Creates or truncates `path` and writes `contents`; false on any failure.
  virtual bool WriteWholeFile(const std::string& path, const std::string& contents) = 0;
  // Renames `from` to `to`, replacing an existing `to`.
  virtual bool MoveReplacing(const std::string& from, const std::string& to) = 0;
  virtual bool DeletePath(const std::string& path) = 0;
  // Makes the folder `path` (its parent must exist); true when it exists afterwards.
  virtual bool CreateFolder(const std::string& path) = 0;
};
