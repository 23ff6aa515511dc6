// Which folders and files the entry list offers to add.
#include "wizard/pages/folder_scan.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {
using namespace several_files;

// Folders by full path (ending in "\"), each with its items; a name ending in
// "\" is a sub-folder. Notes every folder searched; answers "." and ".." as a
// real search does.
class MapLister : public FolderLister {
 public:
  std::map<std::string, std::vector<std::string>> folders;
  mutable std::vector<std::string> listed;

  std::vector<FolderEntry> Find(const std::string& pattern) const override {
    const std::string folder = pattern.substr(0, pattern.size() - 1);  // without "*"
    listed.push_back(folder);
    std::vector<FolderEntry> items;
    auto found = folders.find(folder);
    if (found == folders.end()) return items;
    items = {{".", true}, {"..", true}};
    for (const std::string& name : found->second) {
      const bool isFolder = name.back() == '\\';
      items.push_back({isFolder ? name.substr(0, name.size() - 1) : name, isFolder});
    }
    return items;
  }
};

using Names = std::vector<std::string>;

TEST(FolderScan, OffersFoldersHoldingFilesSortedWithTheTooDeepOnes) {
  MapLister fs;
  fs.folders = {
      {"C:\\cd\\", {"Vendisc.exe", "zeta\\", "Alpha\\", "empty\\", "deep\\"}},
      {"C:\\cd\\zeta\\", {"z.txt"}},
      {"C:\\cd\\Alpha\\", {"only_folders\\", "hollow\\"}},
      {"C:\\cd\\Alpha\\only_folders\\", {"a.pdf"}},
      {"C:\\cd\\Alpha\\hollow\\", {}},
      {"C:\\cd\\empty\\", {}},
      {"C:\\cd\\deep\\", {"l2\\"}},
      {"C:\\cd\\deep\\l2\\", {"l3\\"}},
      {"C:\\cd\\deep\\l2\\l3\\", {"l4\\"}},
      {"C:\\cd\\deep\\l2\\l3\\l4\\", {"l5\\"}},
      {"C:\\cd\\deep\\l2\\l3\\l4\\l5\\", {"x.txt"}},
  };
  EXPECT_EQ(ScanFolders(fs, "C:\\cd\\"),
            (Names{"\\", "\\Alpha\\", "\\Alpha\\only_folders\\", "\\deep\\", "\\deep\\l2\\",
                   "\\deep\\l2\\l3\\", "\\deep\\l2\\l3\\l4\\", "\\deep\\l2\\l3\\l4\\l5\\",
                   "\\deep\\l2\\l3\\l4\\l5\\..", "\\zeta\\"}));
  // The fifth level is offered without being read.
  for (const std::string& folder : fs.listed) EXPECT_EQ(folder.find("l5"), std::string::npos);
}

TEST(FolderScan, SourceFolderFormsAndEmptyOnes) {
  const struct {
    const char* source;
    Names tree;  // the items of the source folder's one sub-folder "s"
    Names offered;
  } cases[] = {
      {"C:\\cd\\", {"f.txt"}, {"\\", "\\s\\"}},
      {"C:\\cd", {"f.txt"}, {"\\", "\\s\\"}},
      {"C:\\cd\\", {}, {"\\"}},
  };
  for (const auto& c : cases) {
    MapLister fs;
    fs.folders = {{"C:\\cd\\", {"s\\"}}, {"C:\\cd\\s\\", c.tree}};
    EXPECT_EQ(ScanFolders(fs, c.source), c.offered) << c.source;
  }
  MapLister missing;
  EXPECT_EQ(ScanFolders(missing, "Q:\\gone\\"), Names{"\\"});
}

TEST(FolderScan, AWideTreeIsScannedOnlyUpToTheBound) {
  MapLister fs;
  Names top;
  for (size_t i = 0; i < kMaxScannedFolders + 50; ++i)
    top.push_back("f" + std::to_string(i) + "\\");
  fs.folders["C:\\cd\\"] = top;
  ScanFolders(fs, "C:\\cd\\");
  EXPECT_EQ(fs.listed.size(), kMaxScannedFolders);
}

TEST(FolderScan, AddableFilesLeaveOutTheStarter) {
  MapLister fs;
  fs.folders = {
      {"C:\\cd\\", {"vendisc.EXE", "b.txt", "A.pdf", "sub\\", "autorun.inf"}},
      {"C:\\cd\\sub\\", {"Vendisc.exe", "c.doc"}},
  };
  const struct {
    const char* source;
    const char* relative;
    const char* starter;
    Names files;
  } cases[] = {
      {"C:\\cd\\", "", "Vendisc.exe", {"A.pdf", "autorun.inf", "b.txt"}},
      {"C:\\cd\\", "\\sub\\", "VENDISC.EXE", {"c.doc"}},
      {"C:\\cd", "\\sub\\", "", {"c.doc", "Vendisc.exe"}},
      {"C:\\cd\\", "\\nowhere\\", "Vendisc.exe", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddableFiles(fs, c.source, c.relative, c.starter), c.files) << c.relative;
  }
}

TEST(FolderScan, SelectionsAfterARefill) {
  const struct {
    int previous;
    size_t count;
    int selected;
  } refill[] = {{-1, 3, 0}, {2, 3, 2}, {2, 5, 2}, {4, 2, 1}, {0, 0, -1}, {-1, 0, -1}};
  for (const auto& c : refill) {
    EXPECT_EQ(RefillSelection(c.previous, c.count), c.selected) << c.previous << " " << c.count;
  }
  const Names folders{"\\", "\\a\\", "\\B\\"};
  EXPECT_EQ(FolderSelection(folders, "\\b\\"), 2);
  EXPECT_EQ(FolderSelection(folders, "\\gone\\"), 0);
  EXPECT_EQ(FolderSelection(folders, ""), 0);
  EXPECT_EQ(RelativeFolder("\\"), "");
  EXPECT_EQ(RelativeFolder("\\a\\"), "\\a\\");
}

}  // namespace
