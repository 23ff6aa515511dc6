// The command-line tool's system on Linux: UTF-8 names matched to
// autorun.inf's Windows-1252 ones without regard to case.
#pragma once

#include <memory>
#include <string>

#include "cli/cli_host.h"
#include "cli/posix/posix_files.h"
#include "cli/unix_paths.h"
#include "image/image_file_system.h"

// Writes all of `text` to a file descriptor, as far as it takes it.
void WriteAll(int fd, const std::string& text);

class PosixCliHost : public CliHost {
 public:
  FileSystem& Files() override { return files_; }
  FileCopier& Copier() override { return copier_; }
  cd_image::ImageFileSystem& Images() override { return *images_; }
  uint32_t LastWriteError() override { return files_.LastWriteError(); }
  std::string FromArgument(const std::string& argument) override;
  std::string Shown(const std::string& kitPath) override;
  std::string Text(const std::string& ansi) override;
  Kind Examine(const std::string& kitPath) override;
  std::string KitStarter() override;
  std::string NativeFromArgument(const std::string& argument) override;
  Kind ExamineNative(const std::string& nativePath) override;
  uint32_t WindowsCode(uint32_t imageError) override;
  bool ErrorIsTerminal() override;
  void WriteErrorNow(const std::string& text) override;

 private:
  UnixPaths paths_;
  PosixFiles files_{paths_};
  PosixFileCopier copier_{files_};
  std::unique_ptr<cd_image::ImageFileSystem> images_ = cd_image::MakeNativeImageFileSystem();
};
