// A path split into a folder (ending in "\" when non-empty) and a file name.
// "/" is accepted on input and becomes "\".
#pragma once

#include <string>
#include <string_view>

class FileSystem;

// Every doubled "\" made single, scanning once from the left. The two
// backslashes that open a network path (\\server\share) are kept.
std::string CollapseDoubledBackslashes(std::string_view path);

class FilePath {
 public:
  FilePath() = default;
  explicit FilePath(std::string_view path) { Set(path); }

  void Set(std::string_view path);
  // Folder + "\" + name, so that folders inside the name move into the folder.
  void SetName(std::string_view name);
  void SetFolder(std::string_view folder);

  const std::string& Folder() const { return folder_; }
  const std::string& Name() const { return name_; }
  std::string FullPath() const { return folder_ + name_; }
  // The full path when both parts are non-empty, otherwise empty.
  std::string FullPathIfComplete() const;
  // Text after the name's last "."; empty without one or when the name starts with it.
  std::string Extension() const;

  // A file search for the full path finds a match.
  bool Exists(const FileSystem& fs) const;
  static std::string CurrentDirectory(const FileSystem& fs);

 private:
  std::string folder_;
  std::string name_;
};
