// Path values from autorun.inf split into folder and name, and joined again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/file_path.h"
#include "fake_file_system.h"
#include "fuzz_check.h"

namespace {

void CheckParts(const FilePath& path) {
  const std::string& folder = path.Folder();
  const std::string& name = path.Name();
  FUZZ_CHECK(folder.empty() || folder.back() == '\\');
  FUZZ_CHECK(name.find_first_of("\\/") == std::string::npos);
  FUZZ_CHECK(folder.find('/') == std::string::npos);
  FUZZ_CHECK(path.FullPath() == folder + name);
  const std::string complete = path.FullPathIfComplete();
  FUZZ_CHECK(complete.empty() || complete == path.FullPath());
  const std::string extension = path.Extension();
  FUZZ_CHECK(extension.find('.') == std::string::npos);
  FUZZ_CHECK(extension.size() < name.size() || extension.empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const std::string first = input.ConsumeRandomLengthString(1000);
  const std::string name = input.ConsumeRandomLengthString(1000);
  const std::string folder = input.ConsumeRemainingBytesAsString();

  const std::string collapsed = CollapseDoubledBackslashes(first);
  FUZZ_CHECK(collapsed.size() <= first.size());

  FilePath path(first);
  CheckParts(path);
  // Doubled backslashes are collapsed in one pass only, so setting the full
  // path again may still change it; the parts must stay well formed.
  FilePath again(path.FullPath());
  CheckParts(again);

  path.SetName(name);
  CheckParts(path);
  path.SetFolder(folder);
  CheckParts(path);

  // Tidying only ever shortens; a network path keeps its opening pair.
  const std::string tidy = TidyPath(first);
  FUZZ_CHECK(tidy.size() <= first.size());
  FUZZ_CHECK(TidyParameters(first).size() <= first.size());
  if (IsNetworkPath(first)) FUZZ_CHECK(tidy.substr(0, 2) == first.substr(0, 2));
  const std::string resolved = ResolveRootedPath(first, folder);
  FUZZ_CHECK(resolved.size() <= first.size() + folder.size());
  if (IsNetworkPath(first)) FUZZ_CHECK(resolved == first);

  FakeFileSystem fs;
  fs.Put("x.txt", "");
  (void)path.Exists(fs);
  return 0;
}
