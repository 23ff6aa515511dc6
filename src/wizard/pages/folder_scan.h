// What the entry list offers to add: the folders below the configuration
// folder that hold files, and the files of one of them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "wizard/pages/folder_lister.h"

namespace several_files {

// Folders deeper than this are offered as their path and "\.." unscanned.
inline constexpr int kMaxScanDepth = 4;
// A very wide tree stops being scanned after this many folders, so that
// pointing the wizard at a whole drive costs seconds, not minutes.
inline constexpr size_t kMaxScannedFolders = 5000;

// The "Folder:" items: "\" first, then every folder below `sourceFolder`
// that holds a file at any depth, as "\a\b\", sorted ignoring case.
std::vector<std::string> ScanFolders(const FolderLister& lister, const std::string& sourceFolder);

// The "Add:" items: the files of `sourceFolder` + `relativeFolder`, sorted
// ignoring case, without the starter program (`starterName`, any case).
std::vector<std::string> AddableFiles(const FolderLister& lister, const std::string& sourceFolder,
                                      const std::string& relativeFolder,
                                      const std::string& starterName);

// Which item a refilled combo selects: the same index as before, the last
// item when the list got shorter, the first when none was selected; -1 for
// an empty list.
int RefillSelection(int previous, size_t count);

// "Folder:" keeps its previous text when it is still offered, or goes back
// to "\" (index 0).
int FolderSelection(const std::vector<std::string>& folders, const std::string& previous);

// The folder part of an entry added from the combos: "\" stands for the
// configuration folder itself, which needs no folder part.
std::string RelativeFolder(const std::string& folderText);

}  // namespace several_files
