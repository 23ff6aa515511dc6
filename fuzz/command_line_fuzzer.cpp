// The starter's command line, which AutoRun builds from the OPEN line.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "starter/command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> args = SplitCommandLine(line);
  FUZZ_CHECK(!args.empty());
  size_t total = 0;
  for (const std::string& arg : args) total += arg.size();
  FUZZ_CHECK(total <= size);

  const std::string file = FileFromCommandLine(line);
  if (!file.empty()) {
    FUZZ_CHECK(file[0] != '/' && file[0] != '-');
    bool found = false;
    for (size_t k = 1; k < args.size() && !found; ++k) found = args[k] == file;
    FUZZ_CHECK(found);
  }
  return 0;
}
