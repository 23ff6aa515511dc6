// Checking a file the author has just chosen, and the test run: the CD
// files are created and the starter is started from the source folder as
// Windows AutoRun would start it from the CD.
#pragma once

#include <string>

class CdFiles;
class FileSystem;
class RegistryBackend;
class ShellOpener;
class WizardQuestions;
class WizardSettings;

// CD writing software may cut longer names: paths longer than this warn.
inline constexpr size_t kLongestSafePath = 60;

// How the author left the file name length warning.
struct LengthWarningAnswer {
  bool ok = false;             // OK rather than Cancel
  bool dontWarnAgain = false;  // "I understand this and it does not affect me ..."
};
class LengthWarningUi {
 public:
  virtual ~LengthWarningUi() = default;
  virtual LengthWarningAnswer ShowLengthWarning() = 0;
};

// False only when the author cancels the warning; OK with the box ticked
// switches the warning off for good.
bool CheckFileNameLength(WizardSettings& settings, const std::string& path, LengthWarningUi& ui);
// The length warning, then that the file exists (without the continue question).
bool CheckChosenFile(WizardSettings& settings, CdFiles& cdFiles, LengthWarningUi& ui,
                     const std::string& path, const std::string& label);
// The same for an image: it must also be a picture the CD can show.
bool CheckChosenPicture(WizardSettings& settings, CdFiles& cdFiles, LengthWarningUi& ui,
                        const std::string& path, const std::string& label);

// What the test run needs of the window that runs it.
class TestRunUi {
 public:
  virtual ~TestRunUi() = default;
  // Creating the CD files, with the wizard's questions and problem page.
  virtual bool CreateCdFiles(bool ask) = 0;
  virtual bool SetCurrentDirectory(const std::string& folder) = 0;
  // Off while the starter starts and lingers.
  virtual void EnableTestButton(bool enabled) = 0;
  // The "Testing your configuration" page with an error.
  virtual void ShowTestResult(const std::string& errorText) = 0;
};

// The whole test run. `opener` is the wizard's (its own wording, no linger
// time and no close event, so a successful start is followed by five seconds
// of handling window messages). True when the starter was started.
bool TestConfiguration(WizardSettings& settings, const FileSystem& fs, RegistryBackend& registry,
                       WizardQuestions& questions, ShellOpener& opener, TestRunUi& ui);

// The starter that the test run starts: SourceFolder and the starter's name.
std::string TestStarterPath(const WizardSettings& settings);
