// The CD image made of a real folder on the host, read back by readers that
// no one here wrote (isoinfo, xorriso, 7z, pycdlib), and what the image
// leaves behind when it fails or is cancelled.
#include "image/cd_image.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <thread>

#include "image/image_texts.h"
#include "image/volume_dates.h"

namespace {

namespace fs = std::filesystem;
using namespace cd_image;

constexpr int64_t kOld = 1000000000;     // 2001-09-09
constexpr int64_t kNewest = 1300000000;  // 2011-03-13

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& data, int64_t date = kOld) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << data;
  struct timespec times[2] = {{date, 0}, {date, 0}};
  utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Every entry below `root`: a file's size and a hash of its contents, or "<folder>".
std::map<std::string, std::string> Tree(const fs::path& root) {
  std::map<std::string, std::string> tree;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string data = entry.is_directory() ? "" : Read(entry.path());
    tree[fs::relative(entry.path(), root).string()] =
        entry.is_directory()
            ? "<folder>"
            : std::to_string(data.size()) + ":" + std::to_string(std::hash<std::string>()(data));
  }
  return tree;
}

struct TempDir {
  std::string pattern = (fs::temp_directory_path() / "cd-image-XXXXXX").string();
  const fs::path path_{mkdtemp(pattern.data())};
  ~TempDir() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }
};

BuildResult Make(ImageFileSystem& port, const fs::path& folder, const fs::path& image,
                 const std::atomic<bool>& cancel = std::atomic<bool>(false),
                 ImagePlan* planOut = nullptr) {
  ImagePlan plan;
  Failure failure;
  EXPECT_TRUE(PlanImage(port, folder.string(), &plan, &failure));
  if (planOut) *planOut = plan;
  return BuildImage(port, plan, image.string(), "CAFÉ CD", nullptr, cancel);
}

// The CD folder of the readers' test: sub-folders, long and non-ASCII names,
// an empty file and a 5 MB file.
class CdImageReaders : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new TempDir;
    const fs::path cd = dir_->path() / "My CD";
    std::string big(5 * 1024 * 1024, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>((i * 7919) >> 11);
    Write(cd / "autorun.inf", "[autorun]\r\nopen=Vendisc.exe Café.pdf\r\n");
    Write(cd / "Café.pdf", "%PDF café", kNewest);
    Write(cd / "empty.txt", "");
    Write(cd / "video" / "big film.mpg", big);
    Write(cd / "Documents" / "Größe und Maß" / "Übersicht 2024.txt", "ü");
    Write(cd / "Documents" / std::string(60, 'n').append(".txt"), "long");
    port_ = MakeNativeImageFileSystem().release();
    const BuildResult result = Make(*port_, cd, dir_->path() / "My CD.iso", {}, &plan_);
    ASSERT_TRUE(result.ok()) << static_cast<int>(result.failure.kind) << result.failure.detail;
    imageBytes_ = result.imageBytes;
  }
  static void TearDownTestSuite() {
    delete port_;
    delete dir_;
  }
  static fs::path Folder() { return dir_->path() / "My CD"; }
  static fs::path Image() { return dir_->path() / "My CD.iso"; }

  static inline TempDir* dir_ = nullptr;
  static inline ImageFileSystem* port_ = nullptr;
  static inline ImagePlan plan_;
  static inline uint64_t imageBytes_ = 0;
};

TEST_F(CdImageReaders, EveryReaderFindsTheFolderInBothTrees) {
  struct Row {
    const char* reader;
    const char* tree;
  };
  const Row rows[] = {{"isoinfo", "joliet"},    {"isoinfo", "rockridge"}, {"xorriso", "joliet"},
                      {"xorriso", "rockridge"}, {"7z", "joliet"},         {"pycdlib", "joliet"},
                      {"pycdlib", "rockridge"}};
  const auto expected = Tree(Folder());
  ASSERT_EQ(expected.size(), 9u);
  for (const Row& row : rows) {
    const fs::path out = dir_->path() / (std::string(row.reader) + "-" + row.tree);
    const std::string command = std::string("/usr/bin/python3 '") + VENDISC_SOURCE_DIR +
                                "/tests/tools/iso_extract.py' " + row.reader + " " + row.tree +
                                " '" + Image().string() + "' '" + out.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_EQ(Tree(out), expected) << row.reader << " " << row.tree;
  }
}

// Same files, same dates: same bytes, however much later and whatever the
// files' access dates; the volume carries the newest file's date and the label.
TEST_F(CdImageReaders, TheSameFolderMakesTheSameImageDatedByItsNewestFile) {
  std::this_thread::sleep_for(std::chrono::milliseconds(1100));
  const fs::path again = dir_->path() / "again.iso";
  ASSERT_TRUE(Make(*port_, Folder(), again).ok());
  const std::string first = Read(Image());
  EXPECT_TRUE(Read(again) == first);
  EXPECT_EQ(first.size(), imageBytes_);
  const volume_dates::LongDate date = volume_dates::LongDateOf(kNewest);
  for (size_t descriptor : {16u, 17u}) {  // primary, then Joliet
    const std::string created = first.substr(descriptor * 2048 + 813, 17);
    EXPECT_EQ(created, std::string(date.begin(), date.end())) << descriptor;
  }
  EXPECT_EQ(first.substr(16 * 2048 + 40, 8), "CAF___CD");
  EXPECT_EQ(first.substr(17 * 2048 + 40, 14), std::string("\0C\0A\0F\0\xC9\0 \0C\0D", 14));
  // The estimate shown before the image is made is near the real size.
  EXPECT_NEAR(static_cast<double>(plan_.estimatedBytes), static_cast<double>(imageBytes_),
              imageBytes_ * 0.02 + 16 * 2048);
}

// What Windows could not read from the CD is listed with its reason and left
// out; the kit's own temporary files are no part of the CD.
TEST(CdImagePlan, ListsWhatWindowsCouldNotReadAndLeavesItOut) {
  TempDir dir;
  const fs::path cd = dir.path() / "cd";
  Write(cd / "keep.txt", "k");
  Write(cd / "a.txt", "lower");
  Write(cd / "A.TXT", "upper");
  Write(cd / "what?.txt", "?");
  Write(cd / "trailing.", ".");
  Write(cd / std::string(65, 'x'), "65");
  Write(cd / std::string(64, 'y'), "64");
  Write(cd / "Vendisc.exe.tmp~", "left by a kill");
  Write(cd / "licence.txt", "text");
  Write(cd / "licence.txt.tmp", "left by a kill");
  Write(cd / "own.tmp", "the author's");
  Write(cd / "\xff\xfe.txt", "not UTF-8");
  fs::path deep = cd;
  for (int level = 1; level <= 8; ++level) deep /= "d" + std::to_string(level);
  Write(deep / "lost.txt", "too deep");
  Write(deep.parent_path() / "found.txt", "deep enough");
  fs::create_directory_symlink(cd / "d1", cd / "loop");
  const fs::path longPath = fs::path("p") / std::string(60, 'q') / std::string(60, 'r') /
                            std::string(60, 's') / std::string(60, 't') / std::string(20, 'u');
  Write(cd / longPath / "file.txt", "long path");
  { std::ofstream huge(cd / "huge.bin", std::ios::binary); }
  fs::resize_file(cd / "huge.bin", 4ull << 30);  // sparse: no disk used

  const auto port = MakeNativeImageFileSystem();
  ImagePlan plan;
  Failure failure;
  ASSERT_TRUE(PlanImage(*port, cd.string(), &plan, &failure));
  // In the walk's order; capitals sort first, so "A.TXT" goes in.
  const std::vector<UnfitEntry> expected = {
      {"a.txt", Unfit::kCaseClash, "A.TXT"},
      {"d1/d2/d3/d4/d5/d6/d7/d8", Unfit::kTooDeep, ""},
      {"huge.bin", Unfit::kTooLarge, ""},
      {"loop", Unfit::kNotAFile, ""},
      {longPath.string(), Unfit::kPathTooLong, ""},
      {"trailing.", Unfit::kBadName, ""},
      {"what?.txt", Unfit::kBadName, ""},
      {std::string(65, 'x'), Unfit::kNameTooLong, ""},
      {"\xff\xfe.txt", Unfit::kBadName, ""},
  };
  EXPECT_EQ(plan.unfit, expected);
  std::vector<std::string> files;
  for (const ImageEntry& e : plan.entries)
    if (!e.folder) files.push_back(e.path);
  EXPECT_EQ(files, (std::vector<std::string>{"A.TXT", "d1/d2/d3/d4/d5/d6/d7/found.txt", "keep.txt",
                                             "licence.txt", "own.tmp", std::string(64, 'y')}));
}

// Whatever stops the image half-way, the old image is as it was and nothing
// else is left beside it (the library's temporary file included). A full
// disk is a scenario under Wine, where a write can be made to fail.
TEST(CdImageSafety, AFailureOrCancelLeavesTheOldImageAndNothingElse) {
  TempDir dir;
  const fs::path cd = dir.path() / "cd";
  const fs::path images = dir.path() / "images";
  const fs::path image = images / "cd.iso";
  struct Row {
    const char* name;
    std::function<void()> afterPlan;
    int cancelAfterCalls;
    FailureKind kind;
  };
  const Row rows[] = {
      {"a file gone", [&] { fs::remove(cd / "sub" / "b.bin"); }, -1, FailureKind::kCannotRead},
      {"a file grown", [&] { Write(cd / "a.bin", std::string(4 << 20, 'A')); }, -1,
       FailureKind::kFileChanged},
      {"cancelled while reading", nullptr, 3, FailureKind::kCancelled},
      {"cancelled while writing", nullptr, 30, FailureKind::kCancelled},
  };
  const auto port = MakeNativeImageFileSystem();
  for (const Row& row : rows) {
    fs::remove_all(cd);
    Write(cd / "a.bin", std::string(3 << 20, 'a'));
    Write(cd / "sub" / "b.bin", std::string(1 << 20, 'b'));
    Write(image, "the old image");
    ImagePlan plan;
    Failure failure;
    ASSERT_TRUE(PlanImage(*port, cd.string(), &plan, &failure));
    if (row.afterPlan) row.afterPlan();
    std::atomic<bool> cancel = false;
    int calls = 0;
    const BuildResult result = BuildImage(
        *port, plan, image.string(), "CD",
        [&](uint64_t, uint64_t) {
          if (++calls == row.cancelAfterCalls) cancel = true;
        },
        cancel);
    EXPECT_EQ(result.failure.kind, row.kind) << row.name;
    EXPECT_EQ(Read(image), "the old image") << row.name;
    EXPECT_EQ(Tree(images).size(), 1u) << row.name;
  }
  // The image cannot go inside the folder it is made of.
  ImagePlan plan;
  Failure failure;
  ASSERT_TRUE(PlanImage(*port, cd.string(), &plan, &failure));
  EXPECT_EQ(
      BuildImage(*port, plan, (cd / "sub" / "cd.iso").string(), "CD", nullptr, false).failure.kind,
      FailureKind::kImageInsideFolder);
  EXPECT_FALSE(fs::exists(cd / "sub" / "cd.iso"));
}

// A label holds 16 characters; a drive's root has no name to give.
TEST(CdImageNames, ProposedPathsAndLabels) {
  const auto port = MakeNativeImageFileSystem();
  EXPECT_EQ(ProposedLabel(*port, "/home/a/A very long folder name/"), "A VERY LONG FOLD");
  EXPECT_EQ(ProposedImagePath("C:\\CDs\\My Café CD\\"), "C:\\CDs\\My Café CD.iso");
  EXPECT_EQ(ProposedImagePath("D:\\"), "CD.iso");
  EXPECT_EQ(ProposedLabel(*port, "D:\\"), "CD");
  EXPECT_NE(LabelProblem(*port, "SEVENTEEN CHARS!!"), "");
  // Characters a volume name cannot hold are refused, not changed unasked.
  EXPECT_EQ(LabelProblem(*port, "CD: A/B?"), image_texts::kLabelCharacters);
  EXPECT_EQ(ProposedLabel(*port, "/home/a/Sales; 2024/"), "SALES_ 2024");
}

}  // namespace
