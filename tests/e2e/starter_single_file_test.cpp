// A CD that opens one file, played by the real Vendisc.exe: how the file to
// open is found, how it is opened, and what the user sees when it cannot be.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "starter/res/resource.h"
#include "starter_scenario.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono_literals::operator""s;
using testing::ElementsAre;

constexpr const char* kDocument = "My Document.vdscn";
constexpr const char* kOpenLine = "OPEN=Vendisc.exe \"My Document.vdscn\"\r\n";
// Lingers one second instead of five after a successful open.
constexpr const char* kShortLinger = "QUAVAutorunTimeout=1\r\n";

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

class StarterSingleFile : public StarterScenario {
 protected:
  void SetUp() override {
    StarterScenario::SetUp();
    ASSERT_TRUE(cd_.AddFile(kDocument, "the CD's document"));
    ASSERT_TRUE(cd_.AddFile("Other File.vdscn", "another document"));
  }
};

struct OpenCase {
  const char* name;
  const char* arguments;
  bool shortLinger;
  double minSeconds;  // the starter's whole run, start to exit
  double maxSeconds;
};
void PrintTo(const OpenCase& c, std::ostream* out) { *out << c.name; }

class StarterOpenLine : public StarterSingleFile, public testing::WithParamInterface<OpenCase> {};

// Started by AutoRun (the OPEN line's argument) or by hand (no argument, the
// quoted name read from OPEN): the document with blanks in its name opens,
// the starter lingers and ends by itself. IsRunning is set for the run only.
TEST_P(StarterOpenLine, OpensTheQuotedDocumentAndEndsByItself) {
  const OpenCase& c = GetParam();
  ASSERT_TRUE(WriteAutorun(std::string(kOpenLine) + "RunOneAtATime=1\r\n" +
                           (c.shortLinger ? kShortLinger : "")));
  const auto start = Clock::now();
  auto vendisc = StartVendisc(c.arguments);
  ASSERT_TRUE(vendisc);

  EXPECT_THAT(WaitForOpened(), ElementsAre(Quoted(kDocument)));
  if (!c.shortLinger) {
    // Five seconds of linger leave ample time to see the guard set.
    EXPECT_TRUE(vendisc->Running());
    EXPECT_EQ(IsRunningValue(), "yes");
  }
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  const double seconds = SecondsSince(start);
  EXPECT_GE(seconds, c.minSeconds);
  EXPECT_LT(seconds, c.maxSeconds);
  EXPECT_EQ(IsRunningValue(), "no");
  EXPECT_THAT(Opened(), testing::SizeIs(1));
}

INSTANTIATE_TEST_SUITE_P(
    Starter, StarterOpenLine,
    testing::Values(OpenCase{"AutoRun", "\"My Document.vdscn\"", true, 0.0, 4.5},
                    OpenCase{"ByHand", "", true, 0.0, 4.5},
                    // The calendar-second clock makes the default linger 4 to 5 s.
                    OpenCase{"ByHandDefaultLinger", "", false, 4.0, 8.0}),
    [](const testing::TestParamInfo<OpenCase>& info) { return std::string(info.param.name); });

// A file on the command line wins over OPEN; options before it are skipped.
TEST_F(StarterSingleFile, CommandLineFileOverridesOpen) {
  ASSERT_TRUE(WriteAutorun(std::string(kOpenLine) + kShortLinger));
  auto vendisc = StartVendisc("/autorun -x \"Other File.vdscn\"");
  ASSERT_TRUE(vendisc);
  EXPECT_THAT(WaitForOpened(), ElementsAre(Quoted("Other File.vdscn")));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_THAT(Opened(), testing::SizeIs(1));
}

// The standard error dialog's three texts, and "&Close" ends the program.
struct StandardErrorSeen {
  std::string message;
  std::string fileLine;
  std::string codeLine;
};

std::optional<StandardErrorSeen> ReadAndCloseStandardError(Process& vendisc,
                                                           const std::string& screenshot = "") {
  HWND dialog = WaitForWindow(vendisc, kErrorTitle, kDialogClass);
  if (!dialog) return std::nullopt;
  StandardErrorSeen seen{ControlText(dialog, IDE_ERROR_MESSAGE),
                         ControlText(dialog, IDE_ERROR_FILE), ControlText(dialog, IDE_ERROR_CODE)};
  EXPECT_EQ(ControlText(dialog, IDT_ERROR_LINK), "More information about this error code");
  EXPECT_NE(FindControlByText(dialog, "&Close"), nullptr);
  if (!screenshot.empty()) Photograph(dialog, screenshot);
  EXPECT_TRUE(vendisc.Running()) << "the dialog is modal: the starter waits for it";
  EXPECT_TRUE(ClickButtonByText(dialog, "&Close"));
  return seen;
}

TEST_F(StarterSingleFile, WithoutAutorunInfTheMissingFileIsReported) {
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  auto seen = ReadAndCloseStandardError(*vendisc);
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->message, "The file 'autorun.inf' could not be located - looking for\r\n" +
                               cd_.PathOf("autorun.inf") +
                               ".\r\nSee release documentation for help, or contact QUAV for "
                               "support.");
  EXPECT_EQ(seen->fileLine, "");
  EXPECT_EQ(seen->codeLine, "-2 (0xFFFFFFFE)");
  EXPECT_EQ(vendisc->WaitForExit(5s), 0u);
  EXPECT_THAT(Opened(), testing::IsEmpty());
}

TEST_F(StarterSingleFile, MissingTargetShowsTheStandardErrorDialog) {
  ASSERT_TRUE(WriteAutorun("OPEN=Vendisc.exe \"Not There.vdscn\"\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  auto seen = ReadAndCloseStandardError(*vendisc, "starter_error_standard");
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->message,
            "The specified file or folder '" + cd_.PathOf("Not There.vdscn") + "' was not found.");
  EXPECT_EQ(seen->fileLine, cd_.PathOf("Not There.vdscn"));
  EXPECT_EQ(seen->codeLine, "2 (0x02)");
  EXPECT_EQ(vendisc->WaitForExit(5s), 0u);
}

struct AuthorErrorCase {
  const char* name;
  const char* urlTitle;
  const char* expectedLinkText;
};
void PrintTo(const AuthorErrorCase& c, std::ostream* out) { *out << c.name; }

class StarterAuthorError : public StarterSingleFile,
                           public testing::WithParamInterface<AuthorErrorCase> {};

// UserDefinedErrors: the author's text on two lines, the contact link, and
// the code line followed by the opener's message.
TEST_P(StarterAuthorError, ShowsTheAuthorsTextLinkAndCode) {
  const AuthorErrorCase& c = GetParam();
  ASSERT_TRUE(WriteAutorun(std::string("OPEN=Vendisc.exe \"Not There.vdscn\"\r\n") +
                           "UserDefinedErrors=1\r\n"
                           "ErrorText=Sorry, the film could not start.<br>Please call us.\r\n"
                           "ErrorContactURL=http://help.example/cd\r\n"
                           "ErrorContactURLTitle=" +
                           c.urlTitle + "\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForWindow(*vendisc, kErrorTitle, kDialogClass);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDE_CUSTOM_ERROR_TEXT),
            "Sorry, the film could not start.\r\nPlease call us.");
  EXPECT_EQ(EditLineCount(dialog, IDE_CUSTOM_ERROR_TEXT), 2);
  EXPECT_EQ(ControlText(dialog, IDT_CUSTOM_ERROR_LINK), c.expectedLinkText);
  EXPECT_EQ(ControlText(dialog, IDT_CUSTOM_ERROR_CODE), "2 (0x02)\nThe specified file or folder '" +
                                                            cd_.PathOf("Not There.vdscn") +
                                                            "' was not found.");
  EXPECT_NE(FindControlByText(dialog, "The system returned the following code / message:"),
            nullptr);
  // The standard dialog's controls are not there.
  EXPECT_EQ(Control(dialog, IDE_ERROR_FILE), nullptr);
  if (std::string(c.urlTitle).empty()) Photograph(dialog, "starter_error_author");
  ASSERT_TRUE(ClickButtonByText(dialog, "&Close"));
  EXPECT_EQ(vendisc->WaitForExit(5s), 0u);
}

INSTANTIATE_TEST_SUITE_P(Starter, StarterAuthorError,
                         testing::Values(AuthorErrorCase{"NoTitle", "", "http://help.example/cd"},
                                         AuthorErrorCase{"Titled", "Contact the publisher",
                                                         "Contact the publisher"}),
                         [](const testing::TestParamInfo<AuthorErrorCase>& info) {
                           return std::string(info.param.name);
                         });

// QUAVForceExecuteWith: a missing first program is passed over and the
// second gets the document's full path, quoted, as its parameter.
TEST_F(StarterSingleFile, ForceExecuteWithFallsBackToTheSecondProgram) {
  ASSERT_TRUE(cd_.AddCopy("viewer\\show.exe", RecorderExe()));
  ASSERT_TRUE(WriteAutorun(std::string(kOpenLine) + kShortLinger +
                           "QUAVForceExecuteWith=missing.exe, viewer\\show.exe\r\n"));
  auto vendisc = StartVendisc("\"My Document.vdscn\"");
  ASSERT_TRUE(vendisc);
  const auto opened = WaitForRecorderEntries(LogPath(), 1).Starts();
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_THAT(opened[0].commandLine, testing::HasSubstr("viewer\\show.exe\" "));
  EXPECT_EQ(CommandTail(opened[0].commandLine), Quoted(kDocument));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_EQ(FindWindowOf(vendisc->Pid(), kErrorTitle), nullptr);
}

// Both programs missing: the file line names the list joined by " -OR- "
// and the document; the message names the last program tried.
TEST_F(StarterSingleFile, ForceExecuteWithBothMissingNamesTheList) {
  ASSERT_TRUE(
      WriteAutorun(std::string(kOpenLine) + "QUAVForceExecuteWith=missing.exe,gone.exe\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  auto seen = ReadAndCloseStandardError(*vendisc);
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->fileLine, "missing.exe -OR- gone.exe " + cd_.PathOf(kDocument));
  EXPECT_EQ(seen->message,
            "The specified file or folder was not found.  This could be either the file / folder "
            "\"gone.exe\"\r\nor " +
                Quoted(kDocument) + ".");
  EXPECT_EQ(seen->codeLine, "2 (0x02)");
  EXPECT_EQ(vendisc->WaitForExit(5s), 0u);
  EXPECT_THAT(Opened(), testing::IsEmpty());
}

}  // namespace
}  // namespace e2e
