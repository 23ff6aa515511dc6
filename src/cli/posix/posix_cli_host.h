// The command-line tool's system on Linux: UTF-8 names matched to
// autorun.inf's Windows-1252 ones without regard to case.
#pragma once

#include "cli/cli_host.h"
#include "cli/posix/posix_files.h"
#include "cli/unix_paths.h"

class PosixCliHost : public CliHost {
 public:
  FileSystem& Files() override { return files_; }
  FileCopier& Copier() override { return copier_; }
  uint32_t LastWriteError() override { return files_.LastWriteError(); }
  std::string FromArgument(const std::string& argument) override;
  std::string Shown(const std::string& kitPath) override;
  std::string Text(const std::string& ansi) override;
  Kind Examine(const std::string& kitPath) override;
  std::string KitStarter() override;
  std::vector<std::vector<std::string>> CaseClashes(const std::string& kitFolder) override;

 private:
  UnixPaths paths_;
  PosixFiles files_{paths_};
  PosixFileCopier copier_{files_};
};
