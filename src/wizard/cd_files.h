// Creating the CD files: autorun.inf and the starter's copy in the source
// folder, after checking that every file the configuration needs is there
// and asking before anything is overwritten.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

class FileCopier;
class FileSystem;
class WizardQuestions;
class WizardSettings;

// What creating the CD files shows besides questions: a failure to create a
// file goes on a page of its own with a help link, not in a message box.
class CdFilesUi {
 public:
  virtual ~CdFilesUi() = default;
  virtual void ShowProblem(const std::string& text) = 0;
  // The system's code for the file operation that has just failed.
  virtual uint32_t LastError() = 0;
  // Each file a check looks for, and whether it is there: for a caller that
  // tells every problem at once rather than asking about each.
  virtual void FileLookedFor(const std::string& /*path*/, const std::string& /*label*/,
                             bool /*found*/) {}
  // Each file there that is chosen as a picture but is none by its content.
  virtual void NotAPictureFound(const std::string& /*path*/, const std::string& /*label*/) {}
};

// The paths that creating the CD files works with.
struct CdFilePaths {
  std::string starterName;    // AutoRunExeName when enabled and set, else the default
  std::string starterSource;  // InstallPath + the default name
  std::string starterTarget;  // SourceFolder + the starter name
  std::string configFile;     // SourceFolder + "autorun.inf"
};
CdFilePaths CdFilePathsFor(const WizardSettings& settings);
// A name with a ".." part: joined to a folder it names a place outside it.
bool LeavesFolder(const std::string& name);

// The problem page's text for a failed copy of the starter, chosen by the
// system's code (32: in use, 112: disk full, anything else).
std::string CopyFailureText(const std::string& from, const std::string& to, uint32_t error);

class CdFiles {
 public:
  CdFiles(WizardSettings& settings, FileSystem& fs, FileCopier& copier, WizardQuestions& questions,
          CdFilesUi& ui)
      : settings_(settings), fs_(fs), copier_(copier), questions_(questions), ui_(ui) {}

  // True when `path` is empty, an address, or names a file that exists. For
  // a missing file the author is told; with `askToContinue` they may pass
  // over it (true) or stop (false).
  bool RequireFile(const std::string& path, const std::string& label, bool askToContinue);
  // The same, and that the file is a picture the CD can show (judged by its
  // first bytes); a missing file passed over is not looked at again.
  bool RequirePicture(const std::string& path, const std::string& label, bool askToContinue);
  // Every file of every feature that is switched on, in a fixed order; stops
  // at the first missing file the author does not pass over.
  bool CheckRequiredFiles();
  // Checks, asks, copies the starter and writes autorun.inf; true when both
  // files were written. With `ask` the author confirms overwrites (and is
  // asked once per machine whether to stop asking). Then offers to remove a
  // copy of the kit's starter that the configuration no longer names.
  bool CreateCdFiles(bool ask);
  // Copy this starter instead of the one in InstallPath (its folder should
  // be InstallPath all the same, which the CD folder must not be).
  void SetStarterSource(std::string path) { starterSource_ = std::move(path); }

 private:
  // The stored file name placed in the source folder.
  std::string InSourceFolder(const std::string& value) const;
  bool CheckFilesToOpen();
  bool CheckFeatureFiles();
  // `previousStarter`: the starter that the autorun.inf just replaced named.
  void OfferToRemoveOldStarters(const CdFilePaths& paths, const std::string& previousStarter);

  WizardSettings& settings_;
  FileSystem& fs_;
  FileCopier& copier_;
  WizardQuestions& questions_;
  CdFilesUi& ui_;
  std::string starterSource_;
};
