// The command-line tool's system on Windows: the Win32 file ports the wizard
// uses, and the kit's starter beside the tool or where the kit is installed.
#pragma once

#include "cli/cli_host.h"
#include "common/win32/error_keeping_file_system.h"
#include "wizard/win32/win32_file_copier.h"

class Win32CliHost : public CliHost {
 public:
  FileSystem& Files() override { return files_; }
  FileCopier& Copier() override { return copier_; }
  uint32_t LastWriteError() override { return files_.lastError(); }
  std::string FromArgument(const std::string& argument) override;
  std::string Shown(const std::string& kitPath) override { return kitPath; }
  std::string Text(const std::string& ansi) override { return ansi; }
  Kind Examine(const std::string& kitPath) override;
  std::string KitStarter() override;
  // Windows keeps no two names that differ only in case.
  std::vector<std::vector<std::string>> CaseClashes(const std::string&) override { return {}; }

 private:
  ErrorKeepingFileSystem files_;
  Win32FileCopier copier_;
};
