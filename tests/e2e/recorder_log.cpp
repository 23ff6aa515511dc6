#include "recorder_log.h"

#include <fstream>
#include <sstream>
#include <thread>

#include "common/text.h"

namespace e2e {

std::vector<RecorderEntry> RecorderLog::Starts() const {
  std::vector<RecorderEntry> starts;
  for (const auto& entry : entries)
    if (entry.kind == RecorderEntry::Kind::kStart) starts.push_back(entry);
  return starts;
}

std::vector<std::string> RecorderLog::StartedCommandLines() const {
  std::vector<std::string> lines;
  for (const auto& entry : Starts()) lines.push_back(entry.commandLine);
  return lines;
}

std::optional<RecorderEntry> ParseRecorderLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  std::vector<std::string_view> fields;
  for (int i = 0; i < 3; ++i) {
    const size_t tab = line.find('\t');
    if (tab == std::string_view::npos) return std::nullopt;
    fields.push_back(line.substr(0, tab));
    line.remove_prefix(tab + 1);
  }
  RecorderEntry entry;
  if (fields[0].empty()) return std::nullopt;
  for (char c : fields[0]) {
    if (c < '0' || c > '9') return std::nullopt;
    entry.ms = entry.ms * 10 + static_cast<uint64_t>(c - '0');
  }
  if (fields[1] == "start") {
    entry.kind = RecorderEntry::Kind::kStart;
  } else if (fields[1] == "end") {
    entry.kind = RecorderEntry::Kind::kEnd;
  } else {
    return std::nullopt;
  }
  entry.folder = fields[2];
  entry.commandLine = line;
  return entry;
}

RecorderLog ParseRecorderLog(std::string_view text) {
  RecorderLog log;
  for (;;) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) break;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.empty() || line == "\r") continue;
    if (auto entry = ParseRecorderLine(line)) {
      log.entries.push_back(std::move(*entry));
    } else {
      ++log.malformed;
    }
  }
  return log;
}

RecorderLog ReadRecorderLog(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return {};
  std::ostringstream content;
  content << file.rdbuf();
  return ParseRecorderLog(content.str());
}

RecorderLog WaitForRecorderEntries(const std::string& path, size_t count, RecorderEntry::Kind kind,
                                   std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    RecorderLog log = ReadRecorderLog(path);
    size_t seen = 0;
    for (const auto& entry : log.entries) seen += entry.kind == kind ? 1 : 0;
    if (seen >= count || std::chrono::steady_clock::now() >= deadline) return log;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::string CommandTail(std::string_view commandLine) {
  size_t i = 0;
  if (i < commandLine.size() && commandLine[i] == '"') {
    const size_t close = commandLine.find('"', 1);
    i = close == std::string_view::npos ? commandLine.size() : close + 1;
  } else {
    while (i < commandLine.size() && commandLine[i] != ' ' && commandLine[i] != '\t') ++i;
  }
  return text::TrimLeft(commandLine.substr(i));
}

}  // namespace e2e
