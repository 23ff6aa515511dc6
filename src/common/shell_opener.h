// Opens a document, program, folder or URL through the shell, waits and
// lingers, and turns a failure code into a fixed plain-language message.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/os_handle.h"

class FileSystem;
class ShellPort;

// The two programs word the "file not found" message differently.
enum class OpenerWording { kStarter, kWizard };

// True when the text begins, ignoring case, with "http", "https", "mailto" or "ftp".
bool IsUrl(std::string_view text);

class ShellOpener {
 public:
  ShellOpener(ShellPort& shell, const FileSystem& fs,
              OpenerWording wording = OpenerWording::kStarter)
      : shell_(shell), fs_(fs), wording_(wording) {}

  // The one entry point for opening; sets the result code and message.
  bool OpenTarget(const std::string& target, const std::string& parameters, bool showMessage,
                  bool linger, bool wait);
  // Opens a URL; on failure shows a message box.
  bool BrowseTo(const std::string& url);
  bool PumpMessages();

  int32_t ResultCode() const { return resultCode_; }
  const std::string& Message() const { return message_; }
  void SetLingerTime(int32_t seconds) { lingerTime_ = seconds; }
  void SetCloseEvent(OsHandle event) { closeEvent_ = event; }

  // The message for a result code; empty for codes that count as success.
  // `quotedParameters` is the parameter text after quoting (two quotes when none).
  static std::string MessageFor(int32_t code, const std::string& target,
                                const std::string& quotedParameters, OpenerWording wording);

 private:
  void WaitForProcess(OsHandle process);

  ShellPort& shell_;
  const FileSystem& fs_;
  OpenerWording wording_;
  int32_t resultCode_ = -1;
  std::string message_;
  int32_t lingerTime_ = 0;
  OsHandle closeEvent_ = nullptr;
};
