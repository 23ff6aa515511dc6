// An in-memory file system: files by full path, a current directory, and
// switches that make operations fail.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/file_system.h"

class FakeFileSystem : public FileSystem {
 public:
  std::string currentDirectory = "E:\\";
  std::map<std::string, std::string> files;    // full path -> contents
  std::map<std::string, uint64_t> writeTimes;  // Put moves a file's time on
  std::set<std::string> failWrites;            // paths whose WriteWholeFile fails
  std::set<std::string> folders;               // made by CreateFolder
  std::set<std::string> failFolders;           // paths CreateFolder cannot make
  bool failReplace = false;
  // A disk that fills up: every WriteWholeFile leaves half its contents and fails.
  bool halfWrites = false;
  std::vector<std::string> writes;  // paths handed to WriteWholeFile, in order
  int reads = 0;
  size_t largestHeadAsked = 0;  // the largest maxBytes any ReadFileHead was given

  // Adds a file below the current directory.
  void Put(const std::string& name, const std::string& contents);

  std::string CurrentDirectory() const override { return currentDirectory; }
  bool FindFile(const std::string& pattern) const override;
  bool ReadWholeFile(const std::string& path, std::string* contents) const override;
  // Through ReadWholeFile, so that a fake whose whole reads fail fails here too.
  bool ReadFileHead(const std::string& path, size_t maxBytes, std::string* contents) const override;
  bool Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const override;
  bool WriteWholeFile(const std::string& path, const std::string& contents) override;
  bool MoveReplacing(const std::string& from, const std::string& to) override;
  bool DeletePath(const std::string& path) override;
  bool CreateFolder(const std::string& path) override;

 private:
  uint64_t writeClock_ = 1000;
};
