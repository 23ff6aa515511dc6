#include "wizard/pages/win32/win32_folder_lister.h"

#include <windows.h>

std::vector<FolderEntry> Win32FolderLister::Find(const std::string& pattern) const {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA data{};
  HANDLE find = ::FindFirstFileA(pattern.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    entries.push_back({data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
  return entries;
}
