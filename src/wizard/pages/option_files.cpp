#include "wizard/pages/option_files.h"

#include "common/file_system.h"

namespace option_files {

namespace {
constexpr const char* kTempSuffix = ".tmp";
}

std::string InFolder(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (!path.empty() && path.back() != '\\' && path.back() != '/') path += '\\';
  return path + std::string(name);
}

std::string BaseName(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ExtensionOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

bool WriteReplacing(FileSystem& fs, const std::string& path, const std::string& contents) {
  const std::string temp = path + kTempSuffix;
  if (fs.WriteWholeFile(temp, contents) && fs.MoveReplacing(temp, path)) return true;
  fs.DeletePath(temp);
  return false;
}

bool ReadTextLines(const FileSystem& fs, const std::string& path, std::string* text) {
  std::string raw;
  if (!fs.ReadWholeFile(path, &raw)) return false;
  text->clear();
  size_t start = 0;
  while (start < raw.size()) {
    size_t end = raw.find('\n', start);
    const bool last = end == std::string::npos;
    if (last) end = raw.size();
    std::string_view line(raw.data() + start, end - start);
    // Text mode reads CR LF as one line break.
    if (!last && !line.empty() && line.back() == '\r') line.remove_suffix(1);
    text->append(line);
    text->append("\r\n");
    start = end + 1;
  }
  return true;
}

}  // namespace option_files
