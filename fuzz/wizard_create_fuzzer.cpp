// Creating the CD files, the files-to-copy report, the test run and the main
// window's commands over a fuzzed configuration, fuzzed files, failing writes
// and copies and fuzzed answers: autorun.inf is the old file unless creating
// succeeds, and then it is exactly what the settings write; the starter is
// copied once, to the folder, never into the kit; nothing else is written,
// no temporary file is left, no value outside the settings changes; the
// report and the agreement key stay in their bounds.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/agreement_key.h"
#include "common/file_path.h"
#include "common/shell_opener.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "fake_opener_ui.h"
#include "fake_option_ports.h"
#include "fake_shell_port.h"
#include "fake_wizard_questions.h"
#include "wizard/cd_files.h"
#include "wizard/files_to_copy.h"
#include "wizard/main_window.h"
#include "wizard/test_run.h"
#include "wizard_fuzz.h"

namespace {
using namespace wizard_fuzz;
namespace ws = wizard_settings;

class Ui : public CdFilesUi {
 public:
  std::vector<std::string> problems;
  uint32_t error = 5;
  void ShowProblem(const std::string& text) override { problems.push_back(text); }
  uint32_t LastError() override { return error; }
};

// The window's part of the test run: creating goes through CdFiles.
class RunUi : public TestRunUi {
 public:
  explicit RunUi(CdFiles& files) : files_(files) {}
  bool CreateCdFiles(bool ask) override { return created = files_.CreateCdFiles(ask); }
  bool SetCurrentDirectory(const std::string&) override { return true; }
  void EnableTestButton(bool) override {}
  void ShowTestResult(const std::string&) override {}
  bool created = false;

 private:
  CdFiles& files_;
};

struct World {
  FakeRegistryBackend backend;
  WizardSettings settings{backend};
  FakeFileSystem fs;
  FakeWizardQuestions questions;
  FakeFileCopier copier;
  Ui ui;
  CdFiles files{settings, fs, copier, questions, ui};
};

void Create(FuzzedDataProvider& in, World& w) {
  const CdFilePaths paths = CdFilePathsFor(w.settings);
  if (in.ConsumeBool()) w.fs.files[paths.configFile] = "[autorun]\r\nopen=old.exe\r\n";
  if (in.ConsumeBool()) w.fs.files[paths.starterTarget] = "MZ old";
  if (in.ConsumeIntegralInRange(0, 3) == 0)
    w.fs.failWrites.insert(paths.configFile + kAutorunTempSuffix);
  w.fs.failReplace = in.ConsumeIntegralInRange(0, 7) == 0;
  w.fs.halfWrites = in.ConsumeIntegralInRange(0, 7) == 0;
  if (in.ConsumeBool()) w.copier.results.push_back(in.PickValueInArray<uint32_t>({0, 5, 32, 112}));
  w.ui.error = in.ConsumeIntegral<uint32_t>();
  const auto filesBefore = w.fs.files;
  const std::string lastBefore = w.settings.Text(ws::kLastINFFile);
  const Snapshot before = Take(w.backend);

  const bool created = w.files.CreateCdFiles(in.ConsumeBool());

  FUZZ_CHECK(OnlyChanged(Changed(before, Take(w.backend)),
                         {ws::kDoNotWarnOverwrites, ws::kQueriedFileOverwrite, ws::kLastINFFile}));
  FUZZ_CHECK(OnlyMade(w.fs, filesBefore, {paths.configFile}));
  for (const std::string& path : w.fs.writes) {
    FUZZ_CHECK(path == paths.configFile + kAutorunTempSuffix);
  }
  const auto now = w.fs.files.find(paths.configFile);
  const auto old = filesBefore.find(paths.configFile);
  FUZZ_CHECK(w.copier.copies.size() <= 1);
  const uint32_t copyResult = w.copier.results.empty() ? 0 : w.copier.results.front();
  if (!w.copier.copies.empty() && copyResult != 0) {
    FUZZ_CHECK(!created && w.ui.problems.size() == 1 &&
               w.ui.problems[0] ==
                   CopyFailureText(paths.starterSource, paths.starterTarget, copyResult));
  }
  if (!created) {
    // autorun.inf as it was, and the configuration still the one loaded.
    FUZZ_CHECK(now == w.fs.files.end() ? old == filesBefore.end()
                                       : old != filesBefore.end() && old->second == now->second);
    FUZZ_CHECK(w.settings.Text(ws::kLastINFFile) == lastBefore);
    FUZZ_CHECK(w.ui.problems.size() <= 1);
  } else {
    FUZZ_CHECK(now != w.fs.files.end() && now->second == BuildAutorunText(w.settings));
    FUZZ_CHECK(w.settings.Text(ws::kLastINFFile) == paths.configFile);
    FUZZ_CHECK(w.copier.copies.size() == 1 &&
               w.copier.copies[0] == paths.starterSource + " -> " + paths.starterTarget);
    FUZZ_CHECK(!text::EqualsNoCase(FilePath(paths.starterSource).Folder(),
                                   FilePath(paths.starterTarget).Folder()));
    FUZZ_CHECK(w.ui.problems.empty());
    // The report of what to burn, read back from the file just written.
    const FilesToCopyReport report = BuildFilesToCopy(paths.configFile, w.fs, w.settings);
    FUZZ_CHECK(report.rows.size() >= 2 && report.rows[0].source == paths.configFile);
    FUZZ_CHECK(report.rows[1].source == report.folder + paths.starterName);
    FUZZ_CHECK(report.rows.size() <= 2 + static_cast<size_t>(kMaxWrittenFileEntries) + 16);
    for (const FileToCopy& row : report.rows) {
      FUZZ_CHECK(text::StartsWith(row.source, report.folder) && !row.target.empty());
    }
  }
  // The checks alone: they pass exactly when the author passed over every
  // missing file they were asked about, and change nothing.
  w.questions.asked.clear();
  w.questions.answers = Answers(in);
  const std::deque<bool> answers = w.questions.answers;
  const auto filesNow = w.fs.files;
  const Snapshot settingsNow = Take(w.backend);
  const bool passed = w.files.CheckRequiredFiles();
  bool allYes = true;
  for (size_t i = 0; i < w.questions.asked.size(); ++i) {
    FUZZ_CHECK(text::StartsWith(w.questions.asked[i], "ask: "));
    allYes = allYes && (i >= answers.size() || answers[i]);
  }
  FUZZ_CHECK(passed == allYes && Changed(settingsNow, Take(w.backend)).empty());
  FUZZ_CHECK(w.fs.files == filesNow);
}

void TestRun(FuzzedDataProvider& in, World& w) {
  const std::string fileToOpen = in.ConsumeBool() ? Text(in) : in.ConsumeRandomLengthString(24);
  const std::string key = AgreementKeyPath(w.fs, {kFolder, fileToOpen, Text(in)});
  // The starter's flag for one CD lives in a key right below the kit's own,
  // one the registry can hold when it is named by the agreement.
  FUZZ_CHECK(text::StartsWith(key, kRegistryBasePath));
  const std::string below = key.substr(std::string(kRegistryBasePath).size());
  FUZZ_CHECK(below.size() > 1 && below[0] == '\\' &&
             below.find_first_of("\\/:;", 1) == std::string::npos &&
             below.find('\0') == std::string::npos && (below[1] != '<' || below.size() < 256));
  // The test run starts the very starter that creating the files copied.
  FUZZ_CHECK(TestStarterPath(w.settings) == CdFilePathsFor(w.settings).starterTarget);

  if (in.ConsumeBool()) w.fs.files[TestStarterPath(w.settings)] = "MZ";
  FakeShellPort shell;
  if (in.ConsumeBool()) shell.failOnce["StartProcess"] = in.ConsumeIntegralInRange(1, 40);
  FakeOpenerUi openerUi(&shell.calls);
  ShellOpener opener(shell, openerUi, w.fs, OpenerWording::kWizard);
  RunUi ui(w.files);
  const Snapshot before = Take(w.backend);
  const size_t keysBefore = w.backend.createdKeys.size();
  const bool started = TestConfiguration(w.settings, w.fs, w.backend, w.questions, opener, ui);
  FUZZ_CHECK(!started || (ui.created && w.settings.Flag(ws::kTestedConfig)));
  FUZZ_CHECK(OnlyChanged(Changed(before, Take(w.backend)),
                         {ws::kDoNotWarnOverwrites, ws::kQueriedFileOverwrite, ws::kLastINFFile,
                          ws::kWarnedAboutCaching, ws::kTestedConfig}));
  for (size_t i = keysBefore; i < w.backend.createdKeys.size(); ++i) {
    FUZZ_CHECK(
        text::StartsWith(w.backend.createdKeys[i], std::string("HKCU\\") + kRegistryBasePath));
  }
}

void MainWindow(FuzzedDataProvider& in, World& w) {
  const std::string last = in.ConsumeBool() ? kFolder + Text(in, 2) : Text(in);
  if (in.ConsumeBool()) w.fs.files[last] = in.ConsumeRandomLengthString(64);
  const main_window::WelcomeChoice choice = main_window::WelcomeChoiceFor(last, w.fs);
  FUZZ_CHECK(choice.openEnabled == !choice.openText.empty() &&
             (!choice.chooseOpen || choice.openEnabled));
  FUZZ_CHECK(main_window::InitialOpenFile(last).size() <= last.size());
  const Snapshot before = Take(w.backend);
  const bool yes = w.questions.answers.empty() || w.questions.answers.front();
  const bool reset = main_window::StartNewConfiguration(w.settings, w.questions);
  FUZZ_CHECK(reset == yes);
  if (!reset) FUZZ_CHECK(Changed(before, Take(w.backend)).empty());
  if (main_window::PrepareIntroduction(w.settings)) {
    FUZZ_CHECK(!w.settings.Text(ws::kAutoRunExeName).empty());
    FUZZ_CHECK(!main_window::OfferTestAfterWizard(in.ConsumeBool(), w.settings) ||
               !w.settings.Flag(ws::kTestedConfig));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  World w;
  FuzzSettings(in, w.backend, w.settings, 40);
  FuzzFiles(in, w.fs, 6);
  w.questions.answers = Answers(in);
  using Step = void (*)(FuzzedDataProvider&, World&);
  static constexpr Step kSteps[] = {Create, TestRun, MainWindow};
  kSteps[in.ConsumeIntegralInRange<size_t>(0, std::size(kSteps) - 1)](in, w);
  Take(w.backend);  // every value written is a setting
  return 0;
}
