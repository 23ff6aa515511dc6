// A throw-away CD folder for a scenario: autorun.inf, documents and copies of
// the recorder standing in for the author's programs. Removed with everything
// in it when the object goes.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

class CdFolder {
 public:
  // Makes a new, empty folder "<base>\<prefix>-<pid>-<n>"; an empty base is
  // the temporary folder. Check ok() before use.
  explicit CdFolder(const std::string& prefix = "cd", const std::string& base = "");
  CdFolder(const CdFolder&) = delete;
  CdFolder& operator=(const CdFolder&) = delete;
  ~CdFolder();

  bool ok() const { return !path_.empty(); }
  // The folder, without a trailing backslash.
  const std::string& Path() const { return path_; }
  // "<folder>\<relative>".
  std::string PathOf(const std::string& relative) const;

  // Writes `content` byte for byte, making any sub-folders first.
  bool AddFile(const std::string& relative, const std::string& content) const;
  bool AddAutorun(const std::string& content) const { return AddFile("autorun.inf", content); }
  // Copies an existing file in, e.g. recorder.exe as "setup\install.exe".
  bool AddCopy(const std::string& relative, const std::string& source) const;
  bool Exists(const std::string& relative) const;
  std::string ReadText(const std::string& relative) const;

 private:
  bool MakeParents(const std::string& relative) const;
  std::string path_;
};

// Registers a document extension (".vrec") whose "open" verb starts the
// recorder with the document's path, in HKEY_CLASSES_ROOT of the build's
// prefix; the keys are removed again when the object goes.
class RecorderDocumentType {
 public:
  RecorderDocumentType(const std::string& extension, const std::string& recorderExe);
  RecorderDocumentType(const RecorderDocumentType&) = delete;
  RecorderDocumentType& operator=(const RecorderDocumentType&) = delete;
  ~RecorderDocumentType();
  bool ok() const { return ok_; }

 private:
  std::string extension_;
  std::string progId_;
  bool ok_ = false;
};

// Removes a folder with everything in it.
bool RemoveTree(const std::string& folder);

}  // namespace e2e
