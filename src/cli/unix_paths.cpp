#include "cli/unix_paths.h"

#include <algorithm>

#include "common/code_page_1252.h"
#include "common/text.h"

namespace {

std::string Slashes(std::string path, char from, char to) {
  for (char& c : path) {
    if (c == from) c = to;
  }
  return path;
}

std::string WithSeparator(std::string folder, char separator) {
  if (folder.empty() || folder.back() != separator) folder += separator;
  return folder;
}

}  // namespace

std::string UnixPaths::FolderToKit(const std::string& unixFolder) {
  const std::string folder = WithSeparator(unixFolder, '/');
  // A "\" in a Unix name would split it in two on the kit's side.
  std::optional<std::string> ansi = cp1252::FromUtf8(folder);
  if (ansi && ansi->find('\\') == std::string::npos) return Slashes(*ansi, '/', '\\');
  for (const auto& [prefix, unixFolder] : standIns_) {
    if (unixFolder == folder) return prefix;
  }
  std::string prefix = text::Format("\\~%d\\", static_cast<int>(standIns_.size()) + 1);
  standIns_.emplace_back(prefix, folder);
  return prefix;
}

std::optional<std::string> UnixPaths::PathToKit(const std::string& unixPath) {
  const size_t slash = unixPath.rfind('/');
  std::optional<std::string> name = cp1252::FromUtf8(unixPath.substr(slash + 1));
  if (!name || name->find('\\') != std::string::npos) return std::nullopt;
  return FolderToKit(unixPath.substr(0, slash + 1)) + *name;
}

std::optional<UnixPaths::Walk> UnixPaths::ToUnix(const std::string& kitPath) const {
  Walk walk;
  std::string_view rest = kitPath;
  for (const auto& [prefix, unixFolder] : standIns_) {
    // The folder itself may come without its last "\".
    if (text::StartsWith(kitPath + "\\", prefix)) {
      walk.start = unixFolder;
      rest.remove_prefix(std::min(prefix.size(), rest.size()));
      break;
    }
  }
  if (walk.start.empty()) {
    if (!text::StartsWith(rest, "\\")) return std::nullopt;
    walk.start = "/";
  }
  for (std::string& name : text::Split(rest, '\\')) {
    if (!name.empty()) walk.names.push_back(std::move(name));
  }
  return walk;
}

std::string UnixPaths::Shown(const std::string& kitPath) const {
  for (const auto& [prefix, unixFolder] : standIns_) {
    if (text::StartsWith(kitPath, prefix)) {
      return unixFolder + Slashes(cp1252::ToUtf8(kitPath.substr(prefix.size())), '\\', '/');
    }
  }
  return Slashes(cp1252::ToUtf8(kitPath), '\\', '/');
}
