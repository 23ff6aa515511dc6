// The image's file-system port over the Win32 API. The folder is walked and
// read through the wide-character calls, so that a name outside the ANSI
// code page still reaches the image as the disk holds it.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "image/image_file_system.h"

namespace cd_image {

namespace {

constexpr size_t kBufferBytes = 1 << 20;
// Seconds from 1601-01-01 (FILETIME) to 1970-01-01.
constexpr int64_t kEpochSeconds = 11644473600LL;
constexpr const wchar_t* kTempSuffix = L".tmp~";
constexpr const wchar_t* kLinkSuffix = L".new~";

std::wstring Wide(const std::string& text, UINT codePage) {
  if (text.empty()) return {};
  const int size =
      ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(size, L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return {};
  const int size = ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string text(size, '\0');
  ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size,
                        nullptr, nullptr);
  return text;
}

uint32_t LastError() {
  const DWORD error = ::GetLastError();
  return error != 0 ? error : ERROR_GEN_FAILURE;
}

// The full path, in the form that passes MAX_PATH ("\\?\C:\..." or
// "\\?\UNC\server\...").
std::wstring LongPath(const std::wstring& path) {
  const DWORD size = ::GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (size == 0) return path;
  std::wstring full(size, L'\0');
  full.resize(::GetFullPathNameW(path.c_str(), size, full.data(), nullptr));
  if (full.rfind(L"\\\\?\\", 0) == 0) return full;
  if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  return L"\\\\?\\" + full;
}

std::wstring Join(const std::string& folder, const std::string& relativeUtf8) {
  std::wstring path = Wide(folder, CP_ACP);
  std::wstring relative = Wide(relativeUtf8, CP_UTF8);
  for (wchar_t& c : relative) {
    if (c == L'/') c = L'\\';
  }
  while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  if (!relative.empty()) {
    if (!path.empty() && path.back() != L'\\') path += L'\\';
    path += relative;
  }
  return LongPath(path);
}

int64_t UnixSeconds(const FILETIME& time) {
  const uint64_t ticks = (static_cast<uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return static_cast<int64_t>(ticks / 10000000) - kEpochSeconds;
}

class HandleInput : public ImageInput {
 public:
  explicit HandleInput(HANDLE file) : file_(file) {}
  ~HandleInput() override { ::CloseHandle(file_); }
  uint32_t Read(void* buffer, size_t size, size_t* got) override {
    DWORD read = 0;
    if (!::ReadFile(file_, buffer, static_cast<DWORD>(size), &read, nullptr)) return LastError();
    *got = read;
    return 0;
  }

 private:
  HANDLE file_;
};

bool WriteAll(HANDLE file, const char* data, size_t size) {
  while (size > 0) {
    const DWORD ask = static_cast<DWORD>(std::min<size_t>(size, 1u << 30));
    DWORD written = 0;
    if (!::WriteFile(file, data, ask, &written, nullptr) || written == 0) return false;
    data += written;
    size -= written;
  }
  return true;
}

// The image is written into "<target>.tmp~", opened to be deleted when its
// handle closes: whatever ends the program, the system removes it. Complete,
// it gets a second name ("<target>.new~", a hard link, or a copy where the
// disk has no links) that replaces the target in one rename. Where the system
// cannot delete on close (some devices and shares), the temporary is an
// ordinary file, removed when the image fails, and renamed into place.
class HandleOutput : public ImageOutput {
 public:
  HandleOutput(HANDLE file, std::wstring temp, std::wstring target, bool deletedOnClose)
      : file_(file),
        temp_(std::move(temp)),
        target_(std::move(target)),
        deletedOnClose_(deletedOnClose) {}
  ~HandleOutput() override {
    if (file_ != INVALID_HANDLE_VALUE) ::CloseHandle(file_);
    if (!deletedOnClose_ && !committed_) ::DeleteFileW(temp_.c_str());
  }

  uint32_t Write(const void* data, size_t size) override {
    return WriteAll(file_, static_cast<const char*>(data), size) ? 0 : LastError();
  }
  uint32_t ReadAt(uint64_t offset, void* buffer, size_t size) override {
    if (uint32_t error = Seek(offset)) return error;
    DWORD read = 0;
    if (!::ReadFile(file_, buffer, static_cast<DWORD>(size), &read, nullptr)) return LastError();
    return read == size ? 0 : ERROR_HANDLE_EOF;
  }
  uint32_t WriteAt(uint64_t offset, const void* data, size_t size) override {
    if (uint32_t error = Seek(offset)) return error;
    return WriteAll(file_, static_cast<const char*>(data), size) ? 0 : LastError();
  }
  uint32_t Commit() override {
    if (!::FlushFileBuffers(file_)) return LastError();
    if (!deletedOnClose_) {
      ::CloseHandle(file_);
      file_ = INVALID_HANDLE_VALUE;
      if (!::MoveFileExW(temp_.c_str(), target_.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastError();
      committed_ = true;
      return 0;
    }
    const std::wstring link = target_ + kLinkSuffix;
    ::SetFileAttributesW(link.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(link.c_str());
    if (!::CreateHardLinkW(link.c_str(), temp_.c_str(), nullptr)) {
      if (uint32_t error = CopyTo(link)) {
        ::DeleteFileW(link.c_str());
        return error;
      }
    }
    if (!::MoveFileExW(link.c_str(), target_.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const uint32_t error = LastError();
      ::DeleteFileW(link.c_str());
      return error;
    }
    return 0;
  }

 private:
  uint32_t Seek(uint64_t offset) {
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    return ::SetFilePointerEx(file_, at, nullptr, FILE_BEGIN) ? 0 : LastError();
  }
  uint32_t CopyTo(const std::wstring& path) {
    HANDLE copy = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (copy == INVALID_HANDLE_VALUE) return LastError();
    uint32_t error = Seek(0);
    std::vector<char> chunk(kBufferBytes);
    while (error == 0) {
      DWORD read = 0;
      if (!::ReadFile(file_, chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) {
        error = LastError();
      } else if (read == 0) {
        break;
      } else if (!WriteAll(copy, chunk.data(), read)) {
        error = LastError();
      }
    }
    if (error == 0 && !::FlushFileBuffers(copy)) error = LastError();
    ::CloseHandle(copy);
    return error;
  }

  HANDLE file_;
  std::wstring temp_;
  std::wstring target_;
  bool deletedOnClose_;
  bool committed_ = false;
};

// The library makes its temporary file in the folder GetTempPath names,
// which it takes from TMP and TEMP.
class Win32LibraryScope : public LibraryScope {
 public:
  explicit Win32LibraryScope(const std::string& tempFolder) {
    const std::wstring folder = Wide(tempFolder, CP_ACP);
    std::vector<wchar_t> old(32768);
    for (int i = 0; i < 2; ++i) {
      const DWORD size =
          ::GetEnvironmentVariableW(kNames[i], old.data(), static_cast<DWORD>(old.size()));
      had_[i] = size > 0 && size < old.size();
      if (had_[i]) old_[i] = old.data();
      ::SetEnvironmentVariableW(kNames[i], folder.c_str());
    }
  }
  ~Win32LibraryScope() override {
    for (int i = 0; i < 2; ++i)
      ::SetEnvironmentVariableW(kNames[i], had_[i] ? old_[i].c_str() : nullptr);
  }

 private:
  static constexpr const wchar_t* kNames[2] = {L"TMP", L"TEMP"};
  std::wstring old_[2];
  bool had_[2] = {false, false};
};

class Win32ImageFileSystem : public ImageFileSystem {
 public:
  std::string Utf8FromNative(const std::string& native) const override {
    return Narrow(Wide(native, CP_ACP), CP_UTF8);
  }
  std::string NativeFromUtf8(const std::string& utf8) const override {
    std::string native = Narrow(Wide(utf8, CP_UTF8), CP_ACP);
    for (char& c : native) {
      if (c == '/') c = '\\';
    }
    return native;
  }

  uint32_t List(const std::string& folder, const std::string& relative,
                std::vector<FolderItem>* items) override {
    std::wstring pattern = Join(folder, relative);
    pattern += pattern.back() == L'\\' ? L"*" : L"\\*";
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
      const DWORD error = ::GetLastError();
      return error == ERROR_FILE_NOT_FOUND ? 0 : LastError();
    }
    items->clear();
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      FolderItem item;
      item.name = Narrow(name, CP_UTF8);
      const DWORD attributes = found.dwFileAttributes;
      if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        item.kind = ItemKind::kOther;  // a junction could lead round in a circle
      } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        item.kind = ItemKind::kFolder;
      } else {
        item.kind = ItemKind::kFile;
        item.size = (static_cast<uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      }
      item.modified = UnixSeconds(found.ftLastWriteTime);
      items->push_back(std::move(item));
    } while (::FindNextFileW(search, &found));
    const DWORD end = ::GetLastError();
    ::FindClose(search);
    return end == ERROR_NO_MORE_FILES ? 0 : end;
  }

  std::unique_ptr<ImageInput> OpenInput(const std::string& folder, const std::string& relative,
                                        uint32_t* error) override {
    HANDLE file = ::CreateFileW(Join(folder, relative).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
      *error = LastError();
      return nullptr;
    }
    return std::make_unique<HandleInput>(file);
  }

  std::unique_ptr<ImageOutput> CreateOutput(const std::string& imagePath,
                                            uint32_t* error) override {
    const std::wstring target = LongPath(Wide(imagePath, CP_ACP));
    // An image that cannot be replaced is told before it is made.
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
      if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) {
        *error = ERROR_ACCESS_DENIED;
        return nullptr;
      }
      HANDLE old = ::CreateFileW(target.c_str(), GENERIC_WRITE | DELETE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (old == INVALID_HANDLE_VALUE) {
        *error = LastError();
        return nullptr;
      }
      ::CloseHandle(old);
    }
    const std::wstring temp = target + kTempSuffix;
    ::SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileW(temp.c_str());
    bool deletedOnClose = true;
    HANDLE file = ::CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_INVALID_PARAMETER) {
      deletedOnClose = false;
      file = ::CreateFileW(temp.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (file == INVALID_HANDLE_VALUE) {
      *error = LastError();
      return nullptr;
    }
    return std::make_unique<HandleOutput>(file, temp, target, deletedOnClose);
  }

  bool IsWithin(const std::string& path, const std::string& folder) const override {
    std::wstring base = LongPath(Wide(folder, CP_ACP));
    const std::wstring whole = LongPath(Wide(path, CP_ACP));
    while (base.size() > 4 && base.back() == L'\\') base.pop_back();
    if (whole.size() < base.size()) return false;
    const int equal = ::CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, whole.c_str(),
                                       static_cast<int>(base.size()), base.c_str(),
                                       static_cast<int>(base.size()));
    return equal == CSTR_EQUAL && (whole.size() == base.size() || whole[base.size()] == L'\\');
  }

  std::unique_ptr<LibraryScope> PrepareLibrary(const std::string& tempFolder) override {
    return std::make_unique<Win32LibraryScope>(tempFolder);
  }

  bool IsDiskFull(uint32_t error) const override {
    return error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL;
  }
};

}  // namespace

std::unique_ptr<ImageFileSystem> MakeNativeImageFileSystem() {
  return std::make_unique<Win32ImageFileSystem>();
}

}  // namespace cd_image
