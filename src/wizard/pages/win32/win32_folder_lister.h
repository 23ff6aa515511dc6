// Lists a folder's entries with the Win32 file search.
#pragma once

#include "wizard/pages/folder_lister.h"

class Win32FolderLister : public FolderLister {
 public:
  std::vector<FolderEntry> Find(const std::string& pattern) const override;
};
