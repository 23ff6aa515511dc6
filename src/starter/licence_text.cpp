#include "starter/licence_text.h"

#include <cstdio>
#include <memory>

#include "common/file_path.h"

namespace licence_text {
namespace {
struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
constexpr int kEndOfFileMark = 0x1A;  // Ctrl+Z: end of a text file

// Moves the head of an over-long line into `text`, ended by a line break after
// its last blank (or, without a blank, at the limit); the rest stays in `line`.
void BreakLongLine(std::string* text, std::string* line) {
  size_t blank = line->find_last_of(' ');
  size_t cut = blank == std::string::npos || blank == 0 ? line->size() : blank + 1;
  *text += line->substr(0, cut);
  *text += "\r\n";
  line->erase(0, cut);
}
}  // namespace

std::string ReadLicenceText(const std::string& fileName, size_t maxBytes) {
  // Binary mode so that line ends are handled the same on every platform.
  // A name longer than Windows takes names no file it could open.
  if (fileName.size() > kMaxPathChars) return kOpenFailed + fileName;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(fileName.c_str(), "rb"));
  if (!file) return kOpenFailed + fileName;
  std::string text;
  std::string line;
  bool pending = false;  // characters read since the last line end
  size_t read = 0;
  int c;
  while (read < maxBytes && (c = std::fgetc(file.get())) != EOF && c != kEndOfFileMark) {
    ++read;
    if (c == '\n') {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      text += line;
      text += "\r\n";
      line.clear();
      pending = false;
    } else if (c != '\0') {
      line += static_cast<char>(c);
      pending = true;
      if (line.size() >= kMaxLineChars) BreakLongLine(&text, &line);
    } else {
      pending = true;
    }
  }
  if (pending) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace licence_text
