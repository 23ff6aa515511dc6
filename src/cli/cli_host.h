// What the command-line tool needs of the system it runs on: the file ports,
// how paths given on its command line become the kit's paths and back, where
// the kit's own starter is, and a terminal to show progress on. One
// implementation over Win32, one over POSIX.
#pragma once

#include <cstdint>
#include <string>

class FileCopier;
class FileSystem;
namespace cd_image {
class ImageFileSystem;
}

class CliHost {
 public:
  virtual ~CliHost() = default;

  virtual FileSystem& Files() = 0;
  virtual FileCopier& Copier() = 0;
  // The CD image's port; its paths are native (this system's text).
  virtual cd_image::ImageFileSystem& Images() = 0;
  // The Windows code of the last write or rename of Files() that failed.
  virtual uint32_t LastWriteError() = 0;

  // A path from the command line as an absolute path in the kit's form;
  // empty when it has none.
  virtual std::string FromArgument(const std::string& argument) = 0;
  // A kit path (absolute, or relative to a folder) as this system writes it.
  virtual std::string Shown(const std::string& kitPath) = 0;
  // A text of the kit (Windows-1252) in this system's encoding.
  virtual std::string Text(const std::string& ansi) = 0;

  enum class Kind { kMissing, kFile, kFolder, kUnreadable };
  virtual Kind Examine(const std::string& kitPath) = 0;

  // The kit's Vendisc.exe: the one beside the tool, else where the kit is
  // installed; empty when there is none.
  virtual std::string KitStarter() = 0;

  // A path from the command line as an absolute native path (for the image,
  // whose name need not have a Windows-1252 form); empty when it has none.
  virtual std::string NativeFromArgument(const std::string& argument) = 0;
  virtual Kind ExamineNative(const std::string& nativePath) = 0;
  // The Windows code for an error code of Images(), so that the kit's words apply.
  virtual uint32_t WindowsCode(uint32_t imageError) = 0;

  // Whether standard error is a terminal, and text written to it at once
  // (everything else the tool says is written when it ends).
  virtual bool ErrorIsTerminal() = 0;
  virtual void WriteErrorNow(const std::string& text) = 0;
};
