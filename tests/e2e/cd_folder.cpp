#include "cd_folder.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include "common/text.h"

namespace e2e {

namespace {

std::atomic<int> folderCounter{0};

std::string TempFolder() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = ::GetTempPathA(sizeof buffer, buffer);
  std::string folder = (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : ".\\";
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

bool SetDefaultValue(HKEY root, const std::string& subKey, const std::string& value) {
  HKEY key = nullptr;
  if (::RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
    return false;
  const LONG status =
      ::RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
  ::RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

// RegDeleteTree needs Vista; the prefix may claim XP.
void DeleteKeyTree(HKEY root, const std::string& subKey) {
  HKEY key = nullptr;
  if (::RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | KEY_WRITE, &key) != ERROR_SUCCESS) return;
  for (;;) {
    char name[256] = {};
    DWORD length = sizeof name;
    if (::RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    DeleteKeyTree(key, name);
  }
  ::RegCloseKey(key);
  ::RegDeleteKeyA(root, subKey.c_str());
}

}  // namespace

CdFolder::CdFolder(const std::string& prefix, const std::string& base) {
  const std::string parent = base.empty() ? TempFolder() : base;
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string candidate = text::Format("%s\\%s-%lu-%d", parent.c_str(), prefix.c_str(),
                                         ::GetCurrentProcessId(), folderCounter++);
    if (::CreateDirectoryA(candidate.c_str(), nullptr)) {
      path_ = candidate;
      return;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) return;
  }
}

CdFolder::~CdFolder() {
  if (ok()) RemoveTree(path_);
}

std::string CdFolder::PathOf(const std::string& relative) const { return path_ + "\\" + relative; }

bool CdFolder::MakeParents(const std::string& relative) const {
  for (size_t slash = relative.find('\\'); slash != std::string::npos;
       slash = relative.find('\\', slash + 1)) {
    const std::string folder = PathOf(relative.substr(0, slash));
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
  }
  return true;
}

bool CdFolder::AddFile(const std::string& relative, const std::string& content) const {
  if (!ok() || !MakeParents(relative)) return false;
  std::ofstream file(PathOf(relative), std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(file);
}

bool CdFolder::AddCopy(const std::string& relative, const std::string& source) const {
  return ok() && MakeParents(relative) &&
         ::CopyFileA(source.c_str(), PathOf(relative).c_str(), FALSE) != 0;
}

bool CdFolder::Exists(const std::string& relative) const {
  return ok() && ::GetFileAttributesA(PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string CdFolder::ReadText(const std::string& relative) const {
  std::ifstream file(PathOf(relative), std::ios::binary);
  std::ostringstream content;
  content << file.rdbuf();
  return content.str();
}

bool RemoveTree(const std::string& folder) {
  WIN32_FIND_DATAA found{};
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = folder + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
      }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
  }
  return ::RemoveDirectoryA(folder.c_str()) != 0;
}

RecorderDocumentType::RecorderDocumentType(const std::string& extension,
                                           const std::string& recorderExe)
    : extension_(extension), progId_("VendiscTest" + extension.substr(1) + "File") {
  // Never take over (and later delete) a type the prefix already knows.
  HKEY existing = nullptr;
  if (extension_.size() < 2 || extension_[0] != '.' ||
      ::RegOpenKeyExA(HKEY_CLASSES_ROOT, extension_.c_str(), 0, KEY_READ, &existing) ==
          ERROR_SUCCESS) {
    if (existing) ::RegCloseKey(existing);
    extension_.clear();
    return;
  }
  ok_ = SetDefaultValue(HKEY_CLASSES_ROOT, extension_, progId_) &&
        SetDefaultValue(HKEY_CLASSES_ROOT, progId_ + "\\shell\\open\\command",
                        "\"" + recorderExe + "\" \"%1\"");
}

RecorderDocumentType::~RecorderDocumentType() {
  if (extension_.size() < 2) return;
  DeleteKeyTree(HKEY_CLASSES_ROOT, extension_);
  DeleteKeyTree(HKEY_CLASSES_ROOT, progId_);
}

}  // namespace e2e
