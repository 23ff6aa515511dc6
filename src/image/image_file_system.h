// The file-system port of the CD image: the folder walk, reading the files
// and writing the image. One implementation over the Win32 API (win32/), one
// over POSIX (posix/); the image code itself is portable.
//
// Paths handed in by callers are native text: the ANSI code page on Windows,
// UTF-8 elsewhere. Names inside the CD folder travel as UTF-8 relative paths
// with "/" between their parts ("" is the folder itself), so that every name
// the disk holds reaches the image intact, whatever the code page.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace cd_image {

enum class ItemKind { kFile, kFolder, kOther };

struct FolderItem {
  std::string name;  // UTF-8
  ItemKind kind = ItemKind::kOther;
  uint64_t size = 0;
  int64_t modified = 0;     // seconds since 1970-01-01 UTC
  bool executable = false;  // marked a program by the folder (Unix mode bits)
};

// One file of the CD folder, read from its start.
class ImageInput {
 public:
  virtual ~ImageInput() = default;
  // Reads up to `size` bytes; `*got` is 0 at the end. 0 on success, otherwise
  // the system's error code.
  virtual uint32_t Read(void* buffer, size_t size, size_t* got) = 0;
};

// The image being written, beside its target. Until Commit succeeds the
// target is untouched, and the data written so far disappears when the
// object goes, when the program fails or when it is killed.
class ImageOutput {
 public:
  virtual ~ImageOutput() = default;
  // Each returns 0 on success, otherwise the system's error code.
  virtual uint32_t Write(const void* data, size_t size) = 0;
  virtual uint32_t ReadAt(uint64_t offset, void* buffer, size_t size) = 0;
  virtual uint32_t WriteAt(uint64_t offset, const void* data, size_t size) = 0;
  // Puts the whole image in the target's place in one step.
  virtual uint32_t Commit() = 0;
};

// Settings the image library reads from the process while it lives (where
// its own temporary file goes, how it reads names); undone when destroyed.
class LibraryScope {
 public:
  virtual ~LibraryScope() = default;
};

class ImageFileSystem {
 public:
  virtual ~ImageFileSystem() = default;

  virtual std::string Utf8FromNative(const std::string& native) const = 0;
  // Also turns "/" into the system's separator.
  virtual std::string NativeFromUtf8(const std::string& utf8) const = 0;

  // The entries of `folder` joined with `relative`, "." and ".." left out,
  // in no particular order. 0 or the system's error code.
  virtual uint32_t List(const std::string& folder, const std::string& relative,
                        std::vector<FolderItem>* items) = 0;
  virtual std::unique_ptr<ImageInput> OpenInput(const std::string& folder,
                                                const std::string& relative, uint32_t* error) = 0;
  // Fails with the system's reason when the target could not be replaced
  // (in use, read-only, a folder) before anything is written.
  virtual std::unique_ptr<ImageOutput> CreateOutput(const std::string& imagePath,
                                                    uint32_t* error) = 0;
  // True when `path` is `folder` or lies inside it, as the system resolves both.
  virtual bool IsWithin(const std::string& path, const std::string& folder) const = 0;
  // For the library's run: its temporary file in `tempFolder`, names in UTF-8.
  virtual std::unique_ptr<LibraryScope> PrepareLibrary(const std::string& tempFolder) = 0;
  virtual bool IsDiskFull(uint32_t error) const = 0;
};

// The implementation for the system the program runs on.
std::unique_ptr<ImageFileSystem> MakeNativeImageFileSystem();

}  // namespace cd_image
