// The image's file-system port over POSIX (the Linux build of the
// command-line tool and the host tests). Names are UTF-8 already.
#include <dirent.h>
#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "image/image_file_system.h"

namespace cd_image {

namespace {

constexpr const char* kLinkSuffix = ".new~";
constexpr const char* kTempSuffix = ".tmp~";

std::string Join(const std::string& folder, const std::string& relative) {
  if (relative.empty()) return folder;
  if (!folder.empty() && folder.back() == '/') return folder + relative;
  return folder + "/" + relative;
}

uint32_t Error() { return errno != 0 ? static_cast<uint32_t>(errno) : EIO; }

class FdInput : public ImageInput {
 public:
  explicit FdInput(int fd) : fd_(fd) {}
  ~FdInput() override { ::close(fd_); }
  uint32_t Read(void* buffer, size_t size, size_t* got) override {
    for (;;) {
      const ssize_t n = ::read(fd_, buffer, size);
      if (n >= 0) {
        *got = static_cast<size_t>(n);
        return 0;
      }
      if (errno != EINTR) return Error();
    }
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* data, size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

// An unnamed file in the target's folder (O_TMPFILE), given the target's
// name only when complete; where the file system cannot make one, a named
// temporary that is removed on every failure.
class FdOutput : public ImageOutput {
 public:
  FdOutput(int fd, std::string target, std::string named)
      : fd_(fd), target_(std::move(target)), named_(std::move(named)) {}
  ~FdOutput() override {
    ::close(fd_);
    if (!committed_ && !named_.empty()) ::unlink(named_.c_str());
  }

  uint32_t Write(const void* data, size_t size) override {
    return WriteAll(fd_, static_cast<const char*>(data), size) ? 0 : Error();
  }
  uint32_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
    const ssize_t n = ::pread(fd_, buffer, size, static_cast<off_t>(offset));
    return n == static_cast<ssize_t>(size) ? 0 : (n < 0 ? Error() : EIO);
  }
  uint32_t WriteAt(uint64_t offset, const void* data, size_t size) override {
    const ssize_t n = ::pwrite(fd_, data, size, static_cast<off_t>(offset));
    return n == static_cast<ssize_t>(size) ? 0 : (n < 0 ? Error() : EIO);
  }
  uint32_t Commit() override {
    if (::fsync(fd_) != 0) return Error();
    std::string from = named_;
    if (from.empty()) {
      // Named beside the target, then renamed over it in one step.
      from = target_ + kLinkSuffix;
      ::unlink(from.c_str());
      const std::string self = "/proc/self/fd/" + std::to_string(fd_);
      if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, from.c_str(), AT_SYMLINK_FOLLOW) != 0)
        return Error();
    }
    if (::rename(from.c_str(), target_.c_str()) != 0) {
      const uint32_t error = Error();
      if (named_.empty()) ::unlink(from.c_str());
      return error;
    }
    committed_ = true;
    return 0;
  }

 private:
  int fd_;
  std::string target_;
  std::string named_;
  bool committed_ = false;
};

class PosixLibraryScope : public LibraryScope {
 public:
  explicit PosixLibraryScope(const std::string& tempFolder) {
    if (const char* old = std::getenv("TMPDIR")) oldTemp_ = old;
    hadTemp_ = std::getenv("TMPDIR") != nullptr;
    ::setenv("TMPDIR", tempFolder.c_str(), 1);
    // The library reads names in the thread's character set.
    utf8_ = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
    if (utf8_) previous_ = ::uselocale(utf8_);
  }
  ~PosixLibraryScope() override {
    if (utf8_) {
      ::uselocale(previous_);
      ::freelocale(utf8_);
    }
    if (hadTemp_) {
      ::setenv("TMPDIR", oldTemp_.c_str(), 1);
    } else {
      ::unsetenv("TMPDIR");
    }
  }

 private:
  std::string oldTemp_;
  bool hadTemp_ = false;
  locale_t utf8_ = nullptr;
  locale_t previous_ = nullptr;
};

std::string Resolved(const std::string& path) {
  char buffer[PATH_MAX];
  return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

class PosixImageFileSystem : public ImageFileSystem {
 public:
  std::string Utf8FromNative(const std::string& native) const override { return native; }
  std::string NativeFromUtf8(const std::string& utf8) const override { return utf8; }

  uint32_t List(const std::string& folder, const std::string& relative,
                std::vector<FolderItem>* items) override {
    const std::string path = Join(folder, relative);
    DIR* dir = ::opendir(path.c_str());
    if (!dir) return Error();
    items->clear();
    while (const dirent* d = ::readdir(dir)) {
      const std::string name = d->d_name;
      if (name == "." || name == "..") continue;
      FolderItem item;
      item.name = name;
      struct stat link {};
      struct stat target {};
      const std::string full = path + "/" + name;
      if (::lstat(full.c_str(), &link) != 0) continue;
      const bool isLink = S_ISLNK(link.st_mode);
      if (::stat(full.c_str(), &target) != 0) {
        item.kind = ItemKind::kOther;  // a broken link
      } else if (S_ISREG(target.st_mode)) {
        item.kind = ItemKind::kFile;
        item.size = static_cast<uint64_t>(target.st_size);
        item.executable = (target.st_mode & 0111) != 0;
      } else if (S_ISDIR(target.st_mode) && !isLink) {
        item.kind = ItemKind::kFolder;  // a link to a folder could lead round in a circle
      }
      item.modified = target.st_mtime;
      items->push_back(std::move(item));
    }
    ::closedir(dir);
    return 0;
  }

  std::unique_ptr<ImageInput> OpenInput(const std::string& folder, const std::string& relative,
                                        uint32_t* error) override {
    const int fd = ::open(Join(folder, relative).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
      *error = Error();
      return nullptr;
    }
    return std::make_unique<FdInput>(fd);
  }

  std::unique_ptr<ImageOutput> CreateOutput(const std::string& imagePath,
                                            uint32_t* error) override {
    struct stat old {};
    if (::stat(imagePath.c_str(), &old) == 0 && !S_ISREG(old.st_mode)) {
      *error = EISDIR;
      return nullptr;
    }
    const size_t slash = imagePath.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : imagePath.substr(0, slash + 1);
#ifdef O_TMPFILE
    const int unnamed = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0644);
    if (unnamed >= 0) return std::make_unique<FdOutput>(unnamed, imagePath, std::string());
#endif
    const std::string named = imagePath + kTempSuffix;
    const int fd = ::open(named.c_str(), O_CREAT | O_TRUNC | O_RDWR | O_CLOEXEC, 0644);
    if (fd < 0) {
      *error = Error();
      return nullptr;
    }
    return std::make_unique<FdOutput>(fd, imagePath, named);
  }

  bool IsWithin(const std::string& path, const std::string& folder) const override {
    const std::string base = Resolved(folder);
    if (base.empty()) return false;
    // The image need not exist yet: resolve its folder.
    const size_t slash = path.rfind('/');
    const std::string parent =
        Resolved(slash == std::string::npos ? "." : path.substr(0, slash + 1));
    if (parent.empty()) return false;
    const std::string whole =
        parent + "/" + path.substr(slash == std::string::npos ? 0 : slash + 1);
    return whole == base || whole.compare(0, base.size() + 1, base + "/") == 0 || parent == base;
  }

  std::unique_ptr<LibraryScope> PrepareLibrary(const std::string& tempFolder) override {
    return std::make_unique<PosixLibraryScope>(tempFolder);
  }

  bool IsDiskFull(uint32_t error) const override { return error == ENOSPC || error == EDQUOT; }
};

}  // namespace

std::unique_ptr<ImageFileSystem> MakeNativeImageFileSystem() {
  return std::make_unique<PosixImageFileSystem>();
}

}  // namespace cd_image
