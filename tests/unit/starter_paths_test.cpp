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

using ::testing::ElementsAreArray;
using Lines = std::vector<std::string>;

const std::string kOpenDoc = "OPEN=Vendisc.exe \"doc.pdf\"\r\n";
const std::string kOneEntry = "SingleFile=0\r\nOpenAllFiles=1\r\nMultiSourceFileCount=1\r\n";

std::string NotFound(const std::string& target, const std::string& parameters = "") {
  return ShellOpener::MessageFor(2, target, "\"" + parameters + "\"", OpenerWording::kStarter);
}
std::string NotFoundBox(const std::string& target, const std::string& parameters = "") {
  const std::string fileLine = parameters.empty() ? target : target + " " + parameters;
  return "Error(" + NotFound(target, parameters) + "|" + fileLine + "|2 (0x02))";
}

// One start on fresh fakes over a copy of `files`; the user answers No.
void ExpectStart(const char* what, FakeFileSystem fs, const std::string& lines,
                 const std::string& commandLine, const Lines& actions, const Lines& seen) {
  FakeShellPort shell;
  FakeRegistryBackend registry;
  FakeStarterUi ui;
  ui.answers = {StarterUi::Answer::kNo};
  fs.Put("autorun.inf", "[autorun]\r\n" + lines);
  StarterApp(fs, shell, registry, ui).Run(commandLine);
  EXPECT_THAT(shell.Actions(), ElementsAreArray(actions)) << what;
  EXPECT_THAT(ui.Seen(), ElementsAreArray(seen)) << what;
}

// Started from \\server\cd, the file opens at \\server\cd\doc.pdf: the pair
// that opens the network path survives the joining and the tidying.
TEST(StarterPaths, NetworkFolderOpensAndReportsFullNetworkPaths) {
  FakeFileSystem fs;
  fs.currentDirectory = "\\\\server\\cd";
  fs.Put("doc.pdf", "pdf");
  const std::string doc = "\\\\server\\cd\\doc.pdf";
  ExpectStart("open", fs, kOpenDoc, "Vendisc.exe", {"ShellOpen(" + doc + "|\\\\server\\cd)"}, {});
  ExpectStart("forced", fs, kOpenDoc + "QUAVForceExecuteWith=v.exe\r\n", "Vendisc.exe",
              {"ShellOpenEx(v.exe|\"" + doc + "\")", "Close(process)"}, {});
  ExpectStart("missing", fs, kOpenDoc, "Vendisc.exe gone.pdf", {},
              {NotFoundBox("\\\\server\\cd\\gone.pdf")});
}

// A value of a megabyte is cut to 4999 characters by the profile rules; no
// such path, nor any other over the limit, reaches the shell. Each is
// reported as a file that cannot be found. The long files exist, so only the
// length check stands between them and the shell.
TEST(StarterPaths, LongPathsFromEveryPlaceAreNotFoundWithoutAnyCall) {
  const std::string cut(4999 - std::string("Vendisc.exe \"").size(), 'A');
  const std::string longName = std::string(kMaxPathChars, 'L') + ".pdf";
  const std::string longProgram = std::string(kMaxPathChars, 'P') + ".exe";
  FakeFileSystem fs;
  for (const std::string& name : {std::string("doc.pdf"), cut, longName}) fs.Put(name, "pdf");
  fs.Put(longProgram, "MZ");
  struct Row {
    const char* what;
    std::string lines;
    std::string commandLine;
    std::string seen;
  } rows[] = {
      {"OPEN value", "OPEN=Vendisc.exe \"" + std::string(1 << 20, 'A') + "\"\r\n", "Vendisc.exe",
       NotFoundBox("E:\\" + cut)},
      {"command-line file", kOpenDoc, "Vendisc.exe " + longName, NotFoundBox("E:\\" + longName)},
      {"several-files entry", kOneEntry + "MultiSourceFile1=" + longName + "\r\n" + kOpenDoc,
       "Vendisc.exe", NotFoundBox("E:\\" + longName)},
      {"forced program", kOpenDoc + "QUAVForceExecuteWith=" + longProgram, "Vendisc.exe",
       NotFoundBox(longProgram, "E:\\doc.pdf")},
      {"entry's forced program",
       kOneEntry + "MultiSourceFile1=doc.pdf\r\nMultiSourceForceOpen1=" + longProgram + "\r\n" +
           kOpenDoc,
       "Vendisc.exe", NotFoundBox(longProgram, "E:\\doc.pdf")},
      {"long file for a forced program",
       "OPEN=Vendisc.exe \"" + longName + "\"\r\nQUAVForceExecuteWith=v.exe\r\n", "Vendisc.exe",
       NotFoundBox("v.exe", "E:\\" + longName)},
      {"installer",
       kOpenDoc + "InstallerFileOpenOptions=Always\r\nInstallerFile=" + longProgram + "\r\n",
       "Vendisc.exe",
       "Question(Sorry, but the system failed to install your viewer - error was:\n\n'" +
           NotFound("E:\\" + longProgram) + "'\n\nWould you like to continue?)[Yes]->No"},
  };
  for (const Row& row : rows) ExpectStart(row.what, fs, row.lines, row.commandLine, {}, {row.seen});
}

}  // namespace
