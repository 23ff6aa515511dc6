// The wizard's side of autorun.inf: the whole [autorun] section built from the
// wizard's settings, and a write that never leaves a half-written file.
#pragma once

#include <cstdint>
#include <string>

class FileSystem;

// Where the writer takes its settings from. The wizard's registry-backed
// settings implement it; a value that was never stored reads as the fallback
// (texts: empty).
class AutorunSettings {
 public:
  virtual ~AutorunSettings() = default;
  virtual std::string ReadString(const std::string& name) const = 0;
  virtual bool ReadBool(const std::string& name, bool fallback) const = 0;
  virtual int32_t ReadNumber(const std::string& name, int32_t fallback) const = 0;
};

// The starter's name on the CD when the author has not chosen one.
inline constexpr const char* kDefaultStarterName = "Vendisc.exe";

// The most several-files entries written: the starter opens no more and the
// wizard's list holds no more, and a damaged stored count must not make
// creating the CD files write (and read) billions of entries.
inline constexpr int32_t kMaxWrittenFileEntries = 1000;

// The temporary file that WriteAutorunFile writes beside the target.
inline constexpr const char* kAutorunTempSuffix = ".tmp~";

// The file-name part of a stored path: the text after its last "\", provided
// that text contains a "."; otherwise empty.
std::string AutorunFileName(const std::string& path);

// AutoRunExeName when AutoRunExeNameEnabled is on and the name is non-empty,
// otherwise kDefaultStarterName.
std::string AutorunStarterName(const AutorunSettings& settings);

// The OPEN value: the starter's name, a blank and the file to open's name in quotes.
std::string AutorunOpenValue(const AutorunSettings& settings);

// The complete autorun.inf, every line ending in CR LF. A stored text that
// holds line breaks is written with "<br>" for each, so that no value can
// spill into a line of its own.
std::string BuildAutorunText(const AutorunSettings& settings);

// Writes `contents` to `path` + kAutorunTempSuffix and renames that over
// `path`. On any failure the temporary file is removed, the old file stays as
// it was, and the result is false.
bool WriteAutorunFile(FileSystem& fs, const std::string& path, const std::string& contents);
