// The port that lists a folder's entries matching a pattern (a file search):
// the image chooser fills its list through it.
#pragma once

#include <string>
#include <vector>

struct FolderEntry {
  std::string name;  // the entry's file name, without its folder
  bool folder = false;
};

class FolderLister {
 public:
  virtual ~FolderLister() = default;
  // Every entry a file search for `pattern` ("C:\cd\*.gif") finds, in the
  // order found, "." and ".." included when the search reports them.
  virtual std::vector<FolderEntry> Find(const std::string& pattern) const = 0;
};
