// What the CD user sees of the starter: message boxes, the gates, the error
// dialogs, the splash and background windows, the selection list, and the
// "CloseWindow" event the windows share. The start-up sequence decides what to
// show and when; an implementation only shows it and reports the answer.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/opener_ui.h"
#include "common/os_handle.h"

// The welcome dialog's inputs, read from autorun.inf by the sequence.
struct WelcomeSettings {
  std::string title;
  std::string link;  // empty: no link
  bool usePicture = false;
  std::string picturePath;  // full path
  std::string pictureLocation;
  bool useText = false;
  std::string message;  // "<br>" still in it; the dialog breaks the lines
};

// The file selection list's inputs: three parallel lists, one entry per file.
struct SelectionSettings {
  std::vector<std::string> targets;
  std::vector<std::string> names;
  std::vector<std::string> programLists;
  bool reselect = false;
  std::string title;  // empty keeps the window's own caption
  std::string help;   // empty: the window's default prompt
  bool usePicture = false;
  std::string picturePath;
  std::string pictureLocation;
};

// Pumping messages and the wait cursor come from OpenerUi: the starter's
// openings keep its own windows answering.
class StarterUi : public OpenerUi {
 public:
  enum class Answer { kYes, kNo };

  virtual ~StarterUi() = default;

  // Message boxes titled with the starter's title, exclamation icon.
  virtual void ShowMessage(const std::string& text) = 0;
  virtual Answer AskYesNo(const std::string& text, Answer defaultButton) = 0;

  // Modal gates; true when the user chose to go on ("&Open CD", "&Yes").
  virtual bool RunWelcome(const WelcomeSettings& settings) = 0;
  virtual bool RunLicence(const std::string& agreementFile) = 0;

  // The two error dialogs, with their texts final.
  virtual void ShowError(const std::string& message, const std::string& fileLine,
                         const std::string& codeLine) = 0;
  virtual void ShowAuthorError(const std::string& url, const std::string& linkText,
                               const std::string& errorText, const std::string& codeLine) = 0;

  // The splash window. Create builds it from autorun.inf with "<FILE_NAME>"
  // replaced by `fileName` and shows it; true when a splash object exists
  // afterwards. Update refreshes its lines and, when `showAgain`, shows it
  // again and restarts its timers.
  virtual bool CreateSplash(const std::string& fileName) = 0;
  virtual void UpdateSplash(const std::string& fileName, bool showAgain) = 0;
  virtual bool SplashExists() const = 0;
  virtual int SplashShowForSeconds() const = 0;  // 0: never hides by itself
  virtual void RaiseSplash() = 0;                // to the foreground
  virtual void HideSplash() = 0;
  virtual void CloseSplash() = 0;  // destroys it; a later Create makes a new one
  virtual void SetSplashSignalOnHide(bool on) = 0;

  // The background overlay, built from autorun.inf and shown; true when it exists afterwards.
  virtual bool CreateBackground() = 0;
  virtual bool BackgroundExists() const = 0;
  virtual void SetBackgroundSignalOnHide(bool on) = 0;
  virtual void CloseBackground() = 0;

  // The shared manual-reset "CloseWindow" event. Create opens it (not set);
  // the handle is none until then and after Release.
  virtual void CreateCloseEvent() = 0;
  virtual void ResetCloseEvent() = 0;
  virtual void SetCloseEvent() = 0;
  virtual void ReleaseCloseEvent() = 0;
  virtual OsHandle CloseEventHandle() const = 0;

  // The selection list, modal. The window calls `openSelected` with the index
  // of the selected entry (-1: none) for "&Open" and a double click, and closes
  // when it returns true and reselection is off.
  using OpenSelectedFn = std::function<bool(int index)>;
  virtual void RunSelection(const SelectionSettings& settings,
                            const OpenSelectedFn& openSelected) = 0;
  // Disables the list and "&Open" while a picked file opens.
  virtual void DisableSelection() = 0;
};
