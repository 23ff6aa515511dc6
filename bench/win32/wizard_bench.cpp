// Times Discwright from inside Windows (Wine), each figure the median of many
// runs taken side by side with what it is compared with:
//   6. start-up: Discwright.exe started until its main window shows, against a
//      program that shows one dialog from a template and nothing else;
//   7. LoadConfiguration and CreateCdFiles (without the starter's copy) of a
//      1000-entry several-files configuration against a 10-entry one, on the
//      real registry and file system through the wizard's own code.
//
//   wizard_bench.exe --discwright=EXE --dialog=EXE --work=DIR [--runs=N] [--only=67]
//
// Both use the wizard's own key (this is the benchmark's own Wine prefix).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench_common.h"
#include "common/product.h"
#include "common/text.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_registry_backend.h"
#include "config/autorun_keys.h"
#include "minimal_dialog.h"
#include "wizard/cd_files.h"
#include "wizard/configuration_loader.h"
#include "wizard/file_copier.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {

using namespace bench;
namespace ws = wizard_settings;

constexpr DWORD kStartTimeoutMs = 20000;
// A dialog, whichever program shows it.
constexpr const char* kDialogClass = "#32770";
constexpr double kStartupBudget = 1.5;
constexpr double kScalingBudget = 3.0;
constexpr int kSmall = 10;
constexpr int kLarge = 1000;

struct Options {
  std::string discwright;
  std::string dialog;
  std::string work;
  int runs = 20;
};

// ---- the registry as an installed kit leaves it ----

// InstallPath and HelpFolder as the installer records them, no welcome page
// at start-up and no configuration loaded, so that Discwright starts without
// a question.
bool PrepareKit(RegistryBackend& registry, const std::string& kit) {
  CreateDirectoryA(kit.c_str(), nullptr);
  CreateDirectoryA(Join(kit, "help").c_str(), nullptr);
  WizardSettings settings(registry);
  return settings.SetText(ws::kInstallPath, kit) &&
         settings.SetText(ws::kHelpFolder, Join(kit, "help")) &&
         settings.SetFlag(ws::kAppShowWelcomeDialog, false) &&
         settings.SetText(ws::kLastINFFile, "");
}

// ---- 6. start-up ----

void Startup(const Options& options, RegistryBackend& registry) {
  if (!PrepareKit(registry, Join(options.work, "kit"))) {
    std::printf("6. Start-up: the wizard's registry key cannot be written\n");
    return;
  }
  const std::string wizard = "\"" + options.discwright + "\"";
  const std::string dialog = "\"" + options.dialog + "\"";
  const char* titles[2] = {product::kName, MINIMAL_DIALOG_CAPTION};
  std::vector<double> times[2];
  for (int run = 0; run <= options.runs; ++run) {  // run 0 warms up
    for (int side = 0; side < 2; ++side) {
      Child child;
      if (!StartProcess(child, side == 0 ? wizard : dialog, options.work)) return;
      const uint64_t shown = WaitForWindow(child, titles[side], kStartTimeoutMs, kDialogClass);
      if (!shown) {
        std::printf("6. Start-up: \"%s\" never showed (run %d)\n", titles[side], run);
        return;
      }
      if (run > 0) times[side].push_back(Ms(shown - child.startedUs));
    }
  }
  const double ratio = PairRatio(times[0], times[1]);
  std::printf(
      "6. Start-up: from CreateProcessA until a visible top-level dialog (class %s) of the\n"
      "   process with the main window's title is found (looked for every 1 ms)\n"
      "   Discwright.exe %.1f ms, a program showing one dialog from a template %.1f ms\n"
      "   (medians of %d runs); ratio %.3f (median of the pairwise ratios; ratio of the\n"
      "   medians %.3f); budget <= %.1f: %s\n",
      kDialogClass, Median(times[0]), Median(times[1]), options.runs, ratio,
      Median(times[0]) / Median(times[1]), kStartupBudget, Verdict(ratio <= kStartupBudget));
}

// ---- 7. scaling with the number of entries ----

// Counts the registry calls that go through to the real registry.
class CountingRegistry : public RegistryBackend {
 public:
  explicit CountingRegistry(RegistryBackend& real) : real_(real) {}
  bool OpenKey(RegistryRoot root, const std::string& path, RegistryAccess access,
               RegistryKey* key) override {
    ++calls;
    return real_.OpenKey(root, path, access, key);
  }
  bool CreateKey(RegistryKey parent, const std::string& leaf, RegistryKey* key) override {
    ++calls;
    return real_.CreateKey(parent, leaf, key);
  }
  void CloseKey(RegistryKey key) override {
    ++calls;
    real_.CloseKey(key);
  }
  RegistryRead QueryValue(RegistryKey key, const std::string& name, size_t bufferSize,
                          std::string* data) override {
    ++calls;
    return real_.QueryValue(key, name, bufferSize, data);
  }
  bool SetValue(RegistryKey key, const std::string& name, RegistryType type,
                const std::string& data) override {
    ++calls;
    return real_.SetValue(key, name, type, data);
  }
  long calls = 0;

 private:
  RegistryBackend& real_;
};

// Stands in for the starter's copy, which is not part of the figure.
class NoCopy : public FileCopier {
 public:
  uint32_t CopyReplacing(const std::string&, const std::string&) override { return 0; }
};

// No question is expected; any that comes is counted and answered Yes.
class Answers : public WizardQuestions, public CdFilesUi {
 public:
  bool AskYesNo(const std::string& text) override {
    Note(text);
    return true;
  }
  void ShowMessage(const std::string& text) override { Note(text); }
  void ShowProblem(const std::string& text) override { Note(text); }
  uint32_t LastError() override { return GetLastError(); }
  int asked = 0;
  std::string first;

 private:
  void Note(const std::string& text) {
    if (asked++ == 0) first = text;
  }
};

// Entry n of a CD's list: files in folders and in the root, addresses,
// folders and spacer lines, each with the name the list shows.
struct Entry {
  std::string target;
  std::string name;
  std::string forceOpen;
};

Entry EntryFor(int n) {
  switch (n % 8) {
    case 0:
      return {text::Format("docs\\chapter%04d.pdf", n), text::Format("Chapter %d of the manual", n),
              ""};
    case 1:
      return {text::Format("tools\\setup%04d.exe", n),
              text::Format("Install tool %d (needs 20 MB)", n), ""};
    case 2:
      return {text::Format("media\\clip%04d.avi", n), text::Format("Video clip %d", n),
              "mplayer.exe,wmplayer.exe"};
    case 3:
      return {text::Format("text\\notes%04d.txt", n), text::Format("Release notes, part %d", n),
              "notepad.exe"};
    case 4:
      return {text::Format("http://www.zoruzaz.example/updates/page%d.html", n),
              text::Format("Updates on the web, page %d", n), ""};
    case 5:
      return {text::Format("extras\\set%04d\\", n), text::Format("Extras, set %d", n), ""};
    case 6:
      return {text::Format("photo%04d.jpg", n), text::Format("Photo %d", n), ""};
    default:
      return {"", "", ""};
  }
}

bool IsFile(const Entry& entry) {
  return !entry.target.empty() && entry.target.back() != '\\' &&
         entry.target.compare(0, 7, "http://") != 0;
}

// The [autorun] section as the wizard writes it for this list, so that
// creating the files from what was loaded gives the same text back.
std::string SeveralFilesInf(int count) {
  std::string inf = "[autorun]\r\nOPEN=Vendisc.exe \"readme.txt\"\r\n";
  inf += "SingleFile=0\r\nOpenAllFiles=0\r\nWaitForPrevious=1\r\nMultiSelectAllowReselect=1\r\n";
  inf += "MultiSelectTitle=Choose what to open\r\n";
  inf += "MultiSelectHelp=Pick an entry and press OK; addresses open in the browser.\r\n";
  inf += text::Format("MultiSourceFileCount=%d\r\n", count);
  for (int n = 1; n <= count; ++n) {
    const Entry entry = EntryFor(n);
    inf += text::Format("MultiSourceFile%d=%s\r\n", n, entry.target.c_str());
    inf += text::Format("MultiSourceFileName%d=%s\r\n", n, entry.name.c_str());
    inf += text::Format("MultiSourceForceOpen%d=%s\r\n", n, entry.forceOpen.c_str());
  }
  return inf;
}

// A CD folder with the autorun.inf and every file and folder it lists.
std::string MakeCd(const Options& options, int count) {
  const std::string cd = Join(options.work, text::Format("wizard-cd%d", count));
  CreateDirectoryA(cd.c_str(), nullptr);
  for (const char* folder : {"docs", "tools", "media", "text", "extras"}) {
    CreateDirectoryA(Join(cd, folder).c_str(), nullptr);
  }
  WriteText(Join(cd, "readme.txt"), "Read me.\r\n");
  for (int n = 1; n <= count; ++n) {
    const Entry entry = EntryFor(n);
    if (IsFile(entry)) WriteText(Join(cd, entry.target), "contents\r\n");
    if (!entry.target.empty() && entry.target.back() == '\\') {
      CreateDirectoryA(Join(cd, entry.target).c_str(), nullptr);
    }
  }
  WriteText(Join(cd, "autorun.inf"), SeveralFilesInf(count));
  return cd;
}

struct Timing {
  std::vector<double> ms;
  long calls = 0;  // registry calls of the last run
};

void Scaling(const Options& options, RegistryBackend& real) {
  CountingRegistry registry(real);
  if (!PrepareKit(registry, Join(options.work, "kit"))) {
    std::printf("7. Scaling: the wizard's registry key cannot be written\n");
    return;
  }
  const int sizes[2] = {kSmall, kLarge};
  std::string cds[2];
  for (int i = 0; i < 2; ++i) cds[i] = MakeCd(options, sizes[i]);
  Win32FileSystem fs;
  NoCopy noCopy;
  Answers answers;
  Timing load[2];
  Timing create[2];
  bool created = true;
  bool sameText = true;
  for (int run = 0; run <= options.runs; ++run) {  // run 0 warms up
    for (int i = 0; i < 2; ++i) {                  // 10, 1000, 10, 1000 ...
      const std::string inf = Join(cds[i], "autorun.inf");
      // Each step as the main window runs it: the settings opened for it.
      registry.calls = 0;
      uint64_t from = NowUs();
      {
        WizardSettings settings(registry);
        LoadConfiguration(inf, fs, settings, answers);
      }
      uint64_t to = NowUs();
      if (run > 0) load[i].ms.push_back(Ms(to - from));
      load[i].calls = registry.calls;

      registry.calls = 0;
      from = NowUs();
      {
        WizardSettings settings(registry);
        Answers& ui = answers;
        CdFiles cdFiles(settings, fs, noCopy, answers, ui);
        created = cdFiles.CreateCdFiles(false) && created;
      }
      to = NowUs();
      if (run > 0) create[i].ms.push_back(Ms(to - from));
      create[i].calls = registry.calls;
      sameText = sameText && ReadText(inf) == SeveralFilesInf(sizes[i]);
    }
  }
  std::printf(
      "7. Scaling with the number of entries: a several-files configuration of %d and of %d\n"
      "   entries (files in folders and in the root, addresses, folders, spacer lines), on the\n"
      "   real registry and file system, 10 and 1000 taken in turn\n",
      kSmall, kLarge);
  if (!created || answers.asked > 0 || !sameText) {
    std::printf("   NOT MEASURED: %s%s%s\n", created ? "" : "creating the files failed; ",
                answers.asked ? ("the author was asked: " + answers.first + "; ").c_str() : "",
                sameText ? "" : "autorun.inf came back different from the file loaded");
    return;
  }
  // Work that must touch every entry grows with the entries; what must not
  // grow is the cost of one entry, which the budget bounds: the time per
  // entry at 1000 entries at most 3 times that at 10 (where the fixed part
  // is shared out over fewer entries).
  auto report = [&](const char* what, Timing* t) {
    const double ratio = PairRatio(t[1].ms, t[0].ms);
    const double perEntry = ratio * kSmall / kLarge;
    std::printf(
        "   %s:\n"
        "     %4d entries %7.2f ms (%ld registry calls), %.3f ms an entry\n"
        "     %4d entries %7.2f ms (%ld registry calls), %.3f ms an entry\n"
        "     %d / %d entries: ratio %.2f (median of the pairwise ratios); per entry %.3f;\n"
        "     budget: the cost of an entry at %d at most %.0f times that at %d: %s\n",
        what, kSmall, Median(t[0].ms), t[0].calls, Median(t[0].ms) / kSmall, kLarge,
        Median(t[1].ms), t[1].calls, Median(t[1].ms) / kLarge, kLarge, kSmall, ratio, perEntry,
        kLarge, kScalingBudget, kSmall, Verdict(perEntry <= kScalingBudget));
  };
  report("LoadConfiguration", load);
  report("CreateCdFiles(false), the starter not copied (a copier that copies nothing)", create);
  std::printf("   (medians of %d runs; autorun.inf written back identical to the file loaded)\n",
              options.runs);
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  options.discwright = Arg(argc, argv, "--discwright=");
  options.dialog = Arg(argc, argv, "--dialog=");
  options.work = Arg(argc, argv, "--work=");
  const std::string runs = Arg(argc, argv, "--runs=");
  if (!runs.empty()) options.runs = std::max(1, std::atoi(runs.c_str()));
  const std::string only = Arg(argc, argv, "--only=");
  if (options.discwright.empty() || options.dialog.empty() || options.work.empty()) {
    std::printf(
        "usage: wizard_bench --discwright=EXE --dialog=EXE --work=DIR [--runs=N] "
        "[--only=67]\n");
    return 2;
  }
  CreateDirectoryA(options.work.c_str(), nullptr);
  auto wanted = [&](char figure) { return only.empty() || only.find(figure) != std::string::npos; };
  Win32RegistryBackend registry;
  if (wanted('6')) Startup(options, registry);
  std::fflush(stdout);
  if (wanted('7')) Scaling(options, registry);
  return 0;
}
