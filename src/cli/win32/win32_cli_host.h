// The command-line tool's system on Windows: the Win32 file ports the wizard
// uses, and the kit's starter beside the tool or where the kit is installed.
#pragma once

#include <memory>
#include <string>

#include "cli/cli_host.h"
#include "common/win32/error_keeping_file_system.h"
#include "image/image_file_system.h"
#include "wizard/win32/win32_file_copier.h"

// ANSI text to standard output or error: to a console in its own characters
// (a console shows the OEM code page), to a file or a pipe as it is.
void WriteStandard(bool error, const std::string& text);

class Win32CliHost : public CliHost {
 public:
  FileSystem& Files() override { return files_; }
  FileCopier& Copier() override { return copier_; }
  cd_image::ImageFileSystem& Images() override { return *images_; }
  uint32_t LastWriteError() override { return files_.lastError(); }
  std::string FromArgument(const std::string& argument) override;
  std::string Shown(const std::string& kitPath) override { return kitPath; }
  std::string Text(const std::string& ansi) override { return ansi; }
  Kind Examine(const std::string& kitPath) override;
  std::string KitStarter() override;
  // Native paths are the kit's, and so are the image's codes.
  std::string NativeFromArgument(const std::string& argument) override {
    return FromArgument(argument);
  }
  Kind ExamineNative(const std::string& nativePath) override { return Examine(nativePath); }
  uint32_t WindowsCode(uint32_t imageError) override { return imageError; }
  bool ErrorIsTerminal() override;
  void WriteErrorNow(const std::string& text) override { WriteStandard(true, text); }

 private:
  ErrorKeepingFileSystem files_;
  Win32FileCopier copier_;
  std::unique_ptr<cd_image::ImageFileSystem> images_ = cd_image::MakeNativeImageFileSystem();
};
