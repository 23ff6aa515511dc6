// The [autorun] section of autorun.inf: reading keys with the Windows
// profile rules, the typed readings the starter uses, and the OPEN value.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>

class FileSystem;

namespace config {

// Values are read through a buffer of this many characters, so a value is cut
// to kValueBufferSize - 1 characters.
constexpr size_t kValueBufferSize = 5000;

// Only this much of autorun.inf is read: far more than any real section
// needs, little enough that a huge or wrong file on a CD cannot exhaust a
// 32-bit process. Keys beyond it read as absent.
constexpr size_t kMaxAutorunBytes = 4 * 1024 * 1024;

// The value of `key` in `section` of a profile file's contents, following the
// Windows profile rules (names without regard to case, first occurrence wins,
// one pair of enclosing quotes removed, cut to kValueBufferSize - 1). Empty
// when the section or key is missing. Not trimmed further.
std::string ReadProfileString(std::string_view contents, std::string_view section,
                              std::string_view key);
// The same, telling a key that is not there (nullopt) from an empty one.
std::optional<std::string> FindProfileString(std::string_view contents, std::string_view section,
                                             std::string_view key);

// One section of a profile file's contents, parsed once: each name (without
// regard to case, first occurrence wins) with its value as ReadProfileString
// gives it.
class ProfileSection {
 public:
  static ProfileSection Parse(std::string_view contents, std::string_view section);
  // The value of `key`, or null when the section has no such key.
  const std::string* Find(std::string_view key) const;
  size_t Size() const { return values_.size(); }

 private:
  std::map<std::string, std::string, std::less<>> values_;  // lower-case name -> value
};

// Typed readings of a trimmed value.
bool IsOn(std::string_view value);                                 // exactly "1"
bool IsSeveralFiles(std::string_view singleFile);                  // SingleFile is exactly "0"
bool KeywordIs(std::string_view value, std::string_view keyword);  // ignoring case
int32_t NumberOr(std::string_view value, int32_t fallback);        // "%d"
// Joins a file value to the folder: folder + "\" + value, doubled "\" made single.
std::string JoinToFolder(std::string_view folder, std::string_view value);

// The file to open from the trimmed OPEN value (quote rules); empty: none.
std::string FileFromOpenValue(std::string_view openValue);
// True for a file name made of nothing but quotes and blanks, such as the
// lone quote left of the empty quotes of `Vendisc.exe ""` (no Windows file
// name holds a quote).
inline bool NamesNoFile(std::string_view name) {
  for (char c : name) {
    if (c != '"' && c != ' ' && c != '\t') return false;
  }
  return true;
}

}  // namespace config

// Reads keys from autorun.inf in the current directory. Every read sees the
// file as it is now: the parsed section is reused only while the file's path,
// size and last-write time are unchanged.
class AutorunConfig {
 public:
  explicit AutorunConfig(const FileSystem& fs) : fs_(fs) {}

  // The path of autorun.inf: current directory + "\autorun.inf", every doubled
  // backslash made single (so a drive root gives D:\autorun.inf).
  std::string Path() const;
  bool Exists() const;

  // The trimmed value of `key`, or empty when the file, section or key is missing.
  std::string ReadConfigValue(std::string_view key) const;
  // Whether the key is written in the section at all, even with no value.
  bool HasKey(std::string_view key) const;

  bool Flag(std::string_view key) const { return config::IsOn(ReadConfigValue(key)); }
  bool Keyword(std::string_view key, std::string_view word) const {
    return config::KeywordIs(ReadConfigValue(key), word);
  }
  int32_t Number(std::string_view key, int32_t fallback) const {
    return config::NumberOr(ReadConfigValue(key), fallback);
  }
  // A file-valued key joined to the current directory.
  std::string File(std::string_view key) const;

 private:
  // The parsed [autorun] section as the file is now; null when it cannot be read.
  const config::ProfileSection* Section() const;

  struct Cache {
    std::string path;
    uint64_t size = 0;
    uint64_t writeTime = 0;
    config::ProfileSection section;
  };

  const FileSystem& fs_;
  mutable std::optional<Cache> cache_;
};
