#include "cli/posix/posix_cli_host.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "common/code_page_1252.h"
#include "common/text.h"

namespace {

bool IsFolder(const std::string& unixPath) {
  struct stat info;
  return stat(unixPath.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
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

void WriteAll(int fd, const std::string& text) {
  size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    done += static_cast<size_t>(n);
  }
}

std::string PosixCliHost::FromArgument(const std::string& argument) {
  if (argument.empty()) return std::string();
  const std::string path = Absolute(argument);
  if (path.empty()) return std::string();
  if (IsFolder(path)) {
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
  return file && file->exists ? ExamineNative(file->path) : Kind::kMissing;
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

std::string PosixCliHost::NativeFromArgument(const std::string& argument) {
  return argument.empty() ? std::string() : Absolute(argument);
}

CliHost::Kind PosixCliHost::ExamineNative(const std::string& nativePath) {
  struct stat info;
  if (stat(nativePath.c_str(), &info) != 0) return Kind::kMissing;
  if (!S_ISDIR(info.st_mode)) return Kind::kFile;
  return access(nativePath.c_str(), R_OK | X_OK) == 0 ? Kind::kFolder : Kind::kUnreadable;
}

// The image's port gives errno values.
uint32_t PosixCliHost::WindowsCode(uint32_t imageError) {
  return WindowsErrorCode(static_cast<int>(imageError));
}

bool PosixCliHost::ErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

void PosixCliHost::WriteErrorNow(const std::string& text) { WriteAll(STDERR_FILENO, text); }
