#include "fake_file_system.h"

#include <algorithm>

#include "common/text.h"

namespace {
// Windows file names compare without regard to case.
const std::string* Find(const std::map<std::string, std::string>& files, const std::string& path) {
  for (const auto& [name, contents] : files) {
    if (text::EqualsNoCase(name, path)) return &contents;
  }
  return nullptr;
}
}  // namespace

void FakeFileSystem::Put(const std::string& name, const std::string& contents) {
  std::string folder = currentDirectory;
  if (!text::EndsWith(folder, "\\")) folder += "\\";
  files[folder + name] = contents;
  // Every write moves the file's time on, as a real file system does.
  writeTimes[folder + name] = ++writeClock_;
}

bool FakeFileSystem::FindFile(const std::string& pattern) const {
  return Find(files, pattern) != nullptr;
}

bool FakeFileSystem::ReadWholeFile(const std::string& path, std::string* contents) const {
  ++const_cast<FakeFileSystem*>(this)->reads;
  const std::string* found = Find(files, path);
  if (!found) return false;
  *contents = *found;
  return true;
}

bool FakeFileSystem::ReadFileHead(const std::string& path, size_t maxBytes,
                                  std::string* contents) const {
  auto* self = const_cast<FakeFileSystem*>(this);
  self->largestHeadAsked = std::max(largestHeadAsked, maxBytes);
  if (!ReadWholeFile(path, contents)) return false;
  if (contents->size() > maxBytes) contents->resize(maxBytes);
  return true;
}

bool FakeFileSystem::Stamp(const std::string& path, uint64_t* size, uint64_t* writeTime) const {
  const std::string* found = Find(files, path);
  if (!found) return false;
  *size = found->size();
  auto t = writeTimes.find(path);
  *writeTime = t == writeTimes.end() ? 0 : t->second;
  return true;
}

bool FakeFileSystem::WriteWholeFile(const std::string& path, const std::string& contents) {
  writes.push_back(path);
  if (failWrites.count(path)) return false;
  if (halfWrites) {
    files[path] = contents.substr(0, contents.size() / 2);
    return false;
  }
  files[path] = contents;
  return true;
}

bool FakeFileSystem::MoveReplacing(const std::string& from, const std::string& to) {
  auto it = files.find(from);
  if (failReplace || it == files.end()) return false;
  files[to] = it->second;
  files.erase(from);
  return true;
}

bool FakeFileSystem::DeletePath(const std::string& path) { return files.erase(path) > 0; }

bool FakeFileSystem::CreateFolder(const std::string& path) {
  if (failFolders.count(path)) return false;
  folders.insert(path);
  return true;
}
