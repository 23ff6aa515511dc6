// The two gates before a single-file CD opens, played by the real
// Vendisc.exe: the one-at-a-time question and the licence agreement.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "starter/res/resource.h"
#include "starter_scenario.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""s;
using testing::ElementsAre;
using testing::IsEmpty;

constexpr const char* kDocument = "My Document.vdscn";
constexpr const char* kAutorun =
    "OPEN=Vendisc.exe \"My Document.vdscn\"\r\n"
    "QUAVAutorunTimeout=1\r\n"
    "RunOneAtATime=1\r\n";

class StarterGates : public StarterScenario {
 protected:
  void SetUp() override {
    StarterScenario::SetUp();
    ASSERT_TRUE(cd_.AddFile(kDocument, "the CD's document"));
  }
};

class StarterAlreadyRunning : public StarterGates, public testing::WithParamInterface<int> {};

// A copy marked running (or one that was killed) makes the starter ask; "No"
// ends at once and leaves the mark, "Yes" opens and clears it.
TEST_P(StarterAlreadyRunning, AsksWhetherToOpenAnyway) {
  const int answer = GetParam();
  ASSERT_TRUE(WriteAutorun(kAutorun));
  ASSERT_TRUE(WriteRegistryText(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning", "yes"));
  auto vendisc = StartVendisc("\"My Document.vdscn\"");
  ASSERT_TRUE(vendisc);

  auto box = WaitForMessageBox(*vendisc, kStarterTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text,
            "A copy of this CD is already being opened - please wait for the file(s) to open.\n\n"
            "Would you like to try opening the files again anyway?");
  EXPECT_EQ(box->buttons, (std::vector<std::string>{"&Yes", "&No"}));
  EXPECT_EQ(DefaultButtonId(box->window), IDNO);
  if (answer == IDNO) Photograph(box->window, "starter_question");
  ASSERT_TRUE(AnswerMessageBox(box->window, answer));

  if (answer == IDYES) {
    EXPECT_THAT(WaitForOpened(), ElementsAre(Quoted(kDocument)));
  }
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  if (answer == IDNO) {
    EXPECT_THAT(Opened(), IsEmpty());
    EXPECT_EQ(IsRunningValue(), "yes");
  } else {
    EXPECT_EQ(IsRunningValue(), "no");
  }
}

INSTANTIATE_TEST_SUITE_P(Starter, StarterAlreadyRunning, testing::Values(IDNO, IDYES),
                         [](const testing::TestParamInfo<int>& info) {
                           return std::string(info.param == IDNO ? "No" : "Yes");
                         });

// The CD inserted again while the first copy still lingers: the second copy
// asks, "No" ends it, and the first still ends by itself and clears the mark.
TEST_F(StarterGates, SecondCopyWhileTheFirstPlaysAsks) {
  ASSERT_TRUE(WriteAutorun("OPEN=Vendisc.exe \"My Document.vdscn\"\r\nRunOneAtATime=1\r\n"));
  auto first = StartVendisc();
  ASSERT_TRUE(first);
  ASSERT_THAT(WaitForOpened(), ElementsAre(Quoted(kDocument)));
  EXPECT_EQ(IsRunningValue(), "yes");

  auto second = StartVendisc("\"My Document.vdscn\"");
  ASSERT_TRUE(second);
  auto box = WaitForMessageBox(*second, kStarterTitle);
  ASSERT_TRUE(box);
  EXPECT_THAT(box->text, testing::StartsWith("A copy of this CD is already being opened"));
  ASSERT_TRUE(AnswerMessageBox(box->window, IDNO));
  EXPECT_EQ(second->WaitForExit(5s), 0u);
  EXPECT_TRUE(first->Running());
  EXPECT_EQ(IsRunningValue(), "yes");

  EXPECT_EQ(first->WaitForExit(), 0u);
  EXPECT_EQ(IsRunningValue(), "no");
  EXPECT_THAT(Opened(), testing::SizeIs(1));
}

class StarterLicence : public StarterGates {
 protected:
  void SetUp() override {
    StarterGates::SetUp();
    // The agreement's last line has no line end: the box still ends each line with one.
    ASSERT_TRUE(cd_.AddFile("licence.txt", "Terms of use\r\n\r\n1. Enjoy the CD.\n2. Share it."));
    ASSERT_TRUE(cd_.AddFile("docs\\Other File.vdscn", "another document"));
    OwnUserKey(kDocument);
    OwnUserKey("docsOther File.vdscn");
  }

  bool WriteLicenceAutorun(const std::string& extra = "") const {
    return WriteAutorun(std::string(kAutorun) + "QUAVLicenseFile=licence.txt\r\n" + extra);
  }

  // Waits for the agreement, checks what it shows and answers it with
  // `button`; false when it did not come.
  bool AnswerLicence(const Process& vendisc, int button, const std::string& screenshot = "") {
    HWND dialog = WaitForWindow(vendisc, kLicenceTitle, kDialogClass);
    if (!dialog) return false;
    EXPECT_EQ(ControlText(dialog, IDE_LICENCE_TEXT),
              "Terms of use\r\n\r\n1. Enjoy the CD.\r\n2. Share it.\r\n");
    EXPECT_EQ(ControlText(dialog, IDT_LICENCE_HEADING), "License Agreement");
    EXPECT_EQ(ControlText(dialog, IDOK), "&Yes");
    EXPECT_EQ(ControlText(dialog, IDCANCEL), "&No");
    EXPECT_EQ(DefaultButtonId(dialog), IDCANCEL);
    if (!screenshot.empty()) Photograph(dialog, screenshot);
    return ClickButton(dialog, button);
  }

  // A start that opens `expected` without any agreement in between (a
  // modal agreement would hold the opening back).
  void ExpectOpensWithoutLicence(const std::string& arguments, const std::string& expected) {
    ::DeleteFileA(LogPath().c_str());
    auto vendisc = StartVendisc(arguments);
    ASSERT_TRUE(vendisc);
    EXPECT_THAT(WaitForOpened(), ElementsAre(expected));
    EXPECT_EQ(FindWindowOf(vendisc->Pid(), kLicenceTitle), nullptr);
    EXPECT_EQ(vendisc->WaitForExit(), 0u);
  }

  // Accepts the agreement on a start and checks the opening.
  void AcceptAndOpen(const std::string& arguments, const std::string& expected,
                     const std::string& screenshot = "") {
    ::DeleteFileA(LogPath().c_str());
    auto vendisc = StartVendisc(arguments);
    ASSERT_TRUE(vendisc);
    ASSERT_TRUE(AnswerLicence(*vendisc, IDOK, screenshot));
    EXPECT_THAT(WaitForOpened(), ElementsAre(expected));
    EXPECT_EQ(vendisc->WaitForExit(), 0u);
  }
};

// Accepted once per user and file to open; another file asks again; "show
// always" asks every time.
TEST_F(StarterLicence, AcceptedOnceIsRememberedPerFileToOpen) {
  ASSERT_TRUE(WriteLicenceAutorun());
  AcceptAndOpen("\"My Document.vdscn\"", Quoted(kDocument), "starter_licence");
  EXPECT_EQ(ShownBeforeValue(kDocument), "yes");
  EXPECT_EQ(IsRunningValue(), "no");

  ExpectOpensWithoutLicence("", Quoted(kDocument));

  // The key drops the path's separators: "docs\Other File.vdscn".
  EXPECT_EQ(ShownBeforeValue("docsOther File.vdscn"), kMissing);
  AcceptAndOpen("\"docs\\Other File.vdscn\"", Quoted("docs\\Other File.vdscn"));
  EXPECT_EQ(ShownBeforeValue("docsOther File.vdscn"), "yes");

  ASSERT_TRUE(WriteLicenceAutorun("QUAVLicenseFileShowAlways=Yes\r\n"));
  AcceptAndOpen("", Quoted(kDocument));
  AcceptAndOpen("", Quoted(kDocument));

  ASSERT_TRUE(WriteLicenceAutorun("QUAVLicenseFileShowAlways=No\r\n"));
  ExpectOpensWithoutLicence("", Quoted(kDocument));
}

// Refused: nothing opens, nothing is remembered, and the guard is cleared.
TEST_F(StarterLicence, RefusedOpensNothing) {
  ASSERT_TRUE(WriteLicenceAutorun());
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  ASSERT_TRUE(WaitUntil([] { return IsRunningValue() == "yes"; }, 5s));
  ASSERT_TRUE(AnswerLicence(*vendisc, IDCANCEL));
  EXPECT_EQ(vendisc->WaitForExit(5s), 0u);
  EXPECT_THAT(Opened(), IsEmpty());
  EXPECT_EQ(IsRunningValue(), "no");
  EXPECT_EQ(ShownBeforeValue(kDocument), kMissing);
}

// An agreement file that is not on the CD: the box says so, and the user can
// still accept.
TEST_F(StarterLicence, MissingAgreementFileIsNamedInTheBox) {
  ASSERT_TRUE(WriteAutorun(std::string(kAutorun) + "QUAVLicenseFile=terms\\absent.txt\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForWindow(*vendisc, kLicenceTitle, kDialogClass);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDE_LICENCE_TEXT),
            "Failed to open the license agreement file terms\\absent.txt");
  ASSERT_TRUE(ClickButton(dialog, IDOK));
  EXPECT_THAT(WaitForOpened(), ElementsAre(Quoted(kDocument)));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_EQ(ShownBeforeValue(kDocument), "yes");
}

}  // namespace
}  // namespace e2e
