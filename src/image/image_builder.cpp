// Writing the image with libarchive's ISO 9660 writer. The writer keeps
// every file's data in a temporary file of its own until the directory
// records are known, then writes the image in one pass through WriteOut.
#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <vector>

#include "image/cd_image.h"
#include "image/volume_dates.h"

namespace cd_image {

namespace {

constexpr size_t kChunk = 256 * 1024;
constexpr int kFolderMode = 0555;
constexpr int kFileMode = 0444;
constexpr int kProgramMode = 0555;

struct ArchiveFree {
  void operator()(archive* a) const { archive_write_free(a); }
};
struct EntryFree {
  void operator()(archive_entry* e) const { archive_entry_free(e); }
};

std::string FolderOf(const std::string& path) {
  const size_t at = path.find_last_of("\\/");
  if (at == std::string::npos) return ".";
  if (at == 0 || (at == 2 && path[1] == ':')) return path.substr(0, at + 1);
  return path.substr(0, at);
}

class Build {
 public:
  Build(ImageFileSystem& fs, const ImagePlan& plan, const std::string& imagePath,
        const ProgressFunction& progress, const std::atomic<bool>& cancel)
      : fs_(fs),
        plan_(plan),
        imagePath_(imagePath),
        progress_(progress),
        cancel_(cancel),
        total_(plan.fileBytes + plan.estimatedBytes) {}

  BuildResult Run(const std::string& labelUtf8) {
    BuildResult result;
    uint32_t error = 0;
    output_ = fs_.CreateOutput(imagePath_, &error);
    if (!output_) {
      result.failure = {
          fs_.IsDiskFull(error) ? FailureKind::kDiskFull : FailureKind::kCannotReplace,
          imagePath_,
          error,
          {}};
      return result;
    }
    {
      const std::unique_ptr<LibraryScope> scope = fs_.PrepareLibrary(FolderOf(imagePath_));
      if (!Write(labelUtf8)) {
        result.failure = failure_;
        return result;  // the output goes, and the old image stays
      }
    }
    if ((error = volume_dates::ReplaceLibraryStamps(*output_, plan_.newest)) ||
        (error = output_->Commit())) {
      result.failure = OutputFailure(error);
      return result;
    }
    Step(total_);
    result.imageBytes = written_;
    return result;
  }

 private:
  bool Write(const std::string& labelUtf8) {
    std::unique_ptr<archive, ArchiveFree> a(archive_write_new());
    if (!a) return Fail({FailureKind::kLibrary, {}, 0, "out of memory"});
    archive_ = a.get();
    if (archive_write_set_format_iso9660(archive_) != ARCHIVE_OK ||
        archive_write_set_format_option(archive_, "iso9660", "joliet", "1") != ARCHIVE_OK ||
        // "strict": the modes as given; the library's default makes every
        // file a program when it is built for Windows.
        archive_write_set_format_option(archive_, "iso9660", "rockridge", "strict") != ARCHIVE_OK ||
        archive_write_set_format_option(archive_, "iso9660", "volume-id", labelUtf8.c_str()) !=
            ARCHIVE_OK ||
        archive_write_set_bytes_per_block(archive_, static_cast<int>(kChunk)) != ARCHIVE_OK ||
        archive_write_set_bytes_in_last_block(archive_, 1) != ARCHIVE_OK ||
        archive_write_open(archive_, this, nullptr, &Build::WriteOut, nullptr) != ARCHIVE_OK)
      return LibraryFailure();
    std::unique_ptr<archive_entry, EntryFree> entry(archive_entry_new());
    std::vector<char> buffer(kChunk);
    for (const ImageEntry& item : plan_.entries) {
      if (Cancelled()) return false;
      archive_entry_clear(entry.get());
      Describe(item, entry.get());
      if (archive_write_header(archive_, entry.get()) < ARCHIVE_WARN) return LibraryFailure();
      if (!item.folder && !CopyData(item, buffer)) return false;
    }
    if (archive_write_close(archive_) != ARCHIVE_OK) return LibraryFailure();
    return true;
  }

  static void Describe(const ImageEntry& item, archive_entry* e) {
    archive_entry_set_pathname(e, item.path.c_str());
    archive_entry_set_filetype(e, item.folder ? AE_IFDIR : AE_IFREG);
    archive_entry_set_perm(e, item.folder       ? kFolderMode
                              : item.executable ? kProgramMode
                                                : kFileMode);
    archive_entry_set_size(e, item.folder ? 0 : static_cast<la_int64_t>(item.size));
    archive_entry_set_nlink(e, item.folder ? 2 : 1);
    archive_entry_set_uid(e, 0);
    archive_entry_set_gid(e, 0);
    // One date for all three, so that reading the files for the image (which
    // changes their access dates) does not change the next image.
    archive_entry_set_mtime(e, item.modified, 0);
    archive_entry_set_atime(e, item.modified, 0);
    archive_entry_set_ctime(e, item.modified, 0);
  }

  bool CopyData(const ImageEntry& item, std::vector<char>& buffer) {
    uint32_t error = 0;
    const std::string native = fs_.NativeFromUtf8(item.path);
    const std::unique_ptr<ImageInput> input = fs_.OpenInput(plan_.folder, item.path, &error);
    if (!input) return Fail({FailureKind::kCannotRead, native, error, {}});
    uint64_t left = item.size;
    for (;;) {
      if (Cancelled()) return false;
      size_t got = 0;
      const size_t ask = static_cast<size_t>(std::min<uint64_t>(buffer.size(), left ? left : 1));
      if ((error = input->Read(buffer.data(), ask, &got)))
        return Fail({FailureKind::kCannotRead, native, error, {}});
      if (got == 0) break;
      if (got > left) return Fail({FailureKind::kFileChanged, native, 0, {}});
      if (archive_write_data(archive_, buffer.data(), got) < 0) return LibraryFailure();
      left -= got;
      Step(got);
    }
    if (left != 0) return Fail({FailureKind::kFileChanged, native, 0, {}});
    return true;
  }

  static la_ssize_t WriteOut(archive*, void* self, const void* data, size_t size) {
    auto& build = *static_cast<Build*>(self);
    // Freeing a writer that failed half-way closes it first: write nothing then.
    if (build.failure_.kind != FailureKind::kNone || build.Cancelled()) return -1;
    if (const uint32_t error = build.output_->Write(data, size)) {
      build.Fail(build.OutputFailure(error));
      return -1;
    }
    build.written_ += size;
    build.Step(size);
    return static_cast<la_ssize_t>(size);
  }

  bool Cancelled() {
    if (!cancel_.load()) return false;
    if (failure_.kind == FailureKind::kNone) failure_ = {FailureKind::kCancelled, {}, 0, {}};
    return true;
  }

  void Step(uint64_t bytes) {
    done_ = std::min(total_, done_ + bytes);
    if (progress_) progress_(done_, total_);
  }

  Failure OutputFailure(uint32_t error) const {
    return {fs_.IsDiskFull(error) ? FailureKind::kDiskFull : FailureKind::kCannotWrite,
            imagePath_,
            error,
            {}};
  }

  bool Fail(Failure failure) {
    if (failure_.kind == FailureKind::kNone) failure_ = std::move(failure);
    return false;
  }

  // What the library reports, unless one of the callbacks said why already.
  bool LibraryFailure() {
    if (failure_.kind != FailureKind::kNone) return false;
    const int error = archive_errno(archive_);
    const char* text = archive_error_string(archive_);
    if (error == ENOSPC) return Fail({FailureKind::kDiskFull, FolderOf(imagePath_), 0, {}});
    return Fail({FailureKind::kLibrary, {}, 0, text ? text : "unknown error"});
  }

  ImageFileSystem& fs_;
  const ImagePlan& plan_;
  const std::string& imagePath_;
  const ProgressFunction& progress_;
  const std::atomic<bool>& cancel_;
  const uint64_t total_;
  uint64_t done_ = 0;
  uint64_t written_ = 0;
  archive* archive_ = nullptr;
  std::unique_ptr<ImageOutput> output_;
  Failure failure_;
};

}  // namespace

BuildResult BuildImage(ImageFileSystem& fs, const ImagePlan& plan, const std::string& imagePath,
                       const std::string& label, const ProgressFunction& progress,
                       const std::atomic<bool>& cancel) {
  BuildResult result;
  if (std::string problem = LabelProblem(fs, label); !problem.empty()) {
    result.failure = {FailureKind::kBadLabel, {}, 0, std::move(problem)};
    return result;
  }
  if (fs.IsWithin(imagePath, plan.folder)) {
    result.failure = {FailureKind::kImageInsideFolder, imagePath, 0, {}};
    return result;
  }
  return Build(fs, plan, imagePath, progress, cancel).Run(fs.Utf8FromNative(label));
}

}  // namespace cd_image
