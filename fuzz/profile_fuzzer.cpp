// autorun.inf contents from the CD: the profile reader, the typed readings
// the starter makes of each value and the OPEN value's file.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fuzz_check.h"

namespace {

// Keys the starter reads, a name in another case and a name with blanks.
constexpr const char* kKeys[] = {keys::kOpen,
                                 keys::kShowSplashScreen,
                                 keys::kQUAVAutorunTimeout,
                                 keys::kBackgroundWhenToShow,
                                 keys::kWelcomeMessage,
                                 "multisourcefile1",
                                 " SingleFile ",
                                 "",
                                 "="};

void CheckValue(const std::string& value) {
  FUZZ_CHECK(value.size() < config::kValueBufferSize);
  // A value is one line of a C string.
  FUZZ_CHECK(value.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos);

  const std::string trimmed = text::Trim(value);
  FUZZ_CHECK(trimmed.size() <= value.size());
  FUZZ_CHECK(config::IsOn(trimmed) == (trimmed == "1"));
  if (config::KeywordIs(trimmed, "Startup")) FUZZ_CHECK(trimmed.size() == 7);
  const int32_t number = config::NumberOr(trimmed, -7);
  if (trimmed.empty()) FUZZ_CHECK(number == -7);

  const std::string joined = config::JoinToFolder("E:\\", trimmed);
  FUZZ_CHECK(joined.size() <= trimmed.size() + 4);
  FUZZ_CHECK(!joined.empty() && joined.rfind("E:\\", 0) == 0);

  const std::string file = config::FileFromOpenValue(trimmed);
  FUZZ_CHECK(file.size() <= trimmed.size());
  FUZZ_CHECK(trimmed.find(file) != std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string contents(reinterpret_cast<const char*>(data), size);

  FakeFileSystem fs;
  fs.Put(keys::kFileName, contents);
  const AutorunConfig config(fs);
  for (const char* key : kKeys) {
    const std::string value = config::ReadProfileString(contents, keys::kSection, key);
    CheckValue(value);
    FUZZ_CHECK(config.ReadConfigValue(key) == text::Trim(value));
  }
  // Another section, named with blanks around it.
  CheckValue(config::ReadProfileString(contents, " Fuzz ", "Open"));
  const std::string picture = config.File(keys::kWelcomeImage);
  FUZZ_CHECK(picture.rfind("E:\\", 0) == 0);
  return 0;
}
