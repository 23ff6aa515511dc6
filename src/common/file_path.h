// A path split into a folder (ending in "\" when non-empty) and a file name.
// "/" is accepted on input and becomes "\".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

class FileSystem;

// The longest path the Windows shell and process calls take: MAX_PATH (260)
// counts the terminating zero. A longer one overruns the shell's own buffers.
inline constexpr size_t kMaxPathChars = 259;

// Every doubled "\" made single, scanning once from the left. The two
// backslashes that open a network path (\\server\share) are kept.
std::string CollapseDoubledBackslashes(std::string_view path);

// True when the text begins, ignoring case, with "http", "https", "mailto" or "ftp".
bool IsUrl(std::string_view text);

// A network path opens with exactly two separators: \\server\share (or //server/share).
bool IsNetworkPath(std::string_view path);

// A target as the shell gets it: doubled "\" from joined or hand-typed paths
// made single (four passes), keeping the pair that opens a network path.
std::string TidyPath(std::string_view target);
// The same for a parameter text, which also loses doubled "/" (unless it is
// a web address) and "\/".
std::string TidyParameters(std::string_view parameters);

// A target beginning with "\" or "/" is relative to the current directory (the
// CD root): the two are joined, with one separator between them. Any other
// target, a network path included, is returned as it is.
std::string ResolveRootedPath(std::string_view target, std::string_view currentDirectory);

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
