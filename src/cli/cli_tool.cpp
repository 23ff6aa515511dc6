#include "cli/cli_tool.h"

#include <exception>
#include <optional>
#include <utility>

#include "cli/cd_folder.h"
#include "cli/cli_host.h"
#include "cli/cli_texts.h"
#include "cli/image_command.h"
#include "common/file_system.h"
#include "common/product.h"
#include "common/text.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "wizard/cd_files.h"
#include "wizard/file_copier.h"
#include "wizard/files_to_copy.h"
#include "wizard/wizard_values.h"

namespace {

namespace t = cli_texts;
namespace ws = wizard_settings;

constexpr const char* kStarter = "--starter";
constexpr const char* kYes = "--yes";

// Opens the command's folder; the reason told when it cannot be.
bool OpenFolder(const Invocation& invocation, CliRun& run, CdFolder* folder) {
  std::string reason;
  if (folder->Open(invocation.operand, &reason)) return true;
  run.Error(reason);
  return false;
}

void TellProblems(CliRun& run, const std::vector<CdProblem>& problems) {
  for (const CdProblem& problem : problems) {
    run.out += problem.native ? problem.file + ": " + problem.what
                              : run.host.Shown(problem.file) + ": " + run.host.Text(problem.what);
    run.out += "\n";
  }
}

int Check(const Invocation& invocation, CliRun& run) {
  CdFolder folder(run.host);
  if (!OpenFolder(invocation, run, &folder)) return kCliUsage;
  const std::vector<CdProblem> problems = folder.Check(true);
  TellProblems(run, problems);
  return problems.empty() ? kCliOk : kCliProblems;
}

// The copier of one creation: which copy failed, and whether one was made.
class WatchedCopier : public FileCopier {
 public:
  explicit WatchedCopier(FileCopier& copier) : copier_(copier) {}
  uint32_t CopyReplacing(const std::string& from, const std::string& to) override {
    error = copier_.CopyReplacing(from, to);
    copied = copied || error == 0;
    if (error != 0) failedFrom = from, failedTo = to;
    return error;
  }
  uint32_t error = 0;
  bool copied = false;
  std::string failedFrom, failedTo;

 private:
  FileCopier& copier_;
};

class CreatingUi : public CdFilesUi {
 public:
  explicit CreatingUi(CliHost& host) : host_(host) {}
  void ShowProblem(const std::string& text) override { problem = text; }
  uint32_t LastError() override { return host_.LastWriteError(); }
  std::string problem;

 private:
  CliHost& host_;
};

// A file's bytes; nullopt when it cannot be read.
std::optional<std::string> WholeFile(const FileSystem& fs, const std::string& path) {
  std::string contents;
  if (!fs.ReadWholeFile(path, &contents)) return std::nullopt;
  return contents;
}

// The starter to copy, in the kit's form; empty (the reason told) when there is none.
std::string StarterToCopy(const Invocation& invocation, CliRun& run) {
  if (!invocation.Has(kStarter)) {
    std::string kit = run.host.KitStarter();
    if (kit.empty()) run.Error(t::kNoKitStarter);
    return kit;
  }
  const std::string given = invocation.Value(kStarter);
  std::string starter = run.host.FromArgument(given);
  if (starter.empty() || run.host.Examine(starter) != CliHost::Kind::kFile) {
    run.Error(text::Format(t::kNoStarter, given.c_str()));
    return std::string();
  }
  return starter;
}

int Create(const Invocation& invocation, CliRun& run) {
  CdFolder folder(run.host);
  if (!OpenFolder(invocation, run, &folder)) return kCliUsage;
  const bool yes = invocation.Has(kYes);
  const std::vector<CdProblem> problems = folder.Check(false);
  TellProblems(run, problems);
  const std::string starter = StarterToCopy(invocation, run);
  if (starter.empty()) return kCliUsage;

  WizardSettings& settings = folder.Settings();
  // Its folder stands for the kit's, which the CD folder must not be.
  settings.SetText(ws::kInstallPath, starter.substr(0, starter.rfind('\\') + 1));
  const CdFilePaths paths = CdFilePathsFor(settings);
  FileSystem& fs = run.host.Files();
  // The wizard asks about autorun.inf only after it has copied the starter:
  // a No must leave everything as it was, so both are looked at first. A
  // file that would stay byte for byte as it is needs no Yes.
  bool refused = false;
  if (!yes) {
    if (!problems.empty()) {
      run.Error(text::Format(t::kProblemsStop, static_cast<int>(problems.size())));
      refused = true;
    }
    using Contents = std::optional<std::string>;
    const std::pair<std::string, Contents> written[] = {
        {paths.starterTarget, WholeFile(fs, starter)},
        {paths.configFile, BuildAutorunText(settings)}};
    for (const auto& [target, contents] : written) {
      if (!fs.FindFile(target) || (contents && WholeFile(fs, target) == contents)) continue;
      run.Error(text::Format(t::kWouldOverwrite, run.host.Shown(target).c_str()));
      refused = true;
    }
  }
  if (refused) {
    run.Error(t::kNothingChanged);
    return kCliProblems;
  }

  AnsweringQuestions answers(yes);
  WatchedCopier copier(run.host.Copier());
  CreatingUi ui(run.host);
  CdFiles cdFiles(settings, fs, copier, answers, ui);
  cdFiles.SetStarterSource(starter);
  // Every overwrite is decided above.
  if (!cdFiles.CreateCdFiles(false)) {
    for (const std::string& message : answers.shown) run.Error(run.host.Text(message));
    // The problem page's texts are written for the page; told here in a line.
    if (!ui.problem.empty() && copier.error != 0) {
      run.Error(text::Format(t::kCopyFailed, run.host.Shown(copier.failedFrom).c_str(),
                             run.host.Shown(copier.failedTo).c_str(),
                             t::ErrorInWords(copier.error).c_str()));
    } else if (!ui.problem.empty() && run.host.LastWriteError() != 0) {
      run.Error(text::Format(t::kCreateFailed, run.host.Shown(paths.configFile).c_str(),
                             t::ErrorInWords(run.host.LastWriteError()).c_str()) +
                (copier.copied ? t::kStarterCopiedBefore : ""));
    } else if (!ui.problem.empty()) {
      run.Error(run.host.Text(text::ReplaceAll(ui.problem, "\n", " ")));
    }
    if (!copier.copied) run.Error(t::kNothingChanged);
    return kCliProblems;
  }
  // The folder without its last "\", except at a drive's root.
  std::string shown = folder.Folder();
  if (shown.size() > 3) shown.pop_back();
  run.out += text::Format(t::kCreated, keys::kFileName, run.host.Text(paths.starterName).c_str(),
                          run.host.Shown(shown).c_str()) +
             "\n";
  return problems.empty() ? kCliOk : kCliProblems;
}

int Report(const Invocation& invocation, CliRun& run) {
  CdFolder folder(run.host);
  if (!OpenFolder(invocation, run, &folder)) return kCliUsage;
  const FilesToCopyReport report =
      BuildFilesToCopy(folder.ConfigFile(), run.host.Files(), folder.Settings());
  for (const FileToCopy& row : report.rows) {
    const ReportSource source = SplitReportSource(row.source);
    run.out += run.host.Text(row.target) + "\t" + run.host.Shown(source.file);
    if (!source.note.empty()) run.out += "\t" + run.host.Text(source.note);
    run.out += "\n";
  }
  if (report.message.empty()) return kCliOk;
  run.Error(run.host.Text(report.message));
  return kCliProblems;
}

constexpr CliOption kCreateOptions[] = {
    {kStarter, nullptr, "PATH", t::kStarterHelp},
    {kYes, nullptr, nullptr, t::kYesHelp},
};

constexpr CliOption kImageOptions[] = {
    {image_command::kOutput, "-o", "FILE.iso", t::kOutputHelp, true},
    {image_command::kLabel, nullptr, "LABEL", t::kLabelHelp},
    {image_command::kYes, nullptr, nullptr, t::kLeaveOutHelp},
};

constexpr CliCommand kCommands[] = {
    {"check", "FOLDER", {}, t::kCheckSummary, Check},
    {"create", "FOLDER", kCreateOptions, t::kCreateSummary, Create},
    {"report", "FOLDER", {}, t::kReportSummary, Report},
    {"image", "FOLDER", kImageOptions, t::kImageSummary, image_command::Run},
};

}  // namespace

void CliRun::Error(const std::string& line) {
  err += std::string(t::kProgram) + ": " + line + "\n";
}

std::span<const CliCommand> CliCommands() { return kCommands; }

namespace {

int Run(const std::vector<std::string>& arguments, CliRun& run) {
  const ParsedArguments parsed = ParseArguments(kCommands, arguments);
  switch (parsed.kind) {
    case ParsedArguments::Kind::kHelp:
      run.out += HelpText(kCommands, parsed.invocation.command);
      return kCliOk;
    case ParsedArguments::Kind::kVersion:
      run.out += text::Format("%s (%s) %s\n", t::kProgram, product::kName, product::kVersion);
      return kCliOk;
    case ParsedArguments::Kind::kError:
      run.Error(parsed.error);
      if (parsed.invocation.command) {
        run.err += text::Format("Usage: %s %s\n", t::kProgram,
                                UsageOf(*parsed.invocation.command).c_str());
      }
      run.err += text::Format(t::kTryHelp, t::kProgram);
      return kCliUsage;
    case ParsedArguments::Kind::kRun:
      break;
  }
  return parsed.invocation.command->run(parsed.invocation, run);
}

}  // namespace

int RunCli(int argc, char** argv, CliRun& run) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc), run);
  } catch (const std::exception& e) {
    run.Error(e.what());
    return kCliProblems;
  }
}
