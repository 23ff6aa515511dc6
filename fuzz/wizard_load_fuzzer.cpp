// Any autorun.inf loaded into the wizard: the load and the main window's
// reading of it never fail, write no registry value outside the wizard's
// settings, keep the file count within its bound, and what they load can be
// written out again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/registry_store.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_wizard_questions.h"
#include "fuzz_check.h"
#include "wizard/configuration_loader.h"
#include "wizard/main_window.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
constexpr const char* kPath = "E:\\cd\\autorun.inf";
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  FakeRegistryBackend backend;
  WizardSettings settings(backend);
  FakeFileSystem fs;
  FakeWizardQuestions questions;
  for (int i = 0; i < 4; ++i) questions.answers.push_back(input.ConsumeBool());
  fs.files[kPath] = input.ConsumeRemainingBytesAsString();

  const bool loaded = LoadConfiguration(kPath, fs, settings, questions);
  FUZZ_CHECK(loaded);
  const main_window::Display display =
      main_window::RefreshFromLastConfig(kPath, fs, settings, questions);
  FUZZ_CHECK(display.shownPath == kPath);

  for (const std::string& name :
       backend.ValueNames(RegistryRoot::kLocalMachine, kRegistryBasePath)) {
    FUZZ_CHECK(FindSetting(name) != nullptr);
  }
  const int32_t count = settings.Number(keys::kMultiSourceFileCount);
  FUZZ_CHECK(count >= 0 && count <= kMaxLoadedFileEntries);
  FUZZ_CHECK(settings.Text(wizard_settings::kLastINFFile) == kPath);

  const std::string written = BuildAutorunText(settings);
  FUZZ_CHECK(written.rfind("[autorun]", 0) == 0);
  return 0;
}
