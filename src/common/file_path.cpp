#include "common/file_path.h"

#include "common/file_system.h"
#include "common/text.h"

std::string CollapseDoubledBackslashes(std::string_view path) {
  // A network path keeps its leading pair; without it the server name would
  // read as a folder on the current drive.
  if (text::StartsWith(path, "\\\\") && !text::StartsWith(path, "\\\\\\")) {
    return "\\" + text::ReplaceAll(path.substr(1), "\\\\", "\\");
  }
  return text::ReplaceAll(path, "\\\\", "\\");
}

namespace {

std::string Normalize(std::string_view path) {
  std::string slashes = text::ReplaceAll(text::Trim(path), "/", "\\");
  return text::Trim(CollapseDoubledBackslashes(slashes));
}

// folder + "\" + name. A folder that already ends in "\" gets no second one,
// so the folder "\" of a bare name cannot turn into the start of a network path.
std::string JoinParts(std::string_view folder, std::string_view name) {
  std::string joined(folder);
  if (!text::EndsWith(joined, "\\")) joined += '\\';
  joined += name;
  return joined;
}

}  // namespace

void FilePath::Set(std::string_view path) {
  folder_ = Normalize(path);
  name_.clear();
  if (!folder_.empty()) {
    size_t slash = folder_.rfind('\\');
    size_t dot = folder_.rfind('.');
    // A last part with a "." names a file; without one the path is a folder.
    bool namesFile = folder_.back() != '\\' && dot != std::string::npos &&
                     (slash == std::string::npos || slash < dot);
    if (namesFile) {
      size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
      name_ = folder_.substr(nameStart);
      folder_.resize(slash == std::string::npos ? 0 : slash);
    }
    if (!text::EndsWith(folder_, "\\")) folder_ += '\\';
  }
  folder_ = Normalize(folder_);
}

void FilePath::SetName(std::string_view name) { Set(JoinParts(folder_, name)); }

void FilePath::SetFolder(std::string_view folder) { Set(JoinParts(folder, name_)); }

std::string FilePath::FullPathIfComplete() const {
  if (folder_.empty() || name_.empty()) return std::string();
  return FullPath();
}

std::string FilePath::Extension() const {
  size_t dot = name_.rfind('.');
  if (dot == std::string::npos || dot == 0) return std::string();
  return name_.substr(dot + 1);
}

bool FilePath::Exists(const FileSystem& fs) const {
  std::string full = FullPath();
  return !full.empty() && fs.FindFile(full);
}

std::string FilePath::CurrentDirectory(const FileSystem& fs) { return fs.CurrentDirectory(); }
