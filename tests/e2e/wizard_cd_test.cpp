// A CD made with the real Discwright.exe from start to end, as an author
// makes one, and then played with the starter it copied; and the questions
// and refusals around creating the CD files.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "cd_folder.h"
#include "common/win32/win32_registry_backend.h"
#include "config/autorun_writer.h"
#include "starter/res/resource.h"
#include "starter_scenario.h"
#include "wizard/cd_files_texts.h"
#include "wizard/pages/options_page_rules.h"
#include "wizard/pages/options_texts.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"
#include "wizard_document_scenario.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
namespace cdt = cd_files_texts;

constexpr const char* kStarter = "Start.exe";
constexpr const char* kLicenceFile = "euagl_cd_license.txt";
// Typed into the licence dialog; the file gets it exactly as typed.
constexpr const char* kLicenceText = "Terms of use\r\n\r\n1. Enjoy the CD.";
// The starter's box ends every line, the last one too.
constexpr const char* kLicenceShown = "Terms of use\r\n\r\n1. Enjoy the CD.\r\n";
constexpr const char* kErrorTyped = "The CD could not open its file.\r\nPlease call us.";
constexpr const char* kErrorUrl = "http://example.com/help";
constexpr const char* kErrorUrlTitle = "Help pages";

// The rows of the options table the scenarios configure.
constexpr int kLicenceRow = 2;
constexpr int kErrorRow = 6;
constexpr int kStarterRow = 7;
constexpr int kUsedColumn = 1;

// Values the scenarios depend on that a new configuration does not reset.
constexpr const char* kUnresetValues[] = {wizard_settings::kQueriedFileOverwrite,
                                          wizard_settings::kDoNotWarnOverwrites,
                                          wizard_settings::kFileNameTooLongShowWarning,
                                          wizard_settings::kWarnedAboutCaching,
                                          wizard_settings::kTestedConfig,
                                          wizard_settings::kLastINFFile,
                                          wizard_settings::kSourceFolder,
                                          wizard_settings::kHelpFileTyleDlgShow,
                                          wizard_settings::kHelpRootDriveShow,
                                          wizard_settings::kAppShowWelcomeDialog,
                                          "SourceFile",
                                          "LicenseAgreementFileShowEveryTime",
                                          "InstallerHowToRunNew"};

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "(no file)";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool NoMessageFor(const Process& discwright, Ms wait) {
  return !WaitForWizardMessage(discwright, wait);
}

class WizardCd : public WizardDocumentScenario {
 protected:
  std::span<const char* const> UnresetValues() const override { return kUnresetValues; }

  // Plays the CD as AutoRun would: the starter with the OPEN line's argument.
  std::optional<Process> StartStarter() const {
    return Process::Start(cd_.PathOf(kStarter), std::string("\"") + kDocument + "\"", cd_.Path(),
                          {{"RECORDER_LOG", LogPath()}});
  }

  // Selects a row of the options table and presses "Configure...": the
  // option frame titled `title`.
  static HWND OpenOption(const Process& discwright, HWND options, int row,
                         const std::string& title) {
    EXPECT_TRUE(SelectListViewRow(options, IDL_OPTIONS_TABLE, row));
    EXPECT_TRUE(WaitUntil([&] { return IsControlEnabled(options, IDB_OPTIONS_CONFIGURE); }, 3s));
    EXPECT_EQ(ControlText(options, IDT_OPTIONS_SUMMARY), options_page::Rows()[row].longDescription);
    if (!ClickButton(options, IDB_OPTIONS_CONFIGURE)) return nullptr;
    return WaitForOptionFrame(discwright, title);
  }

  // Presses OK on an option frame and waits for the row to read "Yes".
  static void AcceptOption(HWND frame, HWND options, int row) {
    ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
    ASSERT_TRUE(WaitForWindowGone(frame)) << "the option dialog refused to close";
    EXPECT_TRUE(WaitUntil(
        [&] { return ListViewCell(options, IDL_OPTIONS_TABLE, row, kUsedColumn) == "Yes"; }, 3s))
        << ListViewCell(options, IDL_OPTIONS_TABLE, row, kUsedColumn);
  }

  // The command tails of the recorders started so far, after waiting for one.
  std::vector<std::string> Opened() const {
    std::vector<std::string> tails;
    for (const auto& entry : WaitForRecorderEntries(LogPath(), 1).Starts())
      tails.push_back(CommandTail(entry.commandLine));
    return tails;
  }

  static void Exit(Process& discwright, HWND main) {
    ASSERT_TRUE(PostClose(main));
    AnswerWizard(discwright, wizard_texts::kExitQuestion, IDYES);
    EXPECT_TRUE(discwright.WaitForExit(5s).has_value());
  }
};

// The whole wizard for one document with a licence shown once, the author's
// error message and a renamed starter; the files it writes; the report of
// what to burn; and the CD played by the copied starter.
TEST_F(WizardCd, WholeWizardMakesACdThatPlaysAsConfigured) {
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  HWND welcome = WaitForFrame(*discwright, wizard_texts::kWelcomeFrameTitle);
  ASSERT_NE(welcome, nullptr);
  HWND page = PageHolding(welcome, IDR_WELCOME_CREATE);
  ASSERT_NE(page, nullptr);
  EXPECT_EQ(CheckState(page, IDR_WELCOME_CREATE), BST_CHECKED);
  ASSERT_TRUE(ClickButton(welcome, IDB_FRAME_FINISH));

  HWND wizard = WaitForFrame(*discwright, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  ASSERT_NE(WaitForFrame(*discwright, wizard_texts::kSelectFileTitle), nullptr);
  HWND filePage = PageHolding(wizard, IDE_FILE_PATH);
  ASSERT_NE(filePage, nullptr);
  EXPECT_EQ(CheckState(filePage, IDR_FILE_ONE), BST_CHECKED);
  ASSERT_TRUE(SetControlText(filePage, IDE_FILE_PATH, cd_.PathOf(kDocument)));
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));

  ASSERT_NE(WaitForFrame(*discwright, wizard_texts::kAdditionalOptionsTitle), nullptr)
      << ControlText(wizard, IDT_FRAME_TITLE);
  EXPECT_TRUE(NoMessageFor(*discwright, 500ms)) << "leaving the file page asked something";
  EXPECT_EQ(WizardValue("SourceFile"), cd_.PathOf(kDocument));
  EXPECT_EQ(WizardValue("SourceFolder"), Folder());
  HWND options = PageHolding(wizard, IDL_OPTIONS_TABLE);
  ASSERT_NE(options, nullptr);
  ASSERT_EQ(ListViewRowCount(options, IDL_OPTIONS_TABLE), 8);
  for (int row = 0; row < 8; ++row)
    EXPECT_EQ(ListViewCell(options, IDL_OPTIONS_TABLE, row, kUsedColumn), "No") << row;
  EXPECT_FALSE(IsControlEnabled(options, IDB_OPTIONS_CONFIGURE));
  EXPECT_EQ(CheckState(options, IDX_OPTIONS_NO_WARN), BST_UNCHECKED);

  // The licence agreement, shown only the first time.
  HWND frame = OpenOption(*discwright, options, kLicenceRow, options_texts::kLicenseTitle);
  ASSERT_NE(frame, nullptr);
  HWND licence = PageHolding(frame, IDE_LICENSE_TEXT);
  ASSERT_NE(licence, nullptr);
  EXPECT_FALSE(IsControlEnabled(licence, IDE_LICENSE_TEXT));
  ASSERT_TRUE(ClickButton(licence, IDX_LICENSE_ENABLE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(licence, IDE_LICENSE_TEXT); }, 3s));
  EXPECT_EQ(ControlText(licence, IDE_LICENSE_FILE), kLicenceFile);
  ASSERT_TRUE(SetControlText(licence, IDE_LICENSE_TEXT, kLicenceText));
  ASSERT_TRUE(SelectComboItem(licence, IDC_LICENSE_SHOW, 1));
  EXPECT_EQ(ControlText(licence, IDC_LICENSE_SHOW), "No");
  AcceptOption(frame, options, kLicenceRow);
  EXPECT_EQ(cd_.ReadText(kLicenceFile), kLicenceText);

  // The author's own error message, typed on two lines.
  frame = OpenOption(*discwright, options, kErrorRow, options_texts::kErrorMessageTitle);
  ASSERT_NE(frame, nullptr);
  HWND error = PageHolding(frame, IDE_ERROR_TEXT);
  ASSERT_NE(error, nullptr);
  ASSERT_TRUE(ClickButton(error, IDX_ERROR_ENABLE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(error, IDE_ERROR_TEXT); }, 3s));
  ASSERT_TRUE(SetControlText(error, IDE_ERROR_TEXT, kErrorTyped));
  ASSERT_TRUE(SetControlText(error, IDE_ERROR_URL, kErrorUrl));
  ASSERT_TRUE(SetControlText(error, IDE_ERROR_URL_TITLE, kErrorUrlTitle));
  AcceptOption(frame, options, kErrorRow);

  // The starter renamed.
  frame = OpenOption(*discwright, options, kStarterRow, options_texts::kStarterNameTitle);
  ASSERT_NE(frame, nullptr);
  HWND starter = PageHolding(frame, IDE_STARTER_NAME);
  ASSERT_NE(starter, nullptr);
  EXPECT_EQ(ControlText(starter, IDE_STARTER_NAME), "Vendisc.exe");
  ASSERT_TRUE(ClickButton(starter, IDX_STARTER_ENABLE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(starter, IDE_STARTER_NAME); }, 3s));
  ASSERT_TRUE(SetControlText(starter, IDE_STARTER_NAME, kStarter));
  AcceptOption(frame, options, kStarterRow);
  Photograph(wizard, "wizard_cd_options");

  // Leaving the page creates the CD files; this machine is asked once.
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  AnswerWizard(*discwright, cdt::OverwriteSummary(Folder() + "autorun.inf", Folder() + kStarter),
               IDYES);
  ASSERT_NE(WaitForFrame(*discwright, wizard_texts::kFilesCreatedTitle), nullptr)
      << ControlText(wizard, IDT_FRAME_TITLE);
  EXPECT_EQ(WizardValue(wizard_settings::kQueriedFileOverwrite), "yes");
  EXPECT_EQ(WizardValue(wizard_settings::kDoNotWarnOverwrites), "yes");
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_FINISH));
  ASSERT_TRUE(WaitForWindowGone(wizard));
  AnswerWizard(*discwright, wizard_texts::kTestQuestion, IDNO);

  const std::string autorunPath = cd_.PathOf("autorun.inf");
  EXPECT_TRUE(WaitUntil([&] { return WindowText(main) == "ZoruZaz AZ - " + autorunPath; }, 3s))
      << WindowText(main);
  EXPECT_EQ(WizardValue(wizard_settings::kLastINFFile), autorunPath);
  EXPECT_TRUE(IsControlEnabled(main, IDB_MAIN_RECREATE));

  // The files on the CD.
  const std::string autorun = cd_.ReadText("autorun.inf");
  EXPECT_EQ(autorun, ExpectedAutorun());
  EXPECT_EQ(autorun,
            "[autorun]\r\n"
            "OPEN=Start.exe \"doc.vdscn\"\r\n"
            "LicenseAgreementEnabled=1\r\n"
            "QUAVLicenseFile=euagl_cd_license.txt\r\n"
            "QUAVLicenseFileShowAlways=No\r\n"
            "UserDefinedErrors=1\r\n"
            "ErrorContactURL=http://example.com/help\r\n"
            "ErrorContactURLTitle=Help pages\r\n"
            "ErrorText=The CD could not open its file.<br>Please call us.\r\n");
  const std::string installed = ReadWholeFile(KitFolder() + "\\Vendisc.exe");
  EXPECT_GT(installed.size(), 1000u);
  EXPECT_TRUE(ReadWholeFile(cd_.PathOf(kStarter)) == installed)
      << "the starter on the CD is not the installed Vendisc.exe";
  EXPECT_FALSE(cd_.Exists("Vendisc.exe"));
  EXPECT_EQ(cd_.ReadText(kLicenceFile), kLicenceText);
  EXPECT_FALSE(cd_.Exists(std::string("autorun.inf") + kAutorunTempSuffix));

  // Told not to warn: "Recreate Config." replaces the files without a question.
  ASSERT_TRUE(::DeleteFileA(cd_.PathOf(kStarter).c_str()));
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
  EXPECT_TRUE(WaitUntil([&] { return cd_.Exists(kStarter); }, 5s));
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));
  EXPECT_EQ(cd_.ReadText("autorun.inf"), autorun);

  // What to burn, from the main window's link.
  ASSERT_TRUE(ClickLink(main, IDT_MAIN_FILES_LINK));
  HWND report = WaitForOptionFrame(*discwright, wizard_texts::kFilesToCopyTitle);
  ASSERT_NE(report, nullptr);
  HWND reportPage = PageHolding(report, IDL_REPORT_LIST);
  ASSERT_NE(reportPage, nullptr);
  using Row = std::vector<std::string>;
  EXPECT_THAT(ListViewRows(reportPage, IDL_REPORT_LIST, 2),
              ElementsAre(Row{"\\", Folder() + "autorun.inf"}, Row{"\\", Folder() + kStarter},
                          Row{"\\", Folder() + kDocument + cdt::kSupportFilesNote},
                          Row{"\\", Folder() + kLicenceFile}));
  Photograph(report, "wizard_cd_files_to_copy");
  ASSERT_TRUE(ClickButton(report, IDB_OPTION_OK));
  ASSERT_TRUE(WaitForWindowGone(report));
  Exit(*discwright, main);

  // The CD played: the agreement first, then the document.
  auto first = StartStarter();
  ASSERT_TRUE(first);
  HWND agreement = WaitForWindow(*first, kLicenceTitle, kDialogClass);
  ASSERT_NE(agreement, nullptr);
  EXPECT_EQ(ControlText(agreement, IDE_LICENCE_TEXT), kLicenceShown);
  EXPECT_TRUE(ReadRecorderLog(LogPath()).entries.empty()) << "opened before the agreement";
  Photograph(agreement, "wizard_cd_licence");
  ASSERT_TRUE(ClickButton(agreement, IDOK));
  EXPECT_THAT(Opened(), ElementsAre("\"" + cd_.PathOf(kDocument) + "\""));
  EXPECT_EQ(first->WaitForExit(15s), 0u);
  EXPECT_EQ(ShownBeforeValue(kDocument), "yes");

  // Accepted once: the second start opens the document straight away.
  ::DeleteFileA(LogPath().c_str());
  auto second = StartStarter();
  ASSERT_TRUE(second);
  EXPECT_THAT(Opened(), ElementsAre("\"" + cd_.PathOf(kDocument) + "\""));
  EXPECT_EQ(FindWindowOf(second->Pid(), kLicenceTitle), nullptr);
  EXPECT_EQ(second->WaitForExit(15s), 0u);

  // The document gone: the author's message, on two lines, with the link.
  ASSERT_TRUE(::DeleteFileA(cd_.PathOf(kDocument).c_str()));
  auto third = StartStarter();
  ASSERT_TRUE(third);
  HWND failure = WaitForWindow(*third, kErrorTitle, kDialogClass);
  ASSERT_NE(failure, nullptr);
  EXPECT_EQ(ControlText(failure, IDE_CUSTOM_ERROR_TEXT), kErrorTyped);
  EXPECT_EQ(ControlText(failure, IDT_CUSTOM_ERROR_LINK), kErrorUrlTitle);
  ASSERT_TRUE(ClickButtonByText(failure, "&Close"));
  EXPECT_EQ(third->WaitForExit(5s), 0u);
}

// Around "Recreate Config.": the summary question once per machine, the
// per-file questions after a No, a refused overwrite and a missing required
// file that leave autorun.inf as it was; then the length warning of a chosen
// file on the file page.
TEST_F(WizardCd, RecreatingAsksOnceAndRefusalsKeepTheOldFile) {
  const std::string autorunPath = cd_.PathOf("autorun.inf");
  ASSERT_TRUE(cd_.AddFile("terms.txt", "Terms"));
  ASSERT_TRUE(cd_.AddAutorun("[autorun]\r\nOPEN=Vendisc.exe \"doc.vdscn\"\r\n"));
  for (const auto& [name, value] :
       std::vector<std::pair<std::string, std::string>>{{"SourceFile", cd_.PathOf(kDocument)},
                                                        {"SourceFolder", Folder()},
                                                        {"LicenseAgreementEnabled", "yes"},
                                                        {"LicenseAgreementFile", "terms.txt"},
                                                        {"LicenseAgreementFileShowEveryTime", "No"},
                                                        {"AppShowWelcomeDialog", "no"},
                                                        {"LastINFFile", autorunPath}})
    ASSERT_TRUE(SetWizardValue(name, value));
  auto discwright = StartDiscwright();
  ASSERT_TRUE(discwright);
  HWND main = WaitForMainWindow(*discwright);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(main, IDB_MAIN_RECREATE); }, 5s));

  // First creation on this machine: the summary, answered No, then a
  // question for each file that exists (only autorun.inf does).
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
  AnswerWizard(*discwright,
               cdt::OverwriteSummary(Folder() + "autorun.inf", Folder() + "Vendisc.exe"), IDNO);
  AnswerWizard(*discwright, cdt::OverwriteQuestion(autorunPath), IDYES);
  const std::string expected = ExpectedAutorun();
  EXPECT_THAT(expected, testing::HasSubstr("QUAVLicenseFile=terms.txt\r\n"));
  EXPECT_TRUE(WaitUntil([&] { return cd_.ReadText("autorun.inf") == expected; }, 5s))
      << cd_.ReadText("autorun.inf");
  EXPECT_TRUE(cd_.Exists("Vendisc.exe"));
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));
  EXPECT_EQ(WizardValue(wizard_settings::kQueriedFileOverwrite), "yes");
  EXPECT_NE(WizardValue(wizard_settings::kDoNotWarnOverwrites), "yes");

  // Asked once per machine: now only the per-file questions; No to the
  // configuration file keeps it although a setting changed.
  ASSERT_TRUE(SetWizardValue("LicenseAgreementFileShowEveryTime", "Yes"));
  ASSERT_NE(ExpectedAutorun(), expected);
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
  AnswerWizard(*discwright, cdt::OverwriteQuestion(cd_.PathOf("Vendisc.exe")), IDYES);
  AnswerWizard(*discwright, cdt::OverwriteQuestion(autorunPath), IDNO);
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));
  EXPECT_EQ(cd_.ReadText("autorun.inf"), expected);

  // A required file gone, and the author stops: nothing is written, not
  // even the starter.
  ASSERT_TRUE(::DeleteFileA(cd_.PathOf("terms.txt").c_str()));
  ASSERT_TRUE(::DeleteFileA(cd_.PathOf("Vendisc.exe").c_str()));
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
  AnswerWizard(*discwright,
               cdt::RequiredFileMissing(cdt::kLicenseAgreement, Folder() + "terms.txt") +
                   cdt::kContinueDetecting,
               IDNO);
  EXPECT_TRUE(NoMessageFor(*discwright, 1500ms));
  EXPECT_EQ(cd_.ReadText("autorun.inf"), expected);
  EXPECT_FALSE(cd_.Exists("Vendisc.exe"));

  // The file page's "Browse...": a path of 61 characters gets the length
  // warning (cancelled: the field keeps its path), one of 60 does not.
  CdFolder shortFolder("len", "C:");
  ASSERT_TRUE(shortFolder.ok());
  const size_t nameChars60 = 60 - shortFolder.Path().size() - 1;
  ASSERT_GE(nameChars60, 8u);
  const std::string name60 = std::string(nameChars60 - 6, 'a') + ".vdscn";
  const std::string name61 = "b" + name60;
  ASSERT_TRUE(shortFolder.AddFile(name60, "60"));
  ASSERT_TRUE(shortFolder.AddFile(name61, "61"));
  ASSERT_EQ(shortFolder.PathOf(name60).size(), 60u);
  ASSERT_EQ(shortFolder.PathOf(name61).size(), 61u);

  ASSERT_TRUE(ClickButton(main, IDB_MAIN_WIZARD));
  HWND wizard = WaitForFrame(*discwright, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  ASSERT_NE(WaitForFrame(*discwright, wizard_texts::kSelectFileTitle), nullptr);
  HWND filePage = PageHolding(wizard, IDB_FILE_BROWSE);
  ASSERT_NE(filePage, nullptr);
  EXPECT_EQ(ControlText(filePage, IDE_FILE_PATH), cd_.PathOf(kDocument));

  ASSERT_TRUE(ClickButton(filePage, IDB_FILE_BROWSE));
  HWND open = WaitForWindow(*discwright, "Open", kDialogClass);
  ASSERT_NE(open, nullptr);
  ASSERT_TRUE(ChooseFile(open, shortFolder.PathOf(name61)));
  HWND warning = WaitForOptionFrame(*discwright, cdt::kLengthWarningTitle);
  ASSERT_NE(warning, nullptr);
  HWND warningPage = PageHolding(warning, IDX_LENGTH_DONT_WARN);
  ASSERT_NE(warningPage, nullptr);
  EXPECT_EQ(CheckState(warningPage, IDX_LENGTH_DONT_WARN), BST_UNCHECKED);
  EXPECT_THAT(ControlText(warningPage, IDT_LENGTH_DIFFERENT), testing::HasSubstr("60 characters"));
  Photograph(warning, "wizard_cd_length_warning");
  ASSERT_TRUE(ClickButton(warning, IDB_OPTION_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(warning));
  EXPECT_TRUE(WaitForWindowGone(open, 1s));
  EXPECT_EQ(ControlText(filePage, IDE_FILE_PATH), cd_.PathOf(kDocument));

  ASSERT_TRUE(ClickButton(filePage, IDB_FILE_BROWSE));
  open = WaitForWindow(*discwright, "Open", kDialogClass);
  ASSERT_NE(open, nullptr);
  ASSERT_TRUE(ChooseFile(open, shortFolder.PathOf(name60)));
  EXPECT_TRUE(WaitUntil(
      [&] { return ControlText(filePage, IDE_FILE_PATH) == shortFolder.PathOf(name60); }, 5s))
      << ControlText(filePage, IDE_FILE_PATH);
  EXPECT_EQ(WaitForOptionFrame(*discwright, cdt::kLengthWarningTitle, 0s), nullptr);
  EXPECT_NE(WizardValue(wizard_settings::kFileNameTooLongShowWarning), "no");

  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_CANCEL));
  ASSERT_TRUE(WaitForWindowGone(wizard));
  EXPECT_TRUE(NoMessageFor(*discwright, 1s));
  // Cancelled: the chosen file was not taken.
  EXPECT_EQ(WizardValue("SourceFile"), cd_.PathOf(kDocument));
  Exit(*discwright, main);
}

}  // namespace
}  // namespace e2e
