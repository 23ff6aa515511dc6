// A CD that opens several files (all in order, or picked from the selection
// list) and one that installs viewers first, played by the real Vendisc.exe.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlwapi.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cd_folder.h"
#include "driver.h"
#include "recorder_log.h"
#include "starter_scenario.h"
#include "starter/res/resource.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""s;
using testing::ElementsAre;

constexpr const char* kTitle = "ZoruZaz AZ";
constexpr const char* kSelectionTitle = "CD AutoRun: Please select a file";
constexpr const char* kPropertiesTitle = "Autorun File Properties";
// Documents of these scenarios open the recorder through this extension.
constexpr const char* kExtension = ".vdsel";
// An extension nothing opens until the "viewer installer" registers it.
constexpr const char* kViewerExtension = ".vdview";


std::optional<std::string> IsRunningValue() {
  char buffer[64] = {};
  DWORD size = sizeof buffer - 1;
  if (::SHGetValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning", nullptr, buffer, &size) !=
      ERROR_SUCCESS)
    return std::nullopt;
  return std::string(buffer);
}

// A 24-bit bottom-up BMP of `width` x `height` with a diagonal gradient.
std::string GradientBitmap(int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t imageSize = static_cast<uint32_t>(stride * height);
  std::string bmp(54 + imageSize, '\0');
  auto put32 = [&bmp](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, static_cast<uint32_t>(bmp.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = 24;
  put32(34, imageSize);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = 54 + static_cast<size_t>(y * stride + x * 3);
      bmp[at] = static_cast<char>(255 * y / height);     // blue
      bmp[at + 1] = static_cast<char>(128);              // green
      bmp[at + 2] = static_cast<char>(255 * x / width);  // red
    }
  }
  return bmp;
}

class SeveralFiles : public testing::Test {
 public:
  static void SetUpTestSuite() {
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kExtension);
    ::SHDeleteKeyA(HKEY_CLASSES_ROOT, kViewerExtension);
    documentType_ = std::make_unique<RecorderDocumentType>(kExtension, RecorderExe());
  }
  static void TearDownTestSuite() { documentType_.reset(); }

 protected:
  void SetUp() override {
    ASSERT_TRUE(documentType_ && documentType_->ok());
    ASSERT_TRUE(cd_.ok());
    ASSERT_TRUE(cd_.AddCopy("Vendisc.exe", VendiscExe()));
    for (const char* name : {"one.vdsel", "two.vdsel", "three.vdsel"})
      ASSERT_TRUE(cd_.AddFile(name, name));
    ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning");
  }
  void TearDown() override { ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kStarterKey, "IsRunning"); }

  bool WriteAutorun(const std::string& lines) const {
    return cd_.AddAutorun("[autorun]\r\nOPEN=Vendisc.exe \"one.vdsel\"\r\n" + lines);
  }
  std::optional<Process> StartVendisc(int recorderSleepMs = 0) {
    EnvVars env{{"RECORDER_LOG", LogPath()}};
    if (recorderSleepMs > 0) env.push_back({"RECORDER_SLEEP_MS", std::to_string(recorderSleepMs)});
    return Process::Start(cd_.PathOf("Vendisc.exe"), "", cd_.Path(), env);
  }
  std::string LogPath() const { return cd_.PathOf("recorder.log"); }
  std::string Quoted(const std::string& relative) const {
    return "\"" + cd_.PathOf(relative) + "\"";
  }
  // The command tails of the recorders started so far.
  std::vector<std::string> OpenedTails() const {
    std::vector<std::string> tails;
    for (const auto& entry : ReadRecorderLog(LogPath()).Starts())
      tails.push_back(CommandTail(entry.commandLine));
    return tails;
  }
  std::vector<std::string> WaitForOpened(size_t count) const {
    WaitForRecorderEntries(LogPath(), count);
    return OpenedTails();
  }
  // Whether a started recorder's command line names `program`.
  static bool Names(const RecorderEntry& entry, const std::string& program) {
    return entry.commandLine.find(program) != std::string::npos;
  }

  HWND WaitForSelection(Process& vendisc) {
    return WaitForWindow(vendisc, kSelectionTitle, kDialogClass);
  }

  CdFolder cd_{"vdsel"};

 private:
  static inline std::unique_ptr<RecorderDocumentType> documentType_;
};

constexpr const char* kThreeEntries =
    "SingleFile=0\r\nMultiSourceFileCount=3\r\n"
    "MultiSourceFile1=one.vdsel\r\nMultiSourceFileName1=Zulu: the first\r\n"
    "MultiSourceFile2=two.vdsel\r\nMultiSourceFileName2=Alpha: the second\r\n"
    "MultiSourceFile3=three.vdsel\r\nMultiSourceFileName3=Mike: the third\r\n";

uint64_t StartOf(const RecorderLog& log, const std::string& name) {
  for (const auto& e : log.entries)
    if (e.kind == RecorderEntry::Kind::kStart && e.commandLine.find(name) != std::string::npos)
      return e.ms;
  return 0;
}
uint64_t EndOf(const RecorderLog& log, const std::string& name) {
  for (const auto& e : log.entries)
    if (e.kind == RecorderEntry::Kind::kEnd && e.commandLine.find(name) != std::string::npos)
      return e.ms;
  return 0;
}

TEST_F(SeveralFiles, OpenAllWaitingForEachToEnd) {
  ASSERT_TRUE(WriteAutorun(std::string(kThreeEntries) +
                           "OpenAllFiles=1\r\nWaitForPrevious=1\r\nQUAVAutorunTimeout=1\r\n"));
  auto vendisc = StartVendisc(700);
  ASSERT_TRUE(vendisc);
  const RecorderLog log = WaitForRecorderEntries(LogPath(), 3, RecorderEntry::Kind::kEnd);
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_THAT(OpenedTails(),
              ElementsAre(Quoted("one.vdsel"), Quoted("two.vdsel"), Quoted("three.vdsel")));
  // Each entry starts only once the program of the one before has ended.
  EXPECT_GE(StartOf(log, "two.vdsel"), EndOf(log, "one.vdsel"));
  EXPECT_GE(StartOf(log, "three.vdsel"), EndOf(log, "two.vdsel"));
  EXPECT_EQ(::FindWindowA(kDialogClass, kErrorTitle), nullptr);
}

TEST_F(SeveralFiles, OpenAllWithoutWaitingStartsThemBackToBackAndOnlyTheLastLingers) {
  ASSERT_TRUE(
      WriteAutorun(std::string(kThreeEntries) + "OpenAllFiles=1\r\nQUAVAutorunTimeout=3\r\n"));
  auto vendisc = StartVendisc(2500);
  ASSERT_TRUE(vendisc);
  const RecorderLog log = WaitForRecorderEntries(LogPath(), 3);
  const auto thirdSeen = std::chrono::steady_clock::now();
  ASSERT_EQ(log.Starts().size(), 3u);
  // A linger of 3 s (2 to 3 s by the second clock) after each would space them by 2 s or more.
  // Started back to back, the third can log its start before the first.
  const uint64_t one = StartOf(log, "one.vdsel"), three = StartOf(log, "three.vdsel");
  EXPECT_LT(std::max(one, three) - std::min(one, three), 1500u);
  // None waited for the program before: all three started before the first ended.
  EXPECT_EQ(EndOf(log, "one.vdsel"), 0u);
  // The last one lingers.
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_GE(std::chrono::steady_clock::now() - thirdSeen, std::chrono::milliseconds(1000));
}

TEST_F(SeveralFiles, PickOpensTheChosenEntryWithItsOwnProgramAndEnds) {
  ASSERT_TRUE(cd_.AddCopy("viewer\\show.exe", RecorderExe()));
  ASSERT_TRUE(cd_.AddCopy("other\\all.exe", RecorderExe()));
  ASSERT_TRUE(WriteAutorun(std::string(kThreeEntries) + "RunOneAtATime=1\r\n" +
                           "MultiSourceForceOpen2=viewer\\show.exe\r\n"
                           "QUAVForceExecuteWith=other\\all.exe\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForSelection(*vendisc);
  ASSERT_NE(dialog, nullptr);
  EXPECT_THAT(ListBoxItems(dialog, IDL_SELECTION_FILES),
              ElementsAre("Zulu: the first", "Alpha: the second", "Mike: the third"));
  EXPECT_EQ(ControlText(dialog, IDT_SELECTION_PROMPT), "Please select a file from the list below:");
  EXPECT_EQ(IsRunningValue(), "yes");
  Photograph(dialog, "selection_dialog");

  ASSERT_TRUE(SelectListBoxItem(dialog, IDL_SELECTION_FILES, 1));
  ASSERT_TRUE(ClickButton(dialog, IDOK));
  const RecorderLog log = WaitForRecorderEntries(LogPath(), 1);
  ASSERT_EQ(log.Starts().size(), 1u);
  EXPECT_TRUE(Names(log.Starts()[0], "show.exe")) << log.Starts()[0].commandLine;
  EXPECT_EQ(CommandTail(log.Starts()[0].commandLine), Quoted("two.vdsel"));
  // Without reselection the first pick closes the list and ends the starter.
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_EQ(IsRunningValue(), "no");
  EXPECT_THAT(OpenedTails(), testing::SizeIs(1));
}

TEST_F(SeveralFiles, ReselectOpensSeveralAndCloseEnds) {
  ASSERT_TRUE(cd_.AddFile("pictures\\top.bmp", GradientBitmap(200, 150)));
  ASSERT_TRUE(WriteAutorun(std::string(kThreeEntries) +
                           "MultiSelectAllowReselect=1\r\nMultiSelectTitle=Pick your films\r\n"
                           "MultiSelectHelp=Choose a film and press Open; Close when done.\r\n"
                           "MultiSelectUseImage=1\r\nMultiSelectImage=pictures\\top.bmp\r\n"
                           "MultiSelectImageLocation=Along the top\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForWindow(*vendisc, "Pick your films", kDialogClass);
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(ControlText(dialog, IDT_SELECTION_PROMPT),
            "Choose a film and press Open; Close when done.");
  const Rect window = WindowRect(dialog);
  EXPECT_EQ(window.Width(), 200 + 2 * ::GetSystemMetrics(SM_CXDLGFRAME));
  EXPECT_EQ(ControlRect(dialog, IDL_SELECTION_FILES).Width(), 190);
  Photograph(dialog, "selection_dialog_picture");

  ASSERT_TRUE(SelectListBoxItem(dialog, IDL_SELECTION_FILES, 0));
  ASSERT_TRUE(ClickButton(dialog, IDOK));
  EXPECT_THAT(WaitForOpened(1), ElementsAre(Quoted("one.vdsel")));
  ASSERT_TRUE(SelectListBoxItem(dialog, IDL_SELECTION_FILES, 2));
  ASSERT_TRUE(ClickButton(dialog, IDOK));
  EXPECT_THAT(WaitForOpened(2), ElementsAre(Quoted("one.vdsel"), Quoted("three.vdsel")));
  EXPECT_TRUE(vendisc->Running());
  EXPECT_TRUE(IsControlEnabled(dialog, IDL_SELECTION_FILES));
  EXPECT_TRUE(IsControlEnabled(dialog, IDOK));
  ASSERT_TRUE(ClickButton(dialog, IDCANCEL));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_THAT(OpenedTails(), testing::SizeIs(2));
}

TEST_F(SeveralFiles, OpenWithNothingSelectedSaysSoAndKeepsTheList) {
  ASSERT_TRUE(WriteAutorun(kThreeEntries));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForSelection(*vendisc);
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(ClickButton(dialog, IDOK));
  auto box = WaitForMessageBox(*vendisc, kTitle);
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Sorry, but no file was selected.");
  EXPECT_THAT(box->buttons, ElementsAre("OK"));
  ASSERT_TRUE(AnswerMessageBox(box->window, IDOK));
  EXPECT_TRUE(::IsWindowVisible(dialog));
  EXPECT_TRUE(IsControlEnabled(dialog, IDOK));
  EXPECT_TRUE(OpenedTails().empty());
  ASSERT_TRUE(PressKey(dialog, VK_ESCAPE));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_TRUE(OpenedTails().empty());
}

TEST_F(SeveralFiles, PropertiesShowTheNameAndTheFullPath) {
  ASSERT_TRUE(WriteAutorun(
      "SingleFile=0\r\nMultiSourceFileCount=2\r\n"
      "MultiSourceFile1=two.vdsel\r\nMultiSourceFileName1=Alpha: the second\r\n"
      "MultiSourceFile2=http://cd.example/more\r\nMultiSourceFileName2=More on the web\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  HWND dialog = WaitForSelection(*vendisc);
  ASSERT_NE(dialog, nullptr);
  struct Row {
    int index;
    std::string name;
    std::string file;
  } rows[] = {{0, "Alpha: the second", cd_.PathOf("two.vdsel")},
              {1, "More on the web", "http://cd.example/more"}};
  for (const Row& row : rows) {
    ASSERT_TRUE(SelectListBoxItem(dialog, IDL_SELECTION_FILES, row.index));
    ASSERT_TRUE(PostCommand(dialog, ID_SELECTION_PROPERTIES));
    HWND properties = WaitForWindow(*vendisc, kPropertiesTitle, kDialogClass);
    ASSERT_NE(properties, nullptr);
    EXPECT_EQ(ControlText(properties, IDE_PROPERTIES_NAME), row.name);
    EXPECT_EQ(ControlText(properties, IDE_PROPERTIES_FILE), row.file);
    if (row.index == 0) Photograph(properties, "selection_properties");
    ASSERT_TRUE(ClickButtonByText(properties, "&Close"));
    ASSERT_TRUE(WaitForWindowGone(properties));
  }
  ASSERT_TRUE(ClickButton(dialog, IDCANCEL));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
}

// ---- Viewer installers ----

class ViewerInstallers : public SeveralFiles {
 protected:
  void SetUp() override {
    SeveralFiles::SetUp();
    ASSERT_TRUE(cd_.AddCopy("setup\\viewer1.exe", RecorderExe()));
    ASSERT_TRUE(cd_.AddCopy("setup\\viewer2.exe", RecorderExe()));
  }
  static std::vector<std::string> Programs(const RecorderLog& log) {
    std::vector<std::string> names;
    for (const auto& e : log.Starts()) {
      if (Names(e, "viewer1.exe"))
        names.push_back("viewer1");
      else if (Names(e, "viewer2.exe"))
        names.push_back("viewer2");
      else
        names.push_back(CommandTail(e.commandLine));
    }
    return names;
  }
  static constexpr const char* kTwoInstallers =
      "InstallerFile=setup\\viewer1.exe\r\nInstallerUserQuery=Install viewer one?\r\n"
      "InstallerFile2=setup\\viewer2.exe\r\nInstallerUserQuery2=Install viewer two?\r\n"
      "QUAVAutorunTimeout=1\r\n";
};

TEST_F(ViewerInstallers, PromptAsksForEachAndRunsOnlyTheAccepted) {
  ASSERT_TRUE(WriteAutorun(std::string(kTwoInstallers) + "InstallerFileOpenOptions=Prompt\r\n"));
  auto vendisc = StartVendisc(300);
  ASSERT_TRUE(vendisc);
  auto first = WaitForMessageBox(*vendisc, kTitle);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->text, "Install viewer one?");
  ASSERT_TRUE(AnswerMessageBox(first->window, IDNO));
  auto second = WaitForMessageBox(*vendisc, kTitle);
  ASSERT_TRUE(second);
  EXPECT_EQ(second->text, "Install viewer two?");
  ASSERT_TRUE(AnswerMessageBox(second->window, IDYES));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  const RecorderLog log = ReadRecorderLog(LogPath());
  EXPECT_THAT(Programs(log), ElementsAre("viewer2", Quoted("one.vdsel")));
  // The starter waited for the installer before opening the file.
  EXPECT_GE(StartOf(log, "one.vdsel"), EndOf(log, "viewer2.exe"));
}

TEST_F(ViewerInstallers, AlwaysRunsThemAllWithoutAsking) {
  ASSERT_TRUE(WriteAutorun(std::string(kTwoInstallers) + "InstallerFileOpenOptions=always\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_THAT(Programs(ReadRecorderLog(LogPath())),
              ElementsAre("viewer1", "viewer2", Quoted("one.vdsel")));
}

TEST_F(ViewerInstallers, NoViewerInstallsWhenTheDocumentCannotOpenAndRetries) {
  ASSERT_TRUE(cd_.AddFile("film.vdview", "a film"));
  ASSERT_TRUE(cd_.AddAutorun(
      "[autorun]\r\nOPEN=Vendisc.exe \"film.vdview\"\r\nInstallerFileOpenOptions=NoViewer\r\n"
      "InstallerFile=setup\\viewer1.exe\r\nInstallerUserQuery=Never asked\r\n"
      "QUAVAutorunTimeout=1\r\n"));
  auto vendisc = StartVendisc(1500);
  ASSERT_TRUE(vendisc);
  // The "installer" registers the viewer while it runs.
  RecorderLog log = WaitForRecorderEntries(LogPath(), 1);
  ASSERT_THAT(Programs(log), ElementsAre("viewer1"));
  RecorderDocumentType viewer(kViewerExtension, RecorderExe());
  ASSERT_TRUE(viewer.ok());
  log = WaitForRecorderEntries(LogPath(), 2);
  EXPECT_THAT(Programs(log), ElementsAre("viewer1", Quoted("film.vdview")));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_EQ(FindWindowOf(vendisc->Pid(), kErrorTitle), nullptr);
}

TEST_F(ViewerInstallers, NoViewerWithAFailingInstallerAnsweredNoShowsTheFirstFailure) {
  ASSERT_TRUE(cd_.AddFile("film.vdview", "a film"));
  ASSERT_TRUE(cd_.AddAutorun(
      "[autorun]\r\nOPEN=Vendisc.exe \"film.vdview\"\r\nInstallerFileOpenOptions=NoViewer\r\n"
      "InstallerFile=setup\\missing.exe\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  auto question = WaitForMessageBox(*vendisc, kTitle);
  ASSERT_TRUE(question);
  EXPECT_THAT(question->text,
              testing::StartsWith("Sorry, but the system failed to install your viewer - error "
                                  "was:\n\n'"));
  EXPECT_THAT(question->text, testing::EndsWith("'\n\nWould you like to continue?"));
  ASSERT_TRUE(AnswerMessageBox(question->window, IDNO));
  HWND error = WaitForWindow(*vendisc, kErrorTitle, kDialogClass);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(ControlText(error, IDE_ERROR_CODE), "31 (0x1F)");
  EXPECT_EQ(ControlText(error, IDE_ERROR_FILE), cd_.PathOf("film.vdview"));
  ASSERT_TRUE(ClickButtonByText(error, "&Close"));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_TRUE(OpenedTails().empty());
}

TEST_F(ViewerInstallers, FailingInstallerAnsweredNoAbortsTheStart) {
  ASSERT_TRUE(
      WriteAutorun("InstallerFileOpenOptions=Always\r\nInstallerFile=setup\\missing.exe\r\n"
                   "InstallerFile2=setup\\viewer2.exe\r\nRunOneAtATime=1\r\n"));
  auto vendisc = StartVendisc();
  ASSERT_TRUE(vendisc);
  auto question = WaitForMessageBox(*vendisc, kTitle);
  ASSERT_TRUE(question);
  EXPECT_THAT(question->text, testing::HasSubstr("missing.exe"));
  EXPECT_EQ(IsRunningValue(), "yes");
  ASSERT_TRUE(AnswerMessageBox(question->window, IDNO));
  EXPECT_EQ(vendisc->WaitForExit(), 0u);
  EXPECT_EQ(IsRunningValue(), "no");
  EXPECT_TRUE(OpenedTails().empty());  // neither the second installer nor the file
}

}  // namespace
}  // namespace e2e
