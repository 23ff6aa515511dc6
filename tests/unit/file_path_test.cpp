#include "common/file_path.h"

#include <gtest/gtest.h>

#include "fake_file_system.h"

namespace {

TEST(FilePath, SplitsAndNormalises) {
  struct Row {
    const char* path;
    const char* folder;
    const char* name;
  } rows[] = {
      {"C:/cd//images/logo.gif", "C:\\cd\\images\\", "logo.gif"},
      {"C:\\cd\\images", "C:\\cd\\images\\", ""},
      {"C:\\dir\\README", "C:\\dir\\README\\", ""},
      {"C:\\v1.2\\README", "C:\\v1.2\\README\\", ""},  // the "." is in a folder
      {"C:\\cd\\", "C:\\cd\\", ""},
      {"  C:\\cd\\a b.txt \t", "C:\\cd\\", "a b.txt"},
      {"logo.gif", "\\", "logo.gif"},
      {"E:\\", "E:\\", ""},
      {"", "", ""},
      {"   ", "", ""},
      {"\\\\server\\share\\a.doc", "\\\\server\\share\\", "a.doc"},
      {"//server/share/a.doc", "\\\\server\\share\\", "a.doc"},
  };
  for (const auto& row : rows) {
    FilePath path(row.path);
    EXPECT_EQ(path.Folder(), row.folder) << row.path;
    EXPECT_EQ(path.Name(), row.name) << row.path;
  }
}

TEST(FilePath, FullPathIfCompleteNeedsBothParts) {
  EXPECT_EQ(FilePath("C:/cd//images/logo.gif").FullPath(), "C:\\cd\\images\\logo.gif");
  EXPECT_EQ(FilePath("C:/cd//images/logo.gif").FullPathIfComplete(), "C:\\cd\\images\\logo.gif");
  EXPECT_EQ(FilePath("C:\\cd\\images").FullPath(), "C:\\cd\\images\\");
  EXPECT_EQ(FilePath("C:\\cd\\images").FullPathIfComplete(), "");
  EXPECT_EQ(FilePath().FullPathIfComplete(), "");
}

TEST(FilePath, SetNameMovesItsFoldersIntoTheFolder) {
  FilePath path("C:\\cd\\");
  path.SetName("sub\\pic.jpg");
  EXPECT_EQ(path.Folder(), "C:\\cd\\sub\\");
  EXPECT_EQ(path.Name(), "pic.jpg");
  path.SetName("other.gif");
  EXPECT_EQ(path.FullPath(), "C:\\cd\\sub\\other.gif");
}

TEST(FilePath, SetFolderKeepsTheName) {
  FilePath path("C:\\old\\pic.jpg");
  path.SetFolder("D:/new");
  EXPECT_EQ(path.FullPath(), "D:\\new\\pic.jpg");
  path.SetFolder("E:\\");
  EXPECT_EQ(path.FullPath(), "E:\\pic.jpg");
}

TEST(FilePath, ABareNameKeepsItsRootFolderWhenRenamed) {
  // The folder "\" plus "\" must not turn into the start of a network path.
  FilePath path("a.txt");
  path.SetName("b.txt");
  EXPECT_EQ(path.Folder(), "\\");
  EXPECT_EQ(path.Name(), "b.txt");
}

TEST(FilePath, Extension) {
  struct Row {
    const char* path;
    const char* extension;
  } rows[] = {{"C:\\a.b.txt", "txt"}, {"C:\\.profile", ""}, {"C:\\x\\logo.GIF", "GIF"},
              {"C:\\x\\dir", ""},     {"C:\\x\\a.", ""},    {"C:\\x\\.a.txt", "txt"}};
  for (const auto& row : rows) EXPECT_EQ(FilePath(row.path).Extension(), row.extension) << row.path;
}

TEST(FilePath, ExistsSearchesForTheFullPath) {
  FakeFileSystem fs;
  fs.files["C:\\cd\\logo.gif"] = "GIF89a";
  EXPECT_TRUE(FilePath("c:/CD/logo.gif").Exists(fs));
  EXPECT_FALSE(FilePath("C:\\cd\\other.gif").Exists(fs));
  EXPECT_FALSE(FilePath().Exists(fs));
  fs.currentDirectory = "D:\\work";
  EXPECT_EQ(FilePath::CurrentDirectory(fs), "D:\\work");
}

TEST(CollapseDoubledBackslashes, ScansOnceAndKeepsANetworkPrefix) {
  EXPECT_EQ(CollapseDoubledBackslashes("E:\\\\autorun.inf"), "E:\\autorun.inf");
  EXPECT_EQ(CollapseDoubledBackslashes("a\\\\\\b"), "a\\\\b");
  EXPECT_EQ(CollapseDoubledBackslashes("\\\\srv\\\\x"), "\\\\srv\\x");
  EXPECT_EQ(CollapseDoubledBackslashes("\\\\\\srv"), "\\\\srv");
}

// A network path keeps the pair of separators that opens it through every
// tidying step; everything else follows the rules for ordinary paths.
TEST(PathTidying, NetworkPathsKeepTheirOpeningPair) {
  struct Row {
    const char* path;
    bool network;
    const char* tidyPath;
    const char* tidyParameters;
  } rows[] = {
      {"\\\\server\\cd\\doc.pdf", true, "\\\\server\\cd\\doc.pdf", "\\\\server\\cd\\doc.pdf"},
      {"\\\\server\\cd\\\\sub\\\\\\\\a.pdf", true, "\\\\server\\cd\\sub\\a.pdf",
       "\\\\server\\cd\\sub\\a.pdf"},
      {"//server/cd//doc.pdf", true, "//server/cd//doc.pdf", "//server/cd/doc.pdf"},
      {"\\\\\\server\\a.pdf", false, "\\server\\a.pdf", "\\server\\a.pdf"},
      {"\\docs\\\\a.pdf", false, "\\docs\\a.pdf", "\\docs\\a.pdf"},
      {"E:\\\\cd//a\\/b.txt", false, "E:\\cd//a\\/b.txt", "E:\\cd/a\\b.txt"},
      {"http://host//a", false, "http://host//a", "http://host//a"},
      {"\\\\", true, "\\\\", "\\\\"},
      {"", false, "", ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(IsNetworkPath(row.path), row.network) << row.path;
    EXPECT_EQ(TidyPath(row.path), row.tidyPath) << row.path;
    EXPECT_EQ(TidyParameters(row.path), row.tidyParameters) << row.path;
  }
}

TEST(PathTidying, RootedTargetsJoinTheCurrentDirectoryNetworkTargetsDoNot) {
  struct Row {
    const char* target;
    const char* current;
    const char* resolved;
  } rows[] = {
      {"\\docs\\a.pdf", "E:\\", "E:\\docs\\a.pdf"},
      {"\\docs\\a.pdf", "E:\\cd", "E:\\cd\\docs\\a.pdf"},
      {"/docs/a.pdf", "E:\\cd\\", "E:\\cd\\docs/a.pdf"},
      {"\\docs\\a.pdf", "\\\\server\\cd", "\\\\server\\cd\\docs\\a.pdf"},
      {"\\docs\\a.pdf", "\\\\server\\cd\\", "\\\\server\\cd\\docs\\a.pdf"},
      {"\\\\server\\cd\\doc.pdf", "\\\\server\\cd", "\\\\server\\cd\\doc.pdf"},
      {"\\\\server\\cd\\doc.pdf", "E:\\", "\\\\server\\cd\\doc.pdf"},
      {"//server/cd/doc.pdf", "E:\\", "//server/cd/doc.pdf"},
      {"docs\\a.pdf", "E:\\cd", "docs\\a.pdf"},
      {"http://host/a", "E:\\cd", "http://host/a"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(ResolveRootedPath(row.target, row.current), row.resolved)
        << row.target << " in " << row.current;
  }
}

}  // namespace
