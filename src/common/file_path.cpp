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

// The tidying steps; each applies to what follows a network path's opening
// pair, so that \\server\share does not turn into a folder on the current drive.
enum TidyStep : unsigned {
  kSlashes = 1,         // "//" made "/"
  kBackslashSlash = 2,  // "\/" made "\"
  kCollapseOnce = 4,    // "\\" made "\", one pass
  kCollapseFour = 8,    // the same, four passes
};

std::string TidyAfterPrefix(std::string_view path, unsigned steps) {
  const size_t keep = IsNetworkPath(path) ? 2 : 0;
  std::string tidy(path.substr(keep));
  if (steps & kSlashes) tidy = text::ReplaceAll(tidy, "//", "/");
  if (steps & kBackslashSlash) tidy = text::ReplaceAll(tidy, "\\/", "\\");
  const int passes = (steps & kCollapseFour) ? 4 : (steps & kCollapseOnce) ? 1 : 0;
  for (int i = 0; i < passes; ++i) tidy = text::ReplaceAll(tidy, "\\\\", "\\");
  return std::string(path.substr(0, keep)) + tidy;
}

}  // namespace

bool IsNetworkPath(std::string_view path) {
  return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]) &&
         (path.size() == 2 || !IsSeparator(path[2]));
}

std::string TidyPath(std::string_view target) { return TidyAfterPrefix(target, kCollapseFour); }

std::string TidyParameters(std::string_view parameters) {
  // A web address keeps its "//".
  const unsigned slashes = IsUrl(parameters) ? 0u : static_cast<unsigned>(kSlashes);
  return TidyAfterPrefix(parameters, slashes | kBackslashSlash | kCollapseFour);
}

std::string ResolveRootedPath(std::string_view target, std::string_view currentDirectory) {
  if (target.empty() || !IsSeparator(target[0]) || IsNetworkPath(target)) {
    return std::string(target);
  }
  if (!currentDirectory.empty() && IsSeparator(currentDirectory.back())) target.remove_prefix(1);
  // One pass of each, as for any joined path; TidyPath takes the rest.
  return TidyAfterPrefix(std::string(currentDirectory) + std::string(target),
                         kSlashes | kBackslashSlash | kCollapseOnce);
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
