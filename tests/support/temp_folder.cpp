#include "temp_folder.h"

#include <atomic>
#include <fstream>
#include <sstream>

#include "common/text.h"

namespace test_support {
namespace {

std::atomic<int> folderCounter{0};

std::string TempRoot() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = ::GetTempPathA(sizeof buffer, buffer);
  std::string folder = (n > 0 && n < sizeof buffer) ? std::string(buffer, n) : ".\\";
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder;
}

}  // namespace

TempFolder::TempFolder(const std::string& prefix, const std::string& base) {
  const std::string parent = base.empty() ? TempRoot() : base;
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

TempFolder::~TempFolder() {
  if (ok()) RemoveTree(path_);
}

std::string TempFolder::PathOf(const std::string& relative) const {
  return path_ + "\\" + relative;
}

bool TempFolder::MakeParents(const std::string& relative) const {
  for (size_t slash = relative.find('\\'); slash != std::string::npos;
       slash = relative.find('\\', slash + 1)) {
    const std::string folder = PathOf(relative.substr(0, slash));
    if (!::CreateDirectoryA(folder.c_str(), nullptr) && ::GetLastError() != ERROR_ALREADY_EXISTS)
      return false;
  }
  return true;
}

bool TempFolder::AddFile(const std::string& relative, const std::string& content) const {
  if (!ok() || !MakeParents(relative)) return false;
  std::ofstream file(PathOf(relative), std::ios::binary | std::ios::trunc);
  file.write(content.data(), static_cast<std::streamsize>(content.size()));
  return static_cast<bool>(file);
}

bool TempFolder::AddCopy(const std::string& relative, const std::string& source) const {
  return ok() && MakeParents(relative) &&
         ::CopyFileA(source.c_str(), PathOf(relative).c_str(), FALSE) != 0;
}

bool TempFolder::Exists(const std::string& relative) const {
  return ok() && ::GetFileAttributesA(PathOf(relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string TempFolder::ReadText(const std::string& relative) const {
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

std::string TestData(const std::string& relative) {
  // Baked in at build time as a Unix path; Wine's drive Z: is the root.
  std::string path = std::string("Z:") + TEST_DATA_DIR + "/" + relative;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

}  // namespace test_support
