// Creating the CD files when the disk or the registry says no, played by the
// real Discwright.exe: each failure ends with its own text, and the old
// autorun.inf, the old starter and the settings are left as they were.
#include <aclapi.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "common/text.h"
#include "config/autorun_writer.h"
#include "registry_snapshot.h"
#include "wine_unix.h"
#include "wizard/cd_files_texts.h"
#include "wizard/pages/options_texts.h"
#include "wizard/res/resource.h"
#include "wizard/win32/multiline_text.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"
#include "wizard_document_scenario.h"
#include "wizard_scenario.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
namespace cdt = cd_files_texts;
namespace ws = wizard_settings;

constexpr const char* kOldAutorun =
    "[autorun]\r\n; the author's own\r\nOPEN=Vendisc.exe \"doc.vdscn\"\r\n";
constexpr const char* kOldStarter = "an older starter";
constexpr const char* kNoProblemPage = "(no problem page)";

constexpr const char* kUnresetValues[] = {
    ws::kQueriedFileOverwrite, ws::kDoNotWarnOverwrites, ws::kLastINFFile, ws::kSourceFolder,
    ws::kAppShowWelcomeDialog, ws::kTestedConfig,        ws::kRegTest,     "SourceFile"};

std::string CopyText(const char* format, const std::string& from, const std::string& to,
                     uint32_t code) {
  const std::string error = text::Format(cdt::kErrorCodeFormat, static_cast<int>(code));
  return ForMultilineEdit(text::Format(format, from.c_str(), to.c_str(), error.c_str()));
}

std::string CreateText(const std::string& path, uint32_t code) {
  const std::string error = text::Format(cdt::kErrorCodeFormat, static_cast<int>(code));
  return ForMultilineEdit(text::Format(cdt::kCreateFailedFormat, path.c_str(), error.c_str()));
}

// A file as it is now; what its size says (a device reads as empty).
std::string WholeFile(const std::string& path) {
  HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "(no file)";
  std::string contents(::GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  ::ReadFile(file, contents.data(), static_cast<DWORD>(contents.size()), &read, nullptr);
  ::CloseHandle(file);
  contents.resize(read);
  return contents;
}

// Every file of a folder (not below it), name -> contents.
std::map<std::string, std::string> FolderFiles(const CdFolder& folder) {
  std::map<std::string, std::string> files;
  WIN32_FIND_DATAA found{};
  HANDLE find = ::FindFirstFileA(folder.PathOf("*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return files;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      files[found.cFileName] = WholeFile(folder.PathOf(found.cFileName));
  } while (::FindNextFileA(find, &found));
  ::FindClose(find);
  return files;
}

// While it lives, nobody may set a value in or create a key below the
// wizard's key (wineserver checks the key's access list as Windows does).
class WizardKeyWritesDenied {
 public:
  WizardKeyWritesDenied() {
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWizardKey, 0, READ_CONTROL | WRITE_DAC, &key_) !=
        ERROR_SUCCESS)
      return;
    PACL original = nullptr;
    if (::GetSecurityInfo(key_, SE_REGISTRY_KEY, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                          &original, nullptr, &saved_) != ERROR_SUCCESS)
      return;
    original_ = original;
    char everyone[] = "EVERYONE";
    EXPLICIT_ACCESSA entries[2] = {};
    entries[0].grfAccessPermissions = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;
    entries[0].grfAccessMode = DENY_ACCESS;
    entries[1].grfAccessPermissions = KEY_ALL_ACCESS;
    entries[1].grfAccessMode = GRANT_ACCESS;
    for (auto& entry : entries) {
      entry.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
      entry.Trustee.ptstrName = everyone;
    }
    PACL denying = nullptr;
    if (::SetEntriesInAclA(2, entries, nullptr, &denying) != ERROR_SUCCESS) return;
    ok_ = ::SetSecurityInfo(key_, SE_REGISTRY_KEY,
                            DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                            nullptr, nullptr, denying, nullptr) == ERROR_SUCCESS;
    ::LocalFree(denying);
  }
  WizardKeyWritesDenied(const WizardKeyWritesDenied&) = delete;
  WizardKeyWritesDenied& operator=(const WizardKeyWritesDenied&) = delete;
  ~WizardKeyWritesDenied() {
    if (ok_)
      ::SetSecurityInfo(key_, SE_REGISTRY_KEY,
                        DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                        nullptr, original_, nullptr);
    if (saved_) ::LocalFree(saved_);
    if (key_) ::RegCloseKey(key_);
  }
  // True when the denial is in place and a write is indeed refused.
  bool ok() const {
    HKEY probe = nullptr;
    const bool refused = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWizardKey, 0, KEY_SET_VALUE,
                                         &probe) == ERROR_ACCESS_DENIED;
    if (probe) ::RegCloseKey(probe);
    return ok_ && refused;
  }

 private:
  HKEY key_ = nullptr;
  PSECURITY_DESCRIPTOR saved_ = nullptr;
  PACL original_ = nullptr;
  bool ok_ = false;
};

class WizardFaults : public WizardDocumentScenario {
 protected:
  std::span<const char* const> UnresetValues() const override { return kUnresetValues; }

  void SetUp() override {
    WizardDocumentScenario::SetUp();
    ASSERT_TRUE(cd_.AddAutorun(kOldAutorun));
    // No questions: the author told the wizard long ago not to ask.
    for (const auto& [name, value] : std::vector<std::pair<std::string, std::string>>{
             {"SourceFile", cd_.PathOf(kDocument)},
             {ws::kSourceFolder, Folder()},
             {ws::kLastINFFile, cd_.PathOf("autorun.inf")},
             {ws::kAppShowWelcomeDialog, "no"},
             {ws::kQueriedFileOverwrite, "yes"},
             {ws::kDoNotWarnOverwrites, "yes"}})
      ASSERT_TRUE(SetWizardValue(name, value));
  }

  // Discwright at its main window with the configuration loaded.
  HWND StartAtMainWindow() {
    discwright_ = StartDiscwright();
    if (!discwright_) return nullptr;
    HWND main = WaitForMainWindow(*discwright_);
    if (!main || !WaitUntil([&] { return IsControlEnabled(main, IDB_MAIN_RECREATE); }, 5s))
      return nullptr;
    return main;
  }

  // "Recreate Config.": the problem page's text, the page closed again.
  std::string RecreateProblem(HWND main, Ms wait = 10s) const {
    if (!ClickButton(main, IDB_MAIN_RECREATE)) return "(not clicked)";
    HWND frame = WaitForOptionFrame(*discwright_, cdt::kProblemTitle, wait);
    if (!frame) return kNoProblemPage;
    const std::string shown = ControlText(PageHolding(frame, IDE_PROBLEM_TEXT), IDE_PROBLEM_TEXT);
    if (!ClickButton(frame, IDB_OPTION_OK) || !WaitForWindowGone(frame)) return "(not closed)";
    return shown;
  }

  void Exit(HWND main) {
    ASSERT_TRUE(PostClose(main));
    AnswerWizard(*discwright_, wizard_texts::kExitQuestion, IDYES);
    EXPECT_TRUE(discwright_->WaitForExit(5s).has_value());
  }

  std::string Installed() const { return KitFolder() + "\\Vendisc.exe"; }
  std::string Starter() const { return cd_.PathOf("Vendisc.exe"); }
  std::string Autorun() const { return cd_.PathOf("autorun.inf"); }

  std::optional<Process> discwright_;
};

// Undoes a fault when it goes.
using Undo = std::shared_ptr<void>;
struct Undoing {
  std::function<void()> undo;
  ~Undoing() { undo(); }
};
Undo Attribute(const std::string& path) {
  if (!::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY)) return nullptr;
  return std::make_shared<Undoing>(
      [path] { ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL); });
}
Undo Refused(const std::string& path) {
  auto refused = std::make_shared<WritesRefused>(path);
  return refused->ok() ? refused : nullptr;
}
Undo FullDisk(const std::string& path) {
  auto link = std::make_shared<FullDiskLink>(path);
  return link->ok() ? link : nullptr;
}

struct FileFault {
  const char* name;
  std::function<Undo(const std::string& folder, const std::string& starter,
                     const std::string& autorun)>
      inflict;
  // The problem page's text, from the starter's source and target and autorun.inf's path.
  std::function<std::string(const std::string& from, const std::string& to,
                            const std::string& autorun)>
      text;
  // Whether the starter is copied before the failure (autorun.inf fails).
  bool starterReplaced;
};

const FileFault kFileFaults[] = {
    {"read-only folder", [](auto& folder, auto&, auto&) { return Refused(folder); },
     [](auto& from, auto& to, auto&) { return CopyText(cdt::kCopyOtherFormat, from, to, 5); },
     false},
    {"read-only starter", [](auto&, auto& starter, auto&) { return Attribute(starter); },
     [](auto& from, auto& to, auto&) { return CopyText(cdt::kCopyOtherFormat, from, to, 5); },
     false},
    {"unwritable starter, no attribute",
     [](auto&, auto& starter, auto&) { return Refused(starter); },
     [](auto& from, auto& to, auto&) { return CopyText(cdt::kCopyOtherFormat, from, to, 5); },
     false},
    {"full disk, starter",
     [](auto&, auto& starter, auto&) { return FullDisk(starter + kAutorunTempSuffix); },
     [](auto& from, auto& to, auto&) { return CopyText(cdt::kCopyDiskFullFormat, from, to, 112); },
     false},
    {"read-only autorun.inf", [](auto&, auto&, auto& autorun) { return Attribute(autorun); },
     [](auto&, auto&, auto& autorun) { return CreateText(autorun, 5); }, true},
    {"full disk, autorun.inf",
     [](auto&, auto&, auto& autorun) { return FullDisk(autorun + kAutorunTempSuffix); },
     [](auto&, auto&, auto& autorun) { return CreateText(autorun, 112); }, true},
};

// Each refusal of the disk ends on the problem page with its text; the old
// files, the settings and the folder's list of files stay as they were. A
// source folder on a drive that does not exist is told first as a missing
// file, then as a failed copy.
TEST_F(WizardFaults, DiskRefusalsShowTheirTextAndLoseNothing) {
  HWND main = StartAtMainWindow();
  ASSERT_NE(main, nullptr);
  const std::string installed = WholeFile(Installed());
  ASSERT_GT(installed.size(), 1000u);

  for (const FileFault& fault : kFileFaults) {
    SCOPED_TRACE(fault.name);
    ASSERT_TRUE(cd_.AddFile("Vendisc.exe", kOldStarter));
    ASSERT_TRUE(cd_.AddAutorun(kOldAutorun));
    auto files = FolderFiles(cd_);
    const RegistryState registry = TakeRegistrySnapshot();
    std::string shown;
    {
      Undo undo = fault.inflict(cd_.Path(), Starter(), Autorun());
      // The Unix-side tricks need a file system and rights that a machine
      // may lack; the rows made with Windows' own attribute always run.
      if (!undo) {
        std::printf("[wizard faults] %s: cannot be made on this machine, not run\n", fault.name);
        continue;
      }
      shown = RecreateProblem(main);
    }
    EXPECT_EQ(shown, fault.text(Installed(), Starter(), Autorun()));
    if (fault.starterReplaced) files["Vendisc.exe"] = installed;
    // A link to the full device may outlive the copy (Wine cannot delete it);
    // a real temporary is removed.
    auto now = FolderFiles(cd_);
    std::erase_if(now, [&](auto& file) {
      return file.first.ends_with(kAutorunTempSuffix) && file.second.empty();
    });
    EXPECT_EQ(now, files);
    EXPECT_TRUE(
        RegistryChanges(registry, TakeRegistrySnapshot(), [](auto&) { return false; }).empty());
  }

  // A drive letter the prefix does not map.
  std::string drive;
  for (char letter = 'Q'; letter <= 'Y' && drive.empty(); ++letter) {
    if (::GetDriveTypeA((std::string(1, letter) + ":\\").c_str()) == DRIVE_NO_ROOT_DIR)
      drive = std::string(1, letter) + ":";
  }
  ASSERT_FALSE(drive.empty());
  const std::string gone = drive + "\\cd";
  ASSERT_TRUE(SetWizardValue("SourceFile", gone + "\\" + kDocument));
  ASSERT_TRUE(SetWizardValue(ws::kSourceFolder, gone + "\\"));
  // The code the system gives for a file there, whichever it is (2 or 3).
  ASSERT_FALSE(::CopyFileA(Installed().c_str(), (gone + "\\x.tmp~").c_str(), FALSE));
  const uint32_t code = ::GetLastError();
  EXPECT_TRUE(code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) << code;
  const auto files = FolderFiles(cd_);
  const RegistryState registry = TakeRegistrySnapshot();
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_RECREATE));
  AnswerWizard(*discwright_,
               cdt::RequiredFileMissing(cdt::kAutorunFile, gone + "\\" + kDocument) +
                   cdt::kContinueDetecting,
               IDYES);
  HWND frame = WaitForOptionFrame(*discwright_, cdt::kProblemTitle);
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(ControlText(PageHolding(frame, IDE_PROBLEM_TEXT), IDE_PROBLEM_TEXT),
            CopyText(cdt::kCopyOtherFormat, Installed(), gone + "\\Vendisc.exe", code));
  ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
  ASSERT_TRUE(WaitForWindowGone(frame));
  EXPECT_EQ(FolderFiles(cd_), files);
  EXPECT_TRUE(
      RegistryChanges(registry, TakeRegistrySnapshot(), [](auto&) { return false; }).empty());
  Exit(main);
}

// A starter still running from the CD folder (an author's test) keeps its
// file: the "in use" text with code 32, and once it has ended the files are
// made. Then a registry the wizard may not write: the introduction page's
// message, even with the test value of an earlier run still there, and
// nothing written.
TEST_F(WizardFaults, RunningStarterAndUnwritableRegistryAreTold) {
  ASSERT_TRUE(cd_.AddCopy("Vendisc.exe", Installed()));
  ASSERT_TRUE(
      cd_.AddAutorun(std::string(kOldAutorun) + "WelcomeEnabled=1\r\nWelcomeTitle=Old\r\n"));
  auto starter = Process::Start(Starter(), std::string("\"") + kDocument + "\"", cd_.Path(),
                                {{"RECORDER_LOG", LogPath()}});
  ASSERT_TRUE(starter);
  HWND welcome = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    const auto windows = TopLevelWindows(starter->Pid());
    welcome = windows.empty() ? nullptr : windows.front();
    return welcome != nullptr;
  }));
  HWND main = StartAtMainWindow();
  ASSERT_NE(main, nullptr);
  const auto files = FolderFiles(cd_);
  const RegistryState registry = TakeRegistrySnapshot();
  EXPECT_EQ(RecreateProblem(main), CopyText(cdt::kCopyInUseFormat, Installed(), Starter(), 32));
  EXPECT_EQ(FolderFiles(cd_), files);
  EXPECT_TRUE(
      RegistryChanges(registry, TakeRegistrySnapshot(), [](auto&) { return false; }).empty());

  ASSERT_TRUE(PressKey(welcome, VK_ESCAPE));
  ASSERT_TRUE(starter->WaitForExit(10s).has_value()) << "the starter did not end";
  EXPECT_EQ(RecreateProblem(main, 2s), kNoProblemPage);
  const std::string expected = ExpectedAutorun();
  EXPECT_TRUE(WaitUntil([&] { return cd_.ReadText("autorun.inf") == expected; }, 5s))
      << cd_.ReadText("autorun.inf");
  EXPECT_EQ(WholeFile(Starter()), WholeFile(Installed()));
  EXPECT_FALSE(cd_.Exists(std::string("Vendisc.exe") + kAutorunTempSuffix));

  // The registry.
  ASSERT_TRUE(SetWizardValue(ws::kRegTest, wizard_texts::kRegTestValue));
  ASSERT_TRUE(SetWizardValue(ws::kTestedConfig, "yes"));
  const RegistryState before = TakeRegistrySnapshot();
  {
    WizardKeyWritesDenied denied;
    ASSERT_TRUE(denied.ok());
    ASSERT_TRUE(ClickButton(main, IDB_MAIN_WIZARD));
    AnswerWizard(*discwright_, wizard_texts::kRegistryNotWritable, IDOK);
    HWND wizard = WaitForFrame(*discwright_, wizard_texts::kIntroductionTitle);
    ASSERT_NE(wizard, nullptr);
    ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_CANCEL));
    ASSERT_TRUE(WaitForWindowGone(wizard));
    EXPECT_FALSE(WaitForWizardMessage(*discwright_, 1s));
  }
  EXPECT_TRUE(RegistryChanges(before, TakeRegistrySnapshot(), [](auto&) { return false; }).empty());
  EXPECT_EQ(WizardValue(ws::kTestedConfig), "yes");
  Exit(main);
}

// A standard user, who may write neither the kit's key nor its folder: the
// whole wizard still makes the CD, reading what the installer and an
// administrator stored and keeping its own values and the licence text in the
// user's own places; the CD's one-at-a-time guard works; nothing else changes.
TEST_F(WizardFaults, StandardUserMakesACdThatGuardsItsStart) {
  char appData[MAX_PATH] = {};
  ASSERT_EQ(::SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, 0, appData), S_OK);
  const std::string userFolder = std::string(appData) + "\\QUAV\\ZoruZaz AZ";
  const std::string backup = userFolder + "\\BackupLicenseAgreement.txt";
  ASSERT_TRUE(SetWizardValue("RunOneAtATime", "yes"));  // an administrator's
  const RegistryState before = TakeRegistrySnapshot();
  Undoing restore{[&] {
    RestoreValues(before, TakeRegistrySnapshot());
    RemoveNewKeys(before, TakeRegistrySnapshot());
    ::DeleteFileA(backup.c_str());
    ::RemoveDirectoryA(userFolder.c_str());
    ::RemoveDirectoryA((std::string(appData) + "\\QUAV").c_str());
  }};
  WizardKeyWritesDenied denied;
  ASSERT_TRUE(denied.ok());
  const Undo kitRefused = Refused(KitFolder());
  ASSERT_TRUE(kitRefused);

  HWND main = StartAtMainWindow();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(ClickButton(main, IDB_MAIN_WIZARD));
  HWND wizard = WaitForFrame(*discwright_, wizard_texts::kIntroductionTitle);
  ASSERT_NE(wizard, nullptr);
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  ASSERT_NE(WaitForFrame(*discwright_, wizard_texts::kSelectFileTitle), nullptr);
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  AnswerWizard(*discwright_, options_texts::kRunOneAtATimeUpgraded, IDOK);
  HWND options = PageHolding(wizard, IDL_OPTIONS_TABLE);
  ASSERT_TRUE(SelectListViewRow(options, IDL_OPTIONS_TABLE, 2));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(options, IDB_OPTIONS_CONFIGURE); }, 3s));
  ASSERT_TRUE(ClickButton(options, IDB_OPTIONS_CONFIGURE));
  HWND frame = WaitForOptionFrame(*discwright_, options_texts::kLicenseTitle);
  HWND licence = PageHolding(frame, IDE_LICENSE_TEXT);
  ASSERT_NE(licence, nullptr);
  ASSERT_TRUE(ClickButton(licence, IDX_LICENSE_ENABLE));
  ASSERT_TRUE(WaitUntil([&] { return IsControlEnabled(licence, IDE_LICENSE_TEXT); }, 3s));
  ASSERT_TRUE(SetControlText(licence, IDE_LICENSE_TEXT, "Terms"));
  ASSERT_TRUE(ClickButton(frame, IDB_OPTION_OK));
  ASSERT_TRUE(WaitForWindowGone(frame));
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_NEXT));
  ASSERT_NE(WaitForFrame(*discwright_, wizard_texts::kFilesCreatedTitle), nullptr)
      << ControlText(wizard, IDT_FRAME_TITLE);
  ASSERT_TRUE(ClickButton(wizard, IDB_FRAME_FINISH));
  AnswerWizard(*discwright_, wizard_texts::kTestQuestion, IDNO);
  Exit(main);
  const std::string autorun = cd_.ReadText("autorun.inf");
  EXPECT_EQ(autorun, ExpectedAutorun());
  EXPECT_THAT(autorun, testing::HasSubstr("RunOneAtATime=1\r\n"));
  EXPECT_EQ(cd_.ReadText("euagl_cd_license.txt"), "Terms");
  EXPECT_EQ(WholeFile(backup), "Terms");

  // The CD played: while the first copy lingers, a second one asks.
  auto first = Process::Start(Starter(), std::string("\"") + kDocument + "\"", cd_.Path(),
                              {{"RECORDER_LOG", LogPath()}});
  ASSERT_TRUE(first);
  HWND agreement = WaitForWindow(*first, kLicenceTitle, kDialogClass);
  ASSERT_TRUE(agreement && ClickButton(agreement, IDOK));
  ASSERT_EQ(WaitForRecorderEntries(LogPath(), 1).Starts().size(), 1u);
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, kStarterKey, "IsRunning"), "yes");
  auto second = Process::Start(Starter(), std::string("\"") + kDocument + "\"", cd_.Path(), {});
  ASSERT_TRUE(second);
  auto question = WaitForMessageBox(*second, kStarterTitle);
  ASSERT_TRUE(question);
  EXPECT_THAT(question->text, testing::StartsWith("A copy of this CD is already being opened"));
  ASSERT_TRUE(AnswerMessageBox(question->window, IDNO));
  EXPECT_EQ(second->WaitForExit(5s), 0u);
  EXPECT_EQ(first->WaitForExit(15s), 0u);
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, kStarterKey, "IsRunning"), "no");

  // Everything the two programs stored is in the user's own key.
  EXPECT_EQ(ReadRegistryText(HKEY_CURRENT_USER, kWizardKey, ws::kLastINFFile), Autorun());
  EXPECT_THAT(RegistryChanges(before, TakeRegistrySnapshot(),
                              [](const std::string& id) {
                                return id.rfind("hkcu\\software\\quav\\zoruzazaz", 0) == 0;
                              }),
              testing::IsEmpty());
}

}  // namespace
}  // namespace e2e
