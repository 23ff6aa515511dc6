// Opens a document, program, folder or URL through the shell, waits and
// lingers, and turns a failure code into a fixed plain-language message.
// It only reports: the caller decides whether and how to show a failure.
#pragma once

#include <cstdint>
#include <string>

#include "common/file_path.h"  // IsUrl, which callers of the opener use too
#include "common/os_handle.h"

class FileSystem;
class OpenerUi;
class ShellPort;

// The two programs word the "file not found" message differently.
enum class OpenerWording { kStarter, kWizard };

class ShellOpener {
 public:
  ShellOpener(ShellPort& shell, OpenerUi& ui, const FileSystem& fs,
              OpenerWording wording = OpenerWording::kStarter)
      : shell_(shell), ui_(ui), fs_(fs), wording_(wording) {}

  // The one entry point for opening; sets the result code and message.
  bool OpenTarget(const std::string& target, const std::string& parameters, bool linger, bool wait);
  // Opens a URL under the wait cursor.
  bool BrowseTo(const std::string& url);
  bool PumpMessages();

  int32_t ResultCode() const { return resultCode_; }
  const std::string& Message() const { return message_; }
  void SetLingerTime(int32_t seconds) { lingerTime_ = seconds; }
  void SetCloseEvent(OsHandle event) { closeEvent_ = event; }

  // What a caller shows after OpenTarget failed: the target and parameters
  // as they were passed in, the result code and the message.
  std::string OpenFailureText() const;
  // What a caller shows after BrowseTo failed.
  std::string BrowseFailureText() const;

  // The message for a result code; empty for codes that count as success.
  // `quotedParameters` is the parameter text after quoting (two quotes when none).
  static std::string MessageFor(int32_t code, const std::string& target,
                                const std::string& quotedParameters, OpenerWording wording);

 private:
  void WaitForProcess(OsHandle process);
  std::string CodeAndMessage() const;

  ShellPort& shell_;
  OpenerUi& ui_;
  const FileSystem& fs_;
  OpenerWording wording_;
  int32_t resultCode_ = -1;
  std::string message_;
  int32_t lingerTime_ = 0;
  OsHandle closeEvent_ = nullptr;
  // The last opening's target and parameters as passed in, for the failure texts.
  std::string lastTarget_;
  std::string lastParameters_;
};
