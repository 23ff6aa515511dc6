// The file-system and copier ports over POSIX, for the command-line tool on
// Linux. Paths come in the kit's form (Windows-1252, "\"); each name is
// matched to the folder's UTF-8 names as Windows would match it, without
// regard to case. Failures carry the Windows code of the same cause (112:
// disk full, 5: refused, 32: in use ...), so that the kit's texts apply.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/unix_paths.h"
#include "common/file_system.h"
#include "wizard/file_copier.h"

// The Windows code for an errno value.
uint32_t WindowsErrorCode(int error);

class PosixFiles : public FileSystem {
 public:
  explicit PosixFiles(UnixPaths& paths) : paths_(paths) {}

  // The Unix path a kit path leads to, names matched on disk; a name that is
  // not there is kept as written. Nullopt when the path leads nowhere here.
  struct Resolved {
    std::string path;
    bool exists = false;
  };
  std::optional<Resolved> Resolve(const std::string& kitPath) const;
  // The names in a Unix folder, without "." and "..".
  static std::vector<std::string> Entries(const std::string& unixFolder);

  std::string CurrentDirectory() const override;
  bool FindFile(const std::string& pattern) const override;
  bool ReadWholeFile(const std::string& path, std::string* contents) const override;
  bool ReadFileHead(const std::string& path, size_t maxBytes, std::string* contents) const override;
  bool Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const override;
  bool WriteWholeFile(const std::string& path, const std::string& contents) override;
  bool MoveReplacing(const std::string& from, const std::string& to) override;
  bool DeletePath(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;

  // The Windows code of the last write or rename that failed; removing a
  // temporary afterwards does not change it.
  uint32_t LastWriteError() const { return lastWriteError_; }
  UnixPaths& Paths() { return paths_; }

 private:
  bool Read(const std::string& path, size_t maxBytes, bool whole, std::string* contents) const;
  bool Failed(int error);

  UnixPaths& paths_;
  uint32_t lastWriteError_ = 0;
};

// Copies beside the target and renames over it, as the Windows copier does.
class PosixFileCopier : public FileCopier {
 public:
  explicit PosixFileCopier(PosixFiles& files) : files_(files) {}
  uint32_t CopyReplacing(const std::string& from, const std::string& to) override;

 private:
  PosixFiles& files_;
};
