#include "cli/posix/posix_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "common/code_page_1252.h"
#include "common/unix_names.h"
#include "config/autorun_writer.h"

namespace {

constexpr uint32_t kFileNotFound = 2, kPathNotFound = 3, kAccessDenied = 5, kSharingViolation = 32,
                   kDiskFull = 112, kGenFailure = 31;

std::string Join(const std::string& folder, const std::string& name) {
  return folder.ends_with('/') ? folder + name : folder + "/" + name;
}

std::string Parent(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
}

// A file with no write permission for anyone: Windows' read-only attribute,
// which Windows refuses to replace (and the superuser would not be stopped by).
bool ReadOnly(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & 0222) == 0;
}

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// The rename is on disk once the folder that holds it is.
void SyncFolder(const std::string& path) {
  const int fd = open(Parent(path).c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

}  // namespace

uint32_t WindowsErrorCode(int error) {
  switch (error) {
    case ENOENT:
      return kFileNotFound;
    case ENOTDIR:
      return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return kAccessDenied;
    case ETXTBSY:
    case EBUSY:
      return kSharingViolation;
    case ENOSPC:
    case EDQUOT:
      return kDiskFull;
  }
  return kGenFailure;
}

std::vector<std::string> PosixFiles::Entries(const std::string& unixFolder) {
  std::vector<std::string> names;
  DIR* dir = opendir(unixFolder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(dir);
  // The same answer whatever order the file system lists in.
  std::sort(names.begin(), names.end());
  return names;
}

std::optional<PosixFiles::Resolved> PosixFiles::Resolve(const std::string& kitPath) const {
  const std::optional<UnixPaths::Walk> walk = paths_.ToUnix(kitPath);
  if (!walk) return std::nullopt;
  struct stat info;
  // Most names are spelt as on disk: one look at the whole path.
  std::string exactPath = walk->start;
  for (const std::string& name : walk->names) exactPath = Join(exactPath, cp1252::ToUtf8(name));
  if (lstat(exactPath.c_str(), &info) == 0) return Resolved{exactPath, true};

  Resolved resolved{walk->start, true};
  for (const std::string& name : walk->names) {
    if (name == ".") continue;
    if (name == "..") {
      resolved.path = Parent(resolved.path);
      continue;
    }
    const std::string exact = Join(resolved.path, cp1252::ToUtf8(name));
    if (!resolved.exists || lstat(exact.c_str(), &info) == 0) {
      resolved.path = exact;
      continue;
    }
    const std::vector<std::string> found = unix_names::Matching(Entries(resolved.path), name);
    resolved.exists = !found.empty();
    resolved.path = resolved.exists ? Join(resolved.path, found.front()) : exact;
  }
  if (resolved.exists) resolved.exists = lstat(resolved.path.c_str(), &info) == 0;
  return resolved;
}

std::string PosixFiles::CurrentDirectory() const {
  char buffer[4096];
  if (getcwd(buffer, sizeof buffer) == nullptr) return std::string();
  std::string kit = paths_.FolderToKit(buffer);
  if (kit.size() > 1) kit.pop_back();  // no "\" at the end, as Windows gives it
  return kit;
}

bool PosixFiles::FindFile(const std::string& pattern) const {
  // A file search for a folder's own path with "\" at the end finds nothing.
  if (pattern.empty() || pattern.back() == '\\') return false;
  const size_t cut = pattern.rfind('\\');
  const std::string name = pattern.substr(cut + 1);
  if (!unix_names::IsPattern(name)) {
    const std::optional<Resolved> file = Resolve(pattern);
    return file && file->exists;
  }
  const std::optional<Resolved> folder = Resolve(pattern.substr(0, cut + 1));
  return folder && folder->exists &&
         !unix_names::MatchingPattern(Entries(folder->path), name).empty();
}

bool PosixFiles::Read(const std::string& path, size_t maxBytes, bool whole,
                      std::string* contents) const {
  const std::optional<Resolved> file = Resolve(path);
  if (!file || !file->exists) return false;
  const int fd = open(file->path.c_str(), O_RDONLY);
  if (fd < 0) return false;
  struct stat info;
  bool ok = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) &&
            !(whole && static_cast<uint64_t>(info.st_size) > maxBytes);
  std::string data;
  if (ok) {
    data.resize(std::min<uint64_t>(static_cast<uint64_t>(info.st_size), maxBytes));
    size_t done = 0;
    while (done < data.size()) {
      const ssize_t n = read(fd, data.data() + done, data.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) ok = false;
      if (n <= 0) break;
      done += static_cast<size_t>(n);
    }
    data.resize(done);
  }
  close(fd);
  if (ok) *contents = std::move(data);
  return ok;
}

bool PosixFiles::ReadWholeFile(const std::string& path, std::string* contents) const {
  return Read(path, 0x7FFFFFFF, true, contents);
}

bool PosixFiles::ReadFileHead(const std::string& path, size_t maxBytes,
                              std::string* contents) const {
  return Read(path, maxBytes, false, contents);
}

bool PosixFiles::Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const {
  const std::optional<Resolved> file = Resolve(path);
  struct stat info;
  if (!file || !file->exists || stat(file->path.c_str(), &info) != 0) return false;
  *size = static_cast<uint64_t>(info.st_size);
  *writeTime = static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
               static_cast<uint64_t>(info.st_mtim.tv_nsec);
  return true;
}

bool PosixFiles::Failed(int error) {
  lastWriteError_ = WindowsErrorCode(error);
  return false;
}

bool PosixFiles::WriteWholeFile(const std::string& path, const std::string& contents) {
  const std::optional<Resolved> file = Resolve(path);
  if (!file) return Failed(ENOENT);
  const int fd = open(file->path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return Failed(errno);
  const bool ok = WriteAll(fd, contents.data(), contents.size()) && fsync(fd) == 0;
  const int error = errno;
  if (close(fd) != 0 && ok) return Failed(errno);
  return ok || Failed(error);
}

bool PosixFiles::MoveReplacing(const std::string& from, const std::string& to) {
  const std::optional<Resolved> source = Resolve(from);
  const std::optional<Resolved> target = Resolve(to);
  if (!source || !target) return Failed(ENOENT);
  if (target->exists && ReadOnly(target->path)) return Failed(EACCES);
  if (rename(source->path.c_str(), target->path.c_str()) != 0) return Failed(errno);
  SyncFolder(target->path);
  return true;
}

bool PosixFiles::DeletePath(const std::string& path) {
  const std::optional<Resolved> file = Resolve(path);
  return file && file->exists && unlink(file->path.c_str()) == 0;
}

bool PosixFiles::CreateFolder(const std::string& path) {
  const std::optional<Resolved> folder = Resolve(path);
  if (!folder) return false;
  struct stat info {};
  return mkdir(folder->path.c_str(), 0777) == 0 ||
         (errno == EEXIST && stat(folder->path.c_str(), &info) == 0 && S_ISDIR(info.st_mode));
}

uint32_t PosixFileCopier::CopyReplacing(const std::string& from, const std::string& to) {
  const std::optional<PosixFiles::Resolved> source = files_.Resolve(from);
  const std::optional<PosixFiles::Resolved> target = files_.Resolve(to);
  if (!source || !source->exists) return kFileNotFound;
  if (!target) return kPathNotFound;
  // A target that cannot be written is told before anything is copied, as
  // a copy straight over it would be.
  if (target->exists) {
    struct stat info;
    if (stat(target->path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return kAccessDenied;
    if (ReadOnly(target->path)) return kAccessDenied;
    const int probe = open(target->path.c_str(), O_WRONLY);
    if (probe < 0) return WindowsErrorCode(errno);
    close(probe);
  }
  const std::string temp = target->path + kAutorunTempSuffix;
  uint32_t error = 0;
  const int in = open(source->path.c_str(), O_RDONLY);
  const int out = in < 0 ? -1 : open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (in < 0 || out < 0) {
    error = WindowsErrorCode(errno);
  } else {
    char buffer[1 << 16];
    for (;;) {
      const ssize_t n = read(in, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0 || (n > 0 && !WriteAll(out, buffer, static_cast<size_t>(n)))) {
        error = WindowsErrorCode(errno);
        break;
      }
      if (n == 0) break;
    }
    if (error == 0 && fsync(out) != 0) error = WindowsErrorCode(errno);
  }
  if (out >= 0 && close(out) != 0 && error == 0) error = WindowsErrorCode(errno);
  if (in >= 0) close(in);
  if (error == 0 && rename(temp.c_str(), target->path.c_str()) != 0) {
    error = WindowsErrorCode(errno);
  }
  if (error != 0) {
    unlink(temp.c_str());
  } else {
    SyncFolder(target->path);
  }
  return error;
}
