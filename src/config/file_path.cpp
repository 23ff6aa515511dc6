#include "config/file_path.h"

#include "common/file_system.h"
#include "common/text.h"

namespace {
std::string Tidy(std::string_view path) {
  return text::Trim(text::ReplaceAll(text::ReplaceAll(path, "/", "\\"), "\\\\", "\\"));
}
}  // namespace

void FilePath::Set(std::string_view path) {
  name_.clear();
  folder_ = Tidy(path);
  if (!folder_.empty()) {
    const size_t slash = folder_.rfind('\\');
    const size_t dot = folder_.rfind('.');
    const bool namesFile = folder_.back() != '\\' && dot != std::string::npos &&
                           (slash == std::string::npos || slash < dot);
    if (namesFile) {
      if (slash == std::string::npos) {
        name_ = folder_;
        folder_.clear();
      } else {
        name_ = folder_.substr(slash + 1);
        folder_.resize(slash);
      }
    }
    if (folder_.empty() || folder_.back() != '\\') folder_ += '\\';
  }
  folder_ = Tidy(folder_);
}

void FilePath::SetName(std::string_view name) { Set(folder_ + "\\" + std::string(name)); }

void FilePath::SetFolder(std::string_view folder) { Set(std::string(folder) + "\\" + name_); }

std::string FilePath::FullPathIfComplete() const {
  return folder_.empty() || name_.empty() ? std::string() : FullPath();
}

std::string FilePath::Extension() const {
  const size_t dot = name_.rfind('.');
  if (dot == std::string::npos || dot == 0) return std::string();
  return name_.substr(dot + 1);
}

bool FilePath::Exists(const FileSystem& fs) const { return fs.FindFile(FullPath()); }

std::string FilePath::CurrentDirectory(const FileSystem& fs) { return fs.CurrentDirectory(); }
