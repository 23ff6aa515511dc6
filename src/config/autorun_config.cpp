#include "config/autorun_config.h"

#include <utility>

#include "common/file_path.h"
#include "common/file_system.h"
#include "common/text.h"
#include "config/autorun_keys.h"

namespace config {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// Blanks around names and values. Ctrl-Z counts too: old editors ended text
// files with it, and the profile functions skip it as white space.
bool IsProfileSpace(char c) { return text::IsSpace(c) || c == '\x1A'; }

std::string_view TrimProfile(std::string_view s) {
  size_t begin = 0;
  while (begin < s.size() && IsProfileSpace(s[begin])) ++begin;
  size_t end = s.size();
  while (end > begin && IsProfileSpace(s[end - 1])) --end;
  return s.substr(begin, end - begin);
}

// The profile functions hand out C strings: a NUL byte ends a name or value.
std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

// One pair of quotes of the same kind around the whole value goes, then the
// value is cut to what the buffer holds.
std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value.substr(0, kValueBufferSize - 1));
}

}  // namespace

namespace {

// Walks the entries of the first section named `section`, in file order:
// visit(name, value) gets each name (trimmed, up to a NUL) and its value
// (quotes removed, cut to the buffer; empty for a line without '=') and
// returns false to stop. One pass over the text.
template <typename Visit>
void ForEachEntry(std::string_view contents, std::string_view section, Visit visit) {
  if (text::StartsWith(contents, kUtf8Bom)) contents.remove_prefix(kUtf8Bom.size());
  section = TrimProfile(section);
  // Only the first section of the name counts: a later section that repeats
  // it is not searched.
  bool inSection = false;
  bool sectionSeen = false;
  size_t pos = 0;
  while (pos < contents.size()) {
    // A line ends at LF, CR LF or a lone CR.
    size_t end = contents.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = contents.size();
    std::string_view line = TrimProfile(contents.substr(pos, end - pos));
    pos = end + 1;

    if (!line.empty() && line.front() == '[') {
      size_t close = line.find(']');
      if (close != std::string_view::npos) {
        if (inSection) return;
        std::string_view name = TrimProfile(UpToNul(line.substr(1, close - 1)));
        inSection = !sectionSeen && text::EqualsNoCase(name, section);
        sectionSeen = sectionSeen || inSection;
        continue;
      }
    }
    if (!inSection || line.empty()) continue;

    // A line without '=' is a key with an empty value.
    size_t equals = line.find('=');
    std::string_view name = UpToNul(TrimProfile(line.substr(0, equals)));
    std::string value;
    if (equals != std::string_view::npos)
      value = Unquote(UpToNul(TrimProfile(line.substr(equals + 1))));
    if (!visit(name, std::move(value))) return;
  }
}

}  // namespace

std::string ReadProfileString(std::string_view contents, std::string_view section,
                              std::string_view key) {
  // The first line of the name wins, even one without '=' over a later line
  // that gives the key a value, as the system has it.
  return FindProfileString(contents, section, key).value_or(std::string());
}

std::optional<std::string> FindProfileString(std::string_view contents, std::string_view section,
                                             std::string_view key) {
  key = TrimProfile(key);
  std::optional<std::string> found;
  ForEachEntry(contents, section, [&](std::string_view name, std::string&& value) {
    if (!text::EqualsNoCase(name, key)) return true;
    found = std::move(value);
    return false;
  });
  return found;
}

ProfileSection ProfileSection::Parse(std::string_view contents, std::string_view section) {
  ProfileSection parsed;
  ForEachEntry(contents, section, [&](std::string_view name, std::string&& value) {
    // emplace keeps the first line of a name, the later ones are ignored.
    parsed.values_.emplace(text::ToLower(name), std::move(value));
    return true;
  });
  return parsed;
}

const std::string* ProfileSection::Find(std::string_view key) const {
  auto it = values_.find(text::ToLower(TrimProfile(key)));
  return it == values_.end() ? nullptr : &it->second;
}

bool IsOn(std::string_view value) { return value == "1"; }

bool IsSeveralFiles(std::string_view singleFile) { return singleFile == "0"; }

bool KeywordIs(std::string_view value, std::string_view keyword) {
  return text::EqualsNoCase(value, keyword);
}

int32_t NumberOr(std::string_view value, int32_t fallback) {
  return text::ParseIntOr(value, fallback);
}

std::string JoinToFolder(std::string_view folder, std::string_view value) {
  std::string joined(folder);
  joined += '\\';
  joined += value;
  return CollapseDoubledBackslashes(joined);
}

std::string FileFromOpenValue(std::string_view openValue) {
  // "Vendisc.exe "my file.doc"" gives my file.doc; a quote in the first
  // place is left alone, so an unquoted value is taken whole.
  size_t first = openValue.find('"');
  if (first != std::string_view::npos && first > 0) openValue.remove_prefix(first + 1);
  size_t last = openValue.rfind('"');
  if (last != std::string_view::npos && last > 0) openValue = openValue.substr(0, last);
  // What a several-files CD's empty quotes leave behind, a lone quote, is no file.
  if (NamesNoFile(openValue)) openValue = {};
  return std::string(openValue);
}

}  // namespace config

std::string AutorunConfig::Path() const {
  return CollapseDoubledBackslashes(fs_.CurrentDirectory() + "\\" + keys::kFileName);
}

bool AutorunConfig::Exists() const { return fs_.FindFile(Path()); }

const config::ProfileSection* AutorunConfig::Section() const {
  // Every read must see the file as it is now, but a CD with many keys must
  // not pay a read and a scan per key: the parsed section is kept while the
  // file's size and last-write time stay what they were when it was read.
  const std::string path = Path();
  uint64_t size = 0;
  uint64_t writeTime = 0;
  if (!fs_.Stamp(path, &size, &writeTime)) {
    cache_.reset();
    return nullptr;
  }
  if (!cache_ || cache_->path != path || cache_->size != size || cache_->writeTime != writeTime) {
    cache_.reset();
    std::string contents;
    if (!fs_.ReadFileHead(path, config::kMaxAutorunBytes, &contents)) return nullptr;
    // A line cut by the limit would give its key a shortened value (a count
    // of 12 read as 1): it goes with the rest.
    if (size > config::kMaxAutorunBytes) contents.erase(contents.find_last_of("\r\n") + 1);
    cache_ = Cache{path, size, writeTime, config::ProfileSection::Parse(contents, keys::kSection)};
  }
  return &cache_->section;
}

std::string AutorunConfig::ReadConfigValue(std::string_view key) const {
  const config::ProfileSection* section = Section();
  const std::string* value = section ? section->Find(key) : nullptr;
  return value ? text::Trim(*value) : std::string();
}

bool AutorunConfig::HasKey(std::string_view key) const {
  const config::ProfileSection* section = Section();
  return section && section->Find(key) != nullptr;
}

std::string AutorunConfig::File(std::string_view key) const {
  // An empty value still gives the folder itself: the windows that show a
  // configured picture report that "picture" as one they could not load.
  return config::JoinToFolder(fs_.CurrentDirectory(), ReadConfigValue(key));
}
