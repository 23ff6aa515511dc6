// Test helpers for files under Wine: a throw-away folder (a CD folder, a
// source folder, a scratch place), removed with everything in it, and the
// paths of the test data (pictures).
#pragma once

#include <windows.h>

#include <string>

namespace test_support {

class TempFolder {
 public:
  // Makes a new, empty folder "<base>\<prefix>-<pid>-<n>"; an empty base is
  // the temporary folder. Check ok() before use.
  explicit TempFolder(const std::string& prefix = "tmp", const std::string& base = "");
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();

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

// Removes a folder with everything in it.
bool RemoveTree(const std::string& folder);

// The Windows path of a file of the source tree's tests/data folder, e.g.
// TestData("pictures/red-40x30.bmp").
std::string TestData(const std::string& relative);
// The Windows path of one of the test pictures (tests/data/pictures).
inline std::string TestPicture(const std::string& name) { return TestData("pictures/" + name); }

}  // namespace test_support
