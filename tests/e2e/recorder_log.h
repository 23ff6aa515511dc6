// Reading the recorder's log: one line per start and end of a recorder,
// "<milliseconds>\t<start|end>\t<folder>\t<command line>\r\n". Scenarios use
// it to check what was opened, from where, in which order.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct RecorderEntry {
  enum class Kind { kStart, kEnd };
  uint64_t ms = 0;
  Kind kind = Kind::kStart;
  std::string folder;
  std::string commandLine;
  bool operator==(const RecorderEntry&) const = default;
};

struct RecorderLog {
  std::vector<RecorderEntry> entries;
  // Complete lines that are not entries: a sign of a broken recorder or a
  // file that is not its log.
  int malformed = 0;

  std::vector<RecorderEntry> Starts() const;
  // The command lines of the starts, in order.
  std::vector<std::string> StartedCommandLines() const;
};

// One line without its line break; the command line keeps any further tabs.
std::optional<RecorderEntry> ParseRecorderLine(std::string_view line);
// A whole log. A last line without its line break is a recorder still
// writing, and is left for the next read.
RecorderLog ParseRecorderLog(std::string_view text);
// The log at `path`; empty when the file does not exist (nothing started).
RecorderLog ReadRecorderLog(const std::string& path);
// Polls the log until it holds at least `count` entries of `kind`; the log
// as last read either way.
RecorderLog WaitForRecorderEntries(const std::string& path, size_t count,
                                   RecorderEntry::Kind kind = RecorderEntry::Kind::kStart,
                                   std::chrono::milliseconds timeout = std::chrono::seconds(10));

// A command line without its program: what follows the first (possibly
// quoted) word, leading blanks skipped. `"C:\cd\r.exe" "a b.txt"` gives
// `"a b.txt"`.
std::string CommandTail(std::string_view commandLine);

}  // namespace e2e
