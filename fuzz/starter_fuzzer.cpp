// The whole start-up sequence driven by a hostile autorun.inf, over the fakes
// of every port. The input is the file itself (so the corpus is made of real
// autorun.inf files); its last bytes, which libFuzzer's data provider reads
// from the end, script the user's answers and the shell's results. A
// [fuzz] section may give the rest of the command line.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "common/file_path.h"
#include "common/registry_store.h"
#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_shell_port.h"
#include "fake_starter_ui.h"
#include "fuzz_check.h"
#include "starter/starter_app.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  FakeFileSystem fs;
  FakeShellPort shell;
  // A thousand days more per wait or sleep: an author's linger time of billions of
  // seconds costs a few thousand passes, not years.
  shell.jumpMs = 86'400'000LL * 1000;
  FakeRegistryBackend registry;
  FakeStarterUi ui;

  // Scripts, from the end of the input.
  const bool opensSucceed = in.ConsumeBool();
  const int32_t code = in.ConsumeIntegralInRange<int32_t>(-1, 40);
  shell.execResult = {opensSucceed, opensSucceed ? 42 : code,
                      opensSucceed ? FakeShellPort::kProcess : nullptr};
  shell.startOk = opensSucceed;
  shell.startError = code;
  shell.openResult = opensSucceed ? 42 : code;
  shell.processRunMs = in.ConsumeIntegralInRange<int64_t>(0, 1000);
  shell.closeEventAfterWaits = in.ConsumeIntegralInRange<int>(-1, 3);
  ui.welcomeAccepted = in.ConsumeBool();
  ui.licenceAccepted = in.ConsumeBool();
  ui.createsSplash = in.ConsumeBool();
  ui.splashShowFor = in.ConsumeIntegralInRange(0, 10);
  for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i) {
    ui.answers.push_back(in.ConsumeBool() ? StarterUi::Answer::kYes : StarterUi::Answer::kNo);
  }
  for (int i = in.ConsumeIntegralInRange(0, 3); i > 0; --i) {
    ui.picks.push_back(in.ConsumeIntegralInRange(-1, 5));
  }
  if (in.ConsumeBool()) {
    registry.PutText(RegistryRoot::kLocalMachine, kRegistryBasePath, "IsRunning", "yes");
  }
  const std::string contents = in.ConsumeRemainingBytesAsString();

  fs.Put(keys::kFileName, contents);
  // The files it names exist, so that the shell is asked to open them.
  for (const std::string& key : {std::string(keys::kOpen), keys::MultiSourceFile(1),
                                 keys::MultiSourceFile(2), std::string(keys::InstallerFile(1))}) {
    const std::string value = text::Trim(config::ReadProfileString(contents, keys::kSection, key));
    const std::string file = config::FileFromOpenValue(value);
    if (!file.empty()) fs.files[config::JoinToFolder(fs.currentDirectory, file)] = "";
  }
  const std::string commandLine =
      "\"E:\\Vendisc.exe\" " + config::ReadProfileString(contents, "fuzz", "CommandLine");

  {
    StarterApp app(fs, shell, registry, ui);
    app.Run(commandLine);
  }
  // Nothing is left open at the end, whatever the file said.
  FUZZ_CHECK(registry.OpenHandles().empty());
  FUZZ_CHECK(!ui.SplashExists() && !ui.BackgroundExists());
  FUZZ_CHECK(ui.CloseEventHandle() == nullptr);
  // However long the CD's values, no path longer than Windows takes reaches the shell.
  FUZZ_CHECK(shell.longestFile <= kMaxPathChars);
  FUZZ_CHECK(shell.longestParameters <= kMaxPathChars + 2);
  return 0;
}
