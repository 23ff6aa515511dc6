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

bool IsUrl(std::string_view text) {
  // "https" begins with "http"; both are listed for the reader.
  for (const char* prefix : {"http", "https", "mailto", "ftp"}) {
    if (text::StartsWithNoCase(text, prefix)) return true;
  }
  return false;
}

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Applies `tidy` to the path after a network path's opening pair, so that
// \\server\share does not turn into a folder on the current drive.
template <typename Tidy>
std::string KeepingNetworkPrefix(std::string_view path, Tidy tidy) {
  if (!IsNetworkPath(path)) return tidy(path);
  return std::string(path.substr(0, 2)) + tidy(path.substr(2));
}

std::string CollapseFourTimes(std::string_view path) {
  std::string tidy(path);
  for (int i = 0; i < 4; ++i) tidy = text::ReplaceAll(tidy, "\\\\", "\\");
  return tidy;
}

}  // namespace

bool IsNetworkPath(std::string_view path) {
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
         (path.size() == 2 || !IsSeparator(path[2]));
}

std::string TidyPath(std::string_view target) {
  return KeepingNetworkPrefix(target, CollapseFourTimes);
}

std::string TidyParameters(std::string_view parameters) {
  // A web address keeps its "//".
  const bool url = IsUrl(parameters);
  return KeepingNetworkPrefix(parameters, [url](std::string_view rest) {
    std::string tidy(rest);
    if (!url) tidy = text::ReplaceAll(tidy, "//", "/");
    tidy = text::ReplaceAll(tidy, "\\/", "\\");
    return CollapseFourTimes(tidy);
  });
}

std::string ResolveRootedPath(std::string_view target, std::string_view currentDirectory) {
  if (target.empty() || !IsSeparator(target[0]) || IsNetworkPath(target)) {
    return std::string(target);
  }
  if (!currentDirectory.empty() && IsSeparator(currentDirectory.back())) target.remove_prefix(1);
  const std::string joined = std::string(currentDirectory) + std::string(target);
  // One pass of each, as for any joined path; TidyPath takes the rest.
  return KeepingNetworkPrefix(joined, [](std::string_view rest) {
    std::string tidy = text::ReplaceAll(rest, "//", "/");
    tidy = text::ReplaceAll(tidy, "\\/", "\\");
    return text::ReplaceAll(tidy, "\\\\", "\\");
  });
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
