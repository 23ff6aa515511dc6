// A licence agreement file from the CD, read for the text box.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_check.h"
#include "starter/licence_text.h"

namespace {

// One file per fuzzing process, rewritten for every input.
const std::string& FilePath() {
  static const std::string path = [] {
    char name[] = "/tmp/licence_fuzz_XXXXXX";
    const int fd = mkstemp(name);
    FUZZ_CHECK(fd >= 0);
    close(fd);
    return std::string(name);
  }();
  return path;
}

struct Remover {
  ~Remover() { std::remove(FilePath().c_str()); }
} remover;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The first byte picks the reading limit, so the cut is fuzzed too.
  const size_t maxBytes = size > 0 && data[0] < 64 ? data[0] : licence_text::kMaxTextBytes;
  {
    std::FILE* file = std::fopen(FilePath().c_str(), "wb");
    FUZZ_CHECK(file != nullptr);
    FUZZ_CHECK(std::fwrite(data, 1, size, file) == size);
    std::fclose(file);
  }
  const std::string text = licence_text::ReadLicenceText(FilePath(), maxBytes);
  const size_t read = size < maxBytes ? size : maxBytes;
  FUZZ_CHECK(text.find('\0') == std::string::npos);
  FUZZ_CHECK(text.empty() || text.size() >= 2);
  FUZZ_CHECK(text.empty() || text.compare(text.size() - 2, 2, "\r\n") == 0);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n') FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
  }
  FUZZ_CHECK(text.size() <= 2 * read + 2);
  return 0;
}
