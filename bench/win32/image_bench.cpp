// Times the CD image from inside Windows (Wine), side by side with what it
// is compared with:
//   9. the image of a 200 MB folder (40 files of 5 MB in 4 folders) through
//      the image core Discwright uses, against copying the same files with
//      CopyFileA into an empty folder on the same disk; and where the image's
//      time goes: the files into the library's temporary file, that file
//      into the image, then the dates and the rename.
//
//   image_bench.exe --work=DIR [--runs=N]
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench_common.h"
#include "common/text.h"
#include "image/cd_image.h"

namespace {

using namespace bench;

constexpr int kFolders = 4;
constexpr int kFilesPerFolder = 10;
constexpr size_t kFileBytes = 5 << 20;

std::string FileName(int folder, int file) {
  return text::Format("part%d\\film%02d.mpg", folder, file);
}

// The folder, made once: data that does not compress or repeat.
bool MakeFolder(const std::string& cd) {
  ::CreateDirectoryA(cd.c_str(), nullptr);
  std::string data(kFileBytes, '\0');
  uint32_t seed = 12345;
  for (int folder = 0; folder < kFolders; ++folder) {
    ::CreateDirectoryA(Join(cd, text::Format("part%d", folder)).c_str(), nullptr);
    for (int file = 0; file < kFilesPerFolder; ++file) {
      for (char& c : data) c = static_cast<char>((seed = seed * 1103515245 + 12345) >> 24);
      HANDLE out = ::CreateFileA(Join(cd, FileName(folder, file)).c_str(), GENERIC_WRITE, 0,
                                 nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
      DWORD written = 0;
      const bool ok =
          out != INVALID_HANDLE_VALUE &&
          ::WriteFile(out, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
          written == data.size();
      if (out != INVALID_HANDLE_VALUE) ::CloseHandle(out);
      if (!ok) return false;
    }
  }
  return true;
}

// Every file copied with CopyFileA into an empty folder; milliseconds.
double Copy(const std::string& cd, const std::string& target) {
  ::CreateDirectoryA(target.c_str(), nullptr);
  const uint64_t start = NowUs();
  for (int folder = 0; folder < kFolders; ++folder) {
    ::CreateDirectoryA(Join(target, text::Format("part%d", folder)).c_str(), nullptr);
    for (int file = 0; file < kFilesPerFolder; ++file) {
      if (!::CopyFileA(Join(cd, FileName(folder, file)).c_str(),
                       Join(target, FileName(folder, file)).c_str(), FALSE)) {
        std::printf("   CopyFileA failed: %lu\n", ::GetLastError());
        std::exit(1);
      }
    }
  }
  const double ms = Ms(NowUs() - start);
  for (int folder = 0; folder < kFolders; ++folder) {
    for (int file = 0; file < kFilesPerFolder; ++file)
      ::DeleteFileA(Join(target, FileName(folder, file)).c_str());
    ::RemoveDirectoryA(Join(target, text::Format("part%d", folder)).c_str());
  }
  ::RemoveDirectoryA(target.c_str());
  return ms;
}

struct ImageTimes {
  double walk = 0;           // the folder walked and checked
  double intoTemporary = 0;  // the files' data into the library's temporary file
  double intoImage = 0;      // that file and the directories into the image
  double finish = 0;         // the library's dates replaced, the image renamed into place
  uint64_t bytes = 0;
  double Total() const { return walk + intoTemporary + intoImage + finish; }
};

ImageTimes Image(cd_image::ImageFileSystem& fs, const std::string& cd, const std::string& image) {
  ImageTimes times;
  const uint64_t start = NowUs();
  cd_image::ImagePlan plan;
  cd_image::Failure failure;
  if (!cd_image::PlanImage(fs, cd, &plan, &failure)) std::exit(1);
  const uint64_t planned = NowUs();
  // The last report of file data, and the one before the final report (which
  // comes once the image is in place).
  uint64_t dataDone = planned, previous = planned, last = planned;
  const cd_image::BuildResult result = cd_image::BuildImage(
      fs, plan, image, "BENCH",
      [&](uint64_t done, uint64_t) {
        previous = last;
        last = NowUs();
        if (done <= plan.fileBytes) dataDone = last;
      },
      std::atomic<bool>(false));
  const uint64_t end = NowUs();
  if (!result.ok()) {
    std::printf("   the image failed (%d)\n", static_cast<int>(result.failure.kind));
    std::exit(1);
  }
  times.walk = Ms(planned - start);
  times.intoTemporary = Ms(dataDone - planned);
  times.intoImage = Ms(previous - dataDone);
  times.finish = Ms(end - previous);
  times.bytes = result.imageBytes;
  ::DeleteFileA(image.c_str());
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string work = Arg(argc, argv, "--work=");
  const int runs = std::max(1, std::atoi(Arg(argc, argv, "--runs=").c_str()));
  if (work.empty()) {
    std::printf("usage: image_bench.exe --work=DIR [--runs=N]\n");
    return 2;
  }
  const std::string cd = Join(work, "image-cd");
  if (!MakeFolder(cd)) {
    std::printf("   could not make the folder\n");
    return 1;
  }
  const auto fs = cd_image::MakeNativeImageFileSystem();
  std::vector<double> copies, images, walks, temporary, written, finishes;
  uint64_t bytes = 0;
  for (int run = 0; run < runs; ++run) {
    copies.push_back(Copy(cd, Join(work, "image-copy")));
    const ImageTimes t = Image(*fs, cd, Join(work, "image.iso"));
    images.push_back(t.Total());
    walks.push_back(t.walk);
    temporary.push_back(t.intoTemporary);
    written.push_back(t.intoImage);
    finishes.push_back(t.finish);
    bytes = t.bytes;
  }
  std::printf(
      "9. CD image of a %d MB folder (%d files of 5 MB in %d folders), against CopyFileA "
      "of the same files into an empty folder on the same disk\n",
      kFolders * kFilesPerFolder * 5, kFolders * kFilesPerFolder, kFolders);
  std::printf("   image %.1f ms vs copy %.1f ms, ratio %.2f (image of %llu bytes); no budget set\n",
              Median(images), Median(copies), PairRatio(images, copies),
              static_cast<unsigned long long>(bytes));
  std::printf(
      "   where the image's time goes (medians): the walk %.1f ms, the files into the "
      "library's temporary file %.1f ms, that file into the image %.1f ms, the dates "
      "and the rename %.1f ms\n",
      Median(walks), Median(temporary), Median(written), Median(finishes));
  return 0;
}
