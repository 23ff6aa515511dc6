// Failures the Windows side cannot make by itself, made from the Unix side
// of Wine: the tests run as the superuser, whom neither the read-only
// attribute nor Unix permissions stop, so writes are refused with the
// immutable attribute, and a full disk is a link to /dev/full.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// The Unix path of a Windows path; empty when not running under Wine.
std::string UnixPath(const std::string& windowsPath);

// Starts a Linux program (e.g. "/usr/bin/chattr") with the given arguments,
// each passed as one argument; true when it was started. Wine gives no exit
// code of such a program: callers wait for its effect.
bool StartUnixProgram(const std::string& program, const std::vector<std::string>& arguments);

// Runs a shell script on the Unix side and waits up to `timeoutMs` for it:
// true when it ended with success.
bool RunUnixScript(const std::string& script, int timeoutMs);
// A Unix path quoted for such a script.
std::string ShellQuoted(const std::string& unixPath);

// The prefix's CD drive (tools/wine-env.sh): a folder that Wine shows as a
// CD-ROM drive, where a scenario unpacks a CD image to play it.
inline constexpr const char* kCdDrive = "R:\\";

// While it lives, nothing in the folder or the file `windowsPath` may be
// written, created, renamed or deleted (the Unix immutable attribute).
class WritesRefused {
 public:
  explicit WritesRefused(const std::string& windowsPath);
  WritesRefused(const WritesRefused&) = delete;
  WritesRefused& operator=(const WritesRefused&) = delete;
  ~WritesRefused();
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
};

// While it lives, `windowsPath` (which must not exist before) is a link to
// /dev/full: every write through it ends with "disk full" (112). Wine cannot
// delete such a link itself, so it is removed from the Unix side.
class FullDiskLink {
 public:
  explicit FullDiskLink(const std::string& windowsPath);
  FullDiskLink(const FullDiskLink&) = delete;
  FullDiskLink& operator=(const FullDiskLink&) = delete;
  ~FullDiskLink();
  bool ok() const { return ok_; }

 private:
  std::string path_;
  bool ok_ = false;
};

}  // namespace e2e
