#include "common/shell_opener.h"

#include <optional>

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/opener_ui.h"
#include "common/shell_port.h"
#include "common/text.h"

namespace {

// Slices of every wait, so that the caller's windows keep answering.
constexpr int kProcessSliceMs = 50;
constexpr int kLingerSliceMs = 100;
constexpr int32_t kDefaultLingerSeconds = 5;
// The shell returns a value above this on success and an error code otherwise.
constexpr int32_t kShellSuccessAbove = 32;

// A failure whose code has no plain-language text of its own still has to
// read as a failure; the box around it shows the code.
constexpr const char* kUnlistedFailure = "The file could not be opened.";

std::string NotFoundMessage(const std::string& target, const std::string& quotedParameters,
                            OpenerWording wording) {
  const bool withParameters = quotedParameters.size() > 2;
  if (wording == OpenerWording::kWizard) {
    if (withParameters) {
      return "The specified file was not found.  This could be either the file \"" + target +
             "\"\r\nor " + quotedParameters + ".";
    }
    return "The specified file '" + target + "' was not found.";
  }
  if (withParameters) {
    return "The specified file or folder was not found.  This could be either the file / "
           "folder \"" +
           target + "\"\r\nor " + quotedParameters + ".";
  }
  return "The specified file or folder '" + target + "' was not found.";
}

}  // namespace

std::string ShellOpener::MessageFor(int32_t code, const std::string& target,
                                    const std::string& quotedParameters, OpenerWording wording) {
  switch (code) {
    case 0:
      return "The operating system is out of memory or resources.  The file you are opening is "
             "probably too large - or you need to reboot your system.";
    case 2:
      return NotFoundMessage(target, quotedParameters, wording);
    case 3:
      return "The directory specified was not found.";
    case 5:
      return "The operating system denied access to the specified file.";
    case 8:
      return "There was not enough memory to complete the operation.";
    case 11:
      // 0xAE is the registered sign in code page 1252.
      return "The .exe file is invalid (non-Win32\xAE .exe or error in .exe image).";
    case 26:
      return "A sharing violation occurred.  This could be the file is already open elsewhere - "
             "try closing first, then running again.";
    case 27:
      return "The file name association is incomplete or invalid.  If you have not specified a "
             "Force Execute with application, if appropriate, specify one.";
    case 28:
      return "The DDE transaction could not be completed because the request timed out.";
    case 29:
      return "The DDE transaction failed.";
    case 30:
      return "The DDE transaction could not be completed because other DDE transactions were "
             "being processed.";
    case 31:
      return "No software could be found to open the file.  For example, if you are trying to "
             "open a PDF file, you need to have software installed on this machine that can "
             "open and view PDF files.  To fix this problem, please locate suitable software to "
             "view this file.";
    case 32:
      return "A system critical file could not be located - the specified dynamic-link library "
             "was not found.";
    default:
      return std::string();
  }
}

bool ShellOpener::OpenTarget(const std::string& targetIn, const std::string& parametersIn,
                             bool linger, bool wait) {
  lastTarget_ = targetIn;
  lastParameters_ = parametersIn;
  std::optional<int64_t> startTime;

  const std::string target = TidyPath(ResolveRootedPath(targetIn, FilePath::CurrentDirectory(fs_)));
  const std::string parameters = TidyParameters(parametersIn);
  const std::string quoted = "\"" + parameters + "\"";

  const FilePath path(target);
  // A folder opens in a shell window that does not end with the user's work:
  // waiting for it would never end.
  if (path.Name().empty() && !IsUrl(target)) wait = false;
  bool callFailed = false;
  resultCode_ = -1;
  if (target.size() > kMaxPathChars || parameters.size() > kMaxPathChars) {
    // The shell copies the path into a buffer of the path limit; a longer one
    // overruns it. No such file can exist, so it is reported as not found.
    resultCode_ = 2;
    callFailed = true;
  } else if (parameters.empty() && !path.Name().empty() && !IsUrl(target) &&
             !fs_.FindFile(target)) {
    // Nothing to start: say so without bothering the shell.
    resultCode_ = 2;
    callFailed = true;
  } else if (!parameters.empty() || (wait && !text::EqualsNoCase(path.Extension(), "exe"))) {
    // Parameters need ShellExecuteEx; so does waiting for a document's program.
    if (wait) startTime = shell_.NowSeconds();
    const ShellPort::ExecResult result =
        shell_.ShellOpenEx(target, parameters.empty() ? std::string() : quoted);
    if (result.ok && wait && result.process) WaitForProcess(result.process);
    // A handle we did not wait on is of no use to anyone; do not leak it.
    if (result.process) shell_.CloseHandle(result.process);
    resultCode_ = result.instance;
    callFailed = !result.ok;
  } else if (text::EqualsNoCase(path.Extension(), "exe")) {
    if (wait) startTime = shell_.NowSeconds();
    // A program starts in its own folder; a bare name is in the current directory.
    const std::string folder =
        target.find_first_of("\\/") == std::string::npos ? fs_.CurrentDirectory() : path.Folder();
    OsHandle process = nullptr;
    int32_t error = 0;
    if (shell_.StartProcess(target, folder, &process, &error)) {
      if (wait && process) WaitForProcess(process);
      if (process) shell_.CloseHandle(process);
    } else {
      resultCode_ = error;
      callFailed = true;
    }
  } else {
    resultCode_ = shell_.ShellOpen(target, fs_.CurrentDirectory());
    callFailed = resultCode_ >= 0 && resultCode_ <= kShellSuccessAbove;
  }

  ui_.PumpMessages();
  message_ = MessageFor(resultCode_, target, quoted, wording_);
  if (message_.empty() && callFailed) message_ = kUnlistedFailure;
  const bool success = message_.empty();

  if (linger && success) {
    const int64_t seconds = lingerTime_ < 1 ? kDefaultLingerSeconds : lingerTime_;
    const int64_t from = startTime ? *startTime : shell_.NowSeconds();
    while (shell_.NowSeconds() < from + seconds) {
      if (closeEvent_) {
        if (shell_.Wait(nullptr, closeEvent_, kLingerSliceMs) != ShellPort::WaitResult::kTimeout) {
          break;
        }
      } else {
        // Nothing can end the linger early; sleep rather than spin.
        shell_.Sleep(kLingerSliceMs);
      }
      ui_.PumpMessages();
    }
  }
  return success;
}

void ShellOpener::WaitForProcess(OsHandle process) {
  while (shell_.Wait(process, closeEvent_, kProcessSliceMs) == ShellPort::WaitResult::kTimeout) {
    ui_.PumpMessages();
  }
}

bool ShellOpener::BrowseTo(const std::string& url) {
  ui_.SetWaitCursor(true);
  const bool opened = OpenTarget(url, std::string(), false, false);
  ui_.SetWaitCursor(false);
  return opened;
}

std::string ShellOpener::CodeAndMessage() const {
  return text::Format("Error code: %d\nMessage: %s", resultCode_, message_.c_str());
}

std::string ShellOpener::OpenFailureText() const {
  return "Failed to open " + text::Format("%s %s", lastTarget_.c_str(), lastParameters_.c_str()) +
         ", error message displayed below:\n\n" + CodeAndMessage();
}

std::string ShellOpener::BrowseFailureText() const {
  return "It was not possible to browse to the URL '" + lastTarget_ +
         "' at this time.  Reason appears below:\n\n" + CodeAndMessage();
}

bool ShellOpener::PumpMessages() { return ui_.PumpMessages(); }
