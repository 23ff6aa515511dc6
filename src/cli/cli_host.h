// What the command-line tool needs of the system it runs on: the file ports,
// how paths given on its command line become the kit's paths and back, and
// where the kit's own starter is. One implementation over Win32, one over
// POSIX.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class FileCopier;
class FileSystem;

class CliHost {
 public:
  virtual ~CliHost() = default;

  virtual FileSystem& Files() = 0;
  virtual FileCopier& Copier() = 0;
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

  // Names anywhere below the folder that Windows would take for one: each
  // group as paths relative to the folder, in the kit's form. Empty on a
  // system that compares names as Windows does.
  virtual std::vector<std::vector<std::string>> CaseClashes(const std::string& kitFolder) = 0;
};
