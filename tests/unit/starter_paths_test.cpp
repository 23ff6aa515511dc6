// What the starter hands to the shell for paths out of the ordinary: a CD
// started from a network folder, and values far longer than Windows takes
// (a hostile or broken autorun.inf). Every way a CD value becomes something
// to open is a row.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/file_path.h"
#include "common/shell_opener.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "fake_shell_port.h"
#include "fake_starter_ui.h"
#include "starter/starter_app.h"

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

std::string NotFound(const std::string& target, const std::string& parameters = "") {
  return ShellOpener::MessageFor(2, target, "\"" + parameters + "\"", OpenerWording::kStarter);
}

class StarterPathsTest : public ::testing::Test {
 protected:
  void Config(const std::string& lines) { fs.Put("autorun.inf", "[autorun]\r\n" + lines); }
  void Run(const std::string& commandLine = "Vendisc.exe") {
    StarterApp app(fs, shell, registry, ui);
    app.Run(commandLine);
  }

  FakeFileSystem fs;
  FakeShellPort shell;
  FakeRegistryBackend registry;
  FakeStarterUi ui;
};

// Started from \\server\cd, the file opens at \\server\cd\doc.pdf: the pair
// that opens the network path survives the joining and the tidying.
TEST_F(StarterPathsTest, NetworkFolderOpensAndReportsFullNetworkPaths) {
  fs.currentDirectory = "\\\\server\\cd";
  fs.Put("doc.pdf", "pdf");
  const std::string doc = "\\\\server\\cd\\doc.pdf";
  const std::string gone = "\\\\server\\cd\\gone.pdf";
  struct Row {
    std::string lines;
    std::string commandLine;
    std::vector<std::string> actions;
    std::vector<std::string> seen;
  } rows[] = {
      {"OPEN=Vendisc.exe \"doc.pdf\"\r\n",
       "Vendisc.exe",
       {"ShellOpen(" + doc + "|\\\\server\\cd)"},
       {}},
      {"OPEN=Vendisc.exe \"doc.pdf\"\r\nQUAVForceExecuteWith=v.exe\r\n",
       "Vendisc.exe",
       {"ShellOpenEx(v.exe|\"" + doc + "\")", "Close(process)"},
       {}},
      {"OPEN=Vendisc.exe \"doc.pdf\"\r\n",
       "Vendisc.exe gone.pdf",
       {},
       {"Error(" + NotFound(gone) + "|" + gone + "|2 (0x02))"}},
  };
  for (const Row& row : rows) {
    shell.calls.clear();
    ui.ownJournal.clear();
    Config(row.lines);
    Run(row.commandLine);
    EXPECT_THAT(shell.Actions(), ElementsAreArray(row.actions)) << row.lines;
    EXPECT_THAT(ui.Seen(), ElementsAreArray(row.seen)) << row.lines;
  }
}

// A value of a megabyte is cut to 4999 characters by the profile rules; no
// such path, nor any other over the limit, reaches the shell. Each is
// reported as a file that cannot be found. The long files exist, so only the
// length check stands between them and the shell.
TEST_F(StarterPathsTest, LongPathsFromEveryPlaceAreNotFoundWithoutAnyCall) {
  const std::string megabyte(1 << 20, 'A');
  const std::string cut(4999 - std::string("Vendisc.exe \"").size(), 'A');
  const std::string longName = std::string(kMaxPathChars, 'L') + ".pdf";
  const std::string longProgram = std::string(kMaxPathChars, 'P') + ".exe";
  const std::string question =
      "Question(Sorry, but the system failed to install your viewer - error was:\n\n'" +
      NotFound("E:\\" + longProgram) + "'\n\nWould you like to continue?)[Yes]->No";
  auto error = [](const std::string& message, const std::string& fileLine) {
    return "Error(" + message + "|" + fileLine + "|2 (0x02))";
  };
  struct Row {
    const char* what;
    std::string lines;
    std::string commandLine;
    std::string seen;
  } rows[] = {
      {"OPEN value", "OPEN=Vendisc.exe \"" + megabyte + "\"\r\n", "Vendisc.exe",
       error(NotFound("E:\\" + cut), "E:\\" + cut)},
      {"command-line file", "OPEN=Vendisc.exe \"doc.pdf\"\r\n", "Vendisc.exe " + longName,
       error(NotFound("E:\\" + longName), "E:\\" + longName)},
      {"several-files entry",
       "SingleFile=0\r\nOpenAllFiles=1\r\nMultiSourceFileCount=1\r\nMultiSourceFile1=" + longName +
           "\r\nOPEN=Vendisc.exe \"doc.pdf\"\r\n",
       "Vendisc.exe", error(NotFound("E:\\" + longName), "E:\\" + longName)},
      {"forced program", "OPEN=Vendisc.exe \"doc.pdf\"\r\nQUAVForceExecuteWith=" + longProgram,
       "Vendisc.exe", error(NotFound(longProgram, "E:\\doc.pdf"), longProgram + " E:\\doc.pdf")},
      {"entry's forced program",
       "SingleFile=0\r\nOpenAllFiles=1\r\nMultiSourceFileCount=1\r\nMultiSourceFile1=doc.pdf\r\n"
       "MultiSourceForceOpen1=" +
           longProgram + "\r\nOPEN=Vendisc.exe \"doc.pdf\"\r\n",
       "Vendisc.exe", error(NotFound(longProgram, "E:\\doc.pdf"), longProgram + " E:\\doc.pdf")},
      {"long file for a forced program",
       "OPEN=Vendisc.exe \"" + longName + "\"\r\nQUAVForceExecuteWith=v.exe\r\n", "Vendisc.exe",
       error(NotFound("v.exe", "E:\\" + longName), "v.exe E:\\" + longName)},
      {"installer",
       "OPEN=Vendisc.exe \"doc.pdf\"\r\nInstallerFileOpenOptions=Always\r\nInstallerFile=" +
           longProgram + "\r\n",
       "Vendisc.exe", question},
  };
  for (const Row& row : rows) {
    fs.files.clear();
    fs.Put("doc.pdf", "pdf");
    fs.Put(cut, "pdf");
    fs.Put(longName, "pdf");
    fs.Put(longProgram, "MZ");
    shell.calls.clear();
    ui.ownJournal.clear();
    ui.answers = {StarterUi::Answer::kNo};  // to the installer's question
    Config(row.lines);
    Run(row.commandLine);
    EXPECT_THAT(shell.Actions(), IsEmpty()) << row.what;
    EXPECT_THAT(ui.Seen(), ElementsAre(row.seen)) << row.what;
  }
}

}  // namespace
