#include "cli/posix/posix_cli_host.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "common/code_page_1252.h"
#include "common/text.h"
#include "common/unix_names.h"

namespace {

bool IsFolder(const std::string& unixPath, bool followLinks) {
  struct stat info;
  const int got = followLinks ? stat(unixPath.c_str(), &info) : lstat(unixPath.c_str(), &info);
  return got == 0 && S_ISDIR(info.st_mode);
}

// An absolute path with "." and ".." taken out, as far as the text goes.
std::string Absolute(const std::string& path) {
  std::string whole = path;
  if (!text::StartsWith(path, "/")) {
    char cwd[PATH_MAX];
    if (getcwd(cwd, sizeof cwd) == nullptr) return std::string();
    whole = std::string(cwd) + "/" + path;
  }
  std::vector<std::string> names;
  for (std::string& name : text::Split(whole, '/')) {
    if (name.empty() || name == ".") continue;
    if (name == "..") {
      if (!names.empty()) names.pop_back();
      continue;
    }
    names.push_back(std::move(name));
  }
  std::string absolute;
  for (const std::string& name : names) absolute += "/" + name;
  return absolute.empty() ? "/" : absolute;
}

}  // namespace

std::string PosixCliHost::FromArgument(const std::string& argument) {
  if (argument.empty()) return std::string();
  const std::string path = Absolute(argument);
  if (path.empty()) return std::string();
  if (IsFolder(path, true)) {
    std::string kit = paths_.FolderToKit(path);
    if (kit.size() > 1) kit.pop_back();
    return kit;
  }
  return paths_.PathToKit(path).value_or(std::string());
}

std::string PosixCliHost::Shown(const std::string& kitPath) {
  // A file that is there under another case is shown as the folder spells it.
  const std::optional<PosixFiles::Resolved> file =
      text::StartsWith(kitPath, "\\") ? files_.Resolve(kitPath) : std::nullopt;
  if (!file || !file->exists) return paths_.Shown(kitPath);
  return text::EndsWith(kitPath, "\\") && file->path != "/" ? file->path + "/" : file->path;
}

std::string PosixCliHost::Text(const std::string& ansi) { return cp1252::ToUtf8(ansi); }

CliHost::Kind PosixCliHost::Examine(const std::string& kitPath) {
  const std::optional<PosixFiles::Resolved> file = files_.Resolve(kitPath);
  struct stat info;
  if (!file || !file->exists || stat(file->path.c_str(), &info) != 0) return Kind::kMissing;
  if (!S_ISDIR(info.st_mode)) return Kind::kFile;
  return access(file->path.c_str(), R_OK | X_OK) == 0 ? Kind::kFolder : Kind::kUnreadable;
}

std::string PosixCliHost::KitStarter() {
  char self[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return std::string();
  std::string folder(self, static_cast<size_t>(n));
  folder.erase(folder.rfind('/'));
  // Beside the tool, or where `make install` puts it.
  for (const char* place : {"/Vendisc.exe", "/../share/discwright/Vendisc.exe"}) {
    const std::string path = Absolute(folder + place);
    struct stat info;
    if (stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
      return paths_.PathToKit(path).value_or(std::string());
    }
  }
  return std::string();
}

std::vector<std::vector<std::string>> PosixCliHost::CaseClashes(const std::string& kitFolder) {
  std::vector<std::vector<std::string>> clashes;
  const std::optional<PosixFiles::Resolved> root = files_.Resolve(kitFolder);
  if (!root || !root->exists) return clashes;
  // Each folder as its Unix path and its path in the kit's form below the root.
  std::vector<std::pair<std::string, std::string>> folders = {{root->path, ""}};
  while (!folders.empty()) {
    const auto [unixFolder, kit] = folders.back();
    folders.pop_back();
    const std::vector<std::string> entries = PosixFiles::Entries(unixFolder);
    for (const std::vector<std::string>& group : unix_names::CaseClashes(entries)) {
      std::vector<std::string> names;
      for (const std::string& name : group) names.push_back(kit + *cp1252::FromUtf8(name));
      clashes.push_back(std::move(names));
    }
    // Folders that a Windows-1252 name can reach, taken in name order;
    // links are not followed.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
      const std::optional<std::string> name = cp1252::FromUtf8(*entry);
      if (name && IsFolder(unixFolder + "/" + *entry, false)) {
        folders.emplace_back(unixFolder + "/" + *entry, kit + *name + "\\");
      }
    }
  }
  return clashes;
}
