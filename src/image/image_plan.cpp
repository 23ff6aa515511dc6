// What goes on the image: the walk of the CD folder in a fixed order, the
// entries Windows could not read from the CD, and the image's likely size.
#include <algorithm>
#include <map>
#include <string_view>

#include "image/cd_image.h"
#include "image/image_texts.h"
#include "common/unicode_names.h"

namespace cd_image {

namespace {

namespace un = unicode_names;

constexpr uint64_t kSector = 2048;
constexpr const char* kCopyTempSuffix = ".tmp~";
constexpr const char* kTextTempSuffix = ".tmp";

bool EndsWith(std::string_view s, std::string_view suffix) {
  return s.size() >= suffix.size() && s.substr(s.size() - suffix.size()) == suffix;
}

uint64_t Sectors(uint64_t bytes) { return (bytes + kSector - 1) / kSector; }

// Windows refuses these in names; a trailing dot or blank it strips.
bool IsWindowsName(std::u32string_view name) {
  if (name.empty() || name.back() == U'.' || name.back() == U' ') return false;
  return std::none_of(name.begin(), name.end(), [](char32_t c) {
    return c < 0x20 || std::u32string_view(U"<>:\"/\\|?*").find(c) != std::u32string_view::npos;
  });
}

// A program by its name, as Windows knows one; on other systems also a file
// the folder marks as one.
bool IsProgram(const FolderItem& item) {
  const size_t dot = item.name.rfind('.');
  if (dot == std::string::npos) return item.executable;
  const std::u32string extension = un::ToUpper(un::Decode(item.name.substr(dot)).value_or(U""));
  return item.executable || extension == U".EXE" || extension == U".COM" || extension == U".BAT" ||
         extension == U".CMD";
}

// Files the kit writes beside their target and renames over it: a killed
// wizard can leave one behind, and it is no file of the CD.
bool IsKitTemporary(const FolderItem& item, const std::vector<FolderItem>& items) {
  if (item.kind != ItemKind::kFile) return false;
  if (EndsWith(item.name, kCopyTempSuffix)) return true;
  if (!EndsWith(item.name, kTextTempSuffix)) return false;
  const std::string target = item.name.substr(0, item.name.size() - 4);
  return std::any_of(items.begin(), items.end(),
                     [&](const FolderItem& other) { return other.name == target; });
}

class Walker {
 public:
  Walker(ImageFileSystem& fs, ImagePlan& plan) : fs_(fs), plan_(plan) {}

  // The newest folder's own date, for a CD of folders only.
  int64_t newestFolder() const { return newestFolder_; }

  uint32_t Walk(const std::string& relative, int depth, int64_t* newestInside) {
    std::vector<FolderItem> items;
    if (const uint32_t error = fs_.List(plan_.folder, relative, &items)) return error;
    std::vector<FolderItem> kept;
    for (const FolderItem& item : items) {
      if (!IsKitTemporary(item, items)) kept.push_back(item);
    }
    // A fixed order, so that the same folder gives the same image.
    std::sort(kept.begin(), kept.end(),
              [](const FolderItem& a, const FolderItem& b) { return a.name < b.name; });
    std::map<std::u32string, std::string> folded;
    for (const FolderItem& item : kept) {
      const std::string path = relative.empty() ? item.name : relative + "/" + item.name;
      const std::optional<std::u32string> name = un::Decode(item.name);
      const std::optional<std::u32string> whole = un::Decode(path);
      if (!name || !whole || !IsWindowsName(*name)) {
        Leave(path, Unfit::kBadName);
        continue;
      }
      const auto [clash, fresh] = folded.emplace(un::ToUpper(*name), item.name);
      if (!fresh) {
        Leave(path, Unfit::kCaseClash, fs_.NativeFromUtf8(clash->second));
        continue;
      }
      if (un::Utf16Length(*name) > kMaxNameChars) {
        Leave(path, Unfit::kNameTooLong);
      } else if (un::Utf16Length(*whole) > kMaxPathChars) {
        Leave(path, Unfit::kPathTooLong);
      } else if (item.kind == ItemKind::kOther) {
        Leave(path, Unfit::kNotAFile);
      } else if (item.kind == ItemKind::kFolder && depth + 1 > kMaxFolderDepth) {
        Leave(path, Unfit::kTooDeep);
      } else if (item.kind == ItemKind::kFolder) {
        AddFolder(path, depth, item.modified, newestInside);
      } else if (item.size > kMaxFileBytes) {
        Leave(path, Unfit::kTooLarge);
      } else {
        plan_.entries.push_back({path, false, item.size, item.modified, IsProgram(item)});
        plan_.fileBytes += item.size;
        plan_.newest = std::max(plan_.newest, item.modified);
        *newestInside = std::max(*newestInside, item.modified);
      }
    }
    return 0;
  }

 private:
  // A folder is dated by the newest file it holds, or without files by the
  // volume's date: its own date changes with every temporary file written in
  // it, which would change the image.
  void AddFolder(const std::string& path, int depth, int64_t ownDate, int64_t* newestInside) {
    const size_t at = plan_.entries.size();
    plan_.entries.push_back({path, true, 0, 0, false});
    int64_t newest = INT64_MIN;
    if (Walk(path, depth + 1, &newest) != 0) {
      plan_.entries.resize(at);
      Leave(path, Unfit::kUnlistable);
      return;
    }
    plan_.entries[at].modified = newest;
    if (newest != INT64_MIN) *newestInside = std::max(*newestInside, newest);
    newestFolder_ = std::max(newestFolder_, ownDate);
  }

  void Leave(const std::string& path, Unfit reason, std::string other = {}) {
    plan_.unfit.push_back({fs_.NativeFromUtf8(path), reason, std::move(other)});
  }

  ImageFileSystem& fs_;
  ImagePlan& plan_;
  int64_t newestFolder_ = INT64_MIN;
};

// The layout the library writes: 16 system sectors, three volume
// descriptors, four path tables (in 4 KiB units), each folder's records for
// both trees, the files' data and 150 sectors of padding at the end.
uint64_t EstimateBytes(const ImagePlan& plan) {
  std::map<std::string, uint64_t> primary;  // folder -> bytes of its records
  std::map<std::string, uint64_t> joliet;
  uint64_t pathTable = 10;
  uint64_t jolietTable = 10;
  uint64_t data = 0;
  primary[""] = 2 * 34 + 200;
  joliet[""] = 2 * 34;
  for (const ImageEntry& entry : plan.entries) {
    const size_t slash = entry.path.rfind('/');
    const std::string parent = slash == std::string::npos ? "" : entry.path.substr(0, slash);
    const std::string name = entry.path.substr(slash == std::string::npos ? 0 : slash + 1);
    const size_t units = un::Utf16Length(un::Decode(name).value_or(U""));
    primary[parent] += 34 + 14 + 100 + name.size();
    joliet[parent] += 34 + 2 * units;
    if (entry.folder) {
      primary[entry.path] += 2 * 34 + 120;
      joliet[entry.path] += 2 * 34;
      pathTable += 8 + 9;
      jolietTable += 8 + 2 * units + 1;
    } else {
      data += Sectors(entry.size);
    }
  }
  uint64_t sectors = 16 + 3 + 2 * 2 * ((pathTable + 4095) / 4096 + (jolietTable + 4095) / 4096);
  for (const auto& [folder, bytes] : primary) sectors += Sectors(bytes);
  for (const auto& [folder, bytes] : joliet) sectors += Sectors(bytes);
  return (sectors + 1 + data + 150) * kSector;
}

std::string StripSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') &&
         !(path.size() == 3 && path[1] == ':'))
    path.pop_back();
  return path;
}

size_t LastSeparator(const std::string& path) { return path.find_last_of("\\/"); }

std::string FolderName(const std::string& folder) {
  const std::string path = StripSeparators(folder);
  const size_t at = LastSeparator(path);
  std::string name = at == std::string::npos ? path : path.substr(at + 1);
  if (name.size() == 2 && name[1] == ':') name.clear();  // a drive's root
  return name;
}

}  // namespace

bool PlanImage(ImageFileSystem& fs, const std::string& folder, ImagePlan* plan, Failure* failure) {
  *plan = ImagePlan();
  plan->folder = folder;
  int64_t newest = INT64_MIN;
  Walker walker(fs, *plan);
  if (const uint32_t error = walker.Walk("", 0, &newest)) {
    *plan = ImagePlan();
    *failure = {FailureKind::kNoFolder, folder, error, {}};
    return false;
  }
  // A CD of folders only is dated by its newest folder.
  if (newest == INT64_MIN && walker.newestFolder() != INT64_MIN)
    plan->newest = walker.newestFolder();
  for (ImageEntry& entry : plan->entries) {
    if (entry.modified == INT64_MIN) entry.modified = plan->newest;
  }
  plan->estimatedBytes = EstimateBytes(*plan);
  *failure = Failure();
  return true;
}

std::string ProposedImagePath(const std::string& folder) {
  const std::string path = StripSeparators(folder);
  const std::string name = FolderName(path);
  if (name.empty()) return "CD.iso";
  const size_t at = LastSeparator(path);
  return path.substr(0, at + 1) + name + ".iso";
}

namespace {
// What a Joliet volume name cannot hold; the writer would change it unasked.
bool NotForLabel(char32_t c) {
  return c < U' ' || std::u32string_view(U"*/:;?\\").find(c) != std::u32string_view::npos;
}
}  // namespace

std::string ProposedLabel(const ImageFileSystem& fs, const std::string& folder) {
  std::u32string name = un::Decode(fs.Utf8FromNative(FolderName(folder))).value_or(U"");
  name = un::ToUpper(name);
  std::replace_if(name.begin(), name.end(), NotForLabel, U'_');
  while (!name.empty() && (un::Utf16Length(name) > kMaxLabelChars ||
                           un::Encode(name).size() > kMaxLabelBytes || name.back() == U' '))
    name.pop_back();
  return name.empty() ? "CD" : fs.NativeFromUtf8(un::Encode(name));
}

std::string LabelProblem(const ImageFileSystem& fs, const std::string& label) {
  const std::string utf8 = fs.Utf8FromNative(label);
  const std::u32string text = un::Decode(utf8).value_or(U"");
  if (text.find_first_not_of(U' ') == std::u32string::npos) return image_texts::kLabelEmpty;
  if (un::Utf16Length(text) > kMaxLabelChars || utf8.size() > kMaxLabelBytes)
    return image_texts::kLabelTooLong;
  if (std::any_of(text.begin(), text.end(), NotForLabel)) return image_texts::kLabelCharacters;
  return {};
}

}  // namespace cd_image
