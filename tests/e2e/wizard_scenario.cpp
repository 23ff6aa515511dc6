#include "wizard_scenario.h"

#include <shlwapi.h>

#include "common/win32/win32_registry_backend.h"
#include "config/autorun_writer.h"
#include "recorder_log.h"
#include "wizard/res/resource.h"
#include "wizard/wizard_settings.h"

namespace e2e {

namespace {

constexpr const char* kHtmlKey = "Software\\Classes\\.html";
constexpr const char* kTestHtmlType = "DiscwrightTestHtmlFile";
// File dialog name boxes: the explorer style's combo box, the old style's edit.
constexpr int kFileNameCombo = 0x47c;
constexpr int kFileNameEdit = 0x480;

std::string ReadDefault(const std::string& subKey) {
  char buffer[512] = {};
  DWORD size = sizeof buffer - 1;
  if (::SHGetValueA(HKEY_LOCAL_MACHINE, subKey.c_str(), nullptr, nullptr, buffer, &size) !=
      ERROR_SUCCESS)
    return "";
  return buffer;
}

bool WriteDefault(const std::string& subKey, const std::string& value) {
  return ::SHSetValueA(HKEY_LOCAL_MACHINE, subKey.c_str(), nullptr, REG_SZ, value.c_str(),
                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

struct FindPage {
  int id;
  HWND found;
};

BOOL CALLBACK FindPageProc(HWND window, LPARAM param) {
  auto* find = reinterpret_cast<FindPage*>(param);
  if (ClassName(window) == kDialogClass && ::IsWindowVisible(window) &&
      ::GetDlgItem(window, find->id)) {
    find->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string WizardValue(const std::string& name) {
  char buffer[2048] = {};
  DWORD size = sizeof buffer - 1;
  if (::SHGetValueA(HKEY_LOCAL_MACHINE, kWizardKey, name.c_str(), nullptr, buffer, &size) !=
      ERROR_SUCCESS)
    return kNoValue;
  return buffer;
}

bool SetWizardValue(const std::string& name, const std::string& value) {
  return ::SHSetValueA(HKEY_LOCAL_MACHINE, kWizardKey, name.c_str(), REG_SZ, value.c_str(),
                       static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

void DeleteWizardValue(const std::string& name) {
  ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kWizardKey, name.c_str());
}

bool InstallKit() {
  return SetWizardValue("InstallPath", KitFolder()) && SetWizardValue("HelpFolder", HelpFolder());
}

HtmlOpensRecorder::HtmlOpensRecorder(const std::string& recorderExe) {
  HKEY existing = nullptr;
  hadType_ = ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kHtmlKey, 0, KEY_READ, &existing) == ERROR_SUCCESS;
  if (existing) ::RegCloseKey(existing);
  previousType_ = ReadDefault(kHtmlKey);
  // A run that was killed leaves our type in place: the prefix's own is "htmlfile".
  if (previousType_ == kTestHtmlType) previousType_ = "htmlfile";
  const std::string typeKey = std::string("Software\\Classes\\") + kTestHtmlType;
  ok_ = WriteDefault(typeKey + "\\shell\\open\\command", "\"" + recorderExe + "\" \"%1\"") &&
        WriteDefault(kHtmlKey, kTestHtmlType);
}

HtmlOpensRecorder::~HtmlOpensRecorder() {
  if (!hadType_)
    ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, kHtmlKey);
  else if (previousType_.empty())
    ::SHDeleteValueA(HKEY_LOCAL_MACHINE, kHtmlKey, nullptr);
  else
    WriteDefault(kHtmlKey, previousType_);
  ::SHDeleteKeyA(HKEY_LOCAL_MACHINE, (std::string("Software\\Classes\\") + kTestHtmlType).c_str());
}

HWND FindMainWindow(DWORD pid) {
  for (HWND window : TopLevelWindows(pid)) {
    if (ClassName(window) == kDialogClass && Control(window, IDB_MAIN_CLOSE) &&
        WindowText(window).rfind(kWizardTitle, 0) == 0)
      return window;
  }
  return nullptr;
}

HWND WaitForMainWindow(const Process& process, Ms timeout) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindMainWindow(process.Pid())) != nullptr; }, timeout);
  return found;
}

std::optional<MessageBoxSeen> WaitForWizardMessage(const Process& process, Ms timeout) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(process.Pid())) {
          if (ClassName(window) == kDialogClass && WindowText(window) == kWizardTitle &&
              Control(window, kMessageBoxTextId) && !Control(window, IDB_MAIN_CLOSE)) {
            box = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  if (!box) return std::nullopt;
  MessageBoxSeen seen{box, MessageBoxText(box), {}};
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == "Button" && ::IsWindowVisible(child))
      seen.buttons.push_back(WindowText(child));
  }
  return seen;
}

HWND WaitForFrame(const Process& process, const std::string& titleLine, Ms timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(process.Pid())) {
          if (ClassName(window) == kDialogClass && Control(window, IDB_FRAME_NEXT) &&
              ControlText(window, IDT_FRAME_TITLE) == titleLine) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

HWND PageHolding(HWND frame, int id) {
  FindPage find{id, nullptr};
  if (frame) ::EnumChildWindows(frame, FindPageProc, reinterpret_cast<LPARAM>(&find));
  return find.found;
}

bool ChooseFile(HWND fileDialog, const std::string& path) {
  bool typed = false;
  for (int id : {kFileNameCombo, kFileNameEdit}) {
    if (Control(fileDialog, id) && ::IsWindowVisible(Control(fileDialog, id)))
      typed = SetControlText(fileDialog, id, path) || typed;
  }
  return typed && PostCommand(fileDialog, IDOK);
}

bool StaysAway(const std::function<HWND()>& found, Ms wait) {
  return !WaitUntil([&] { return found() != nullptr; }, wait);
}

void WizardScenario::SetUpTestSuite() {
  html_ = std::make_unique<HtmlOpensRecorder>(WindowsPath(E2E_RECORDER_EXE));
}

void WizardScenario::TearDownTestSuite() { html_.reset(); }

void WizardScenario::SetUp() {
  // A Discwright left by a test that crashed would take every later start
  // for a second copy.
  EndProcessesNamed("Discwright.exe");
  ASSERT_TRUE(html_ && html_->ok());
  ASSERT_TRUE(cd_.ok());
  ASSERT_TRUE(InstallKit());
  ClearWizardValues();
}

void WizardScenario::ClearWizardValues() {
  for (const char* name : {"LastINFFile", "AppShowWelcomeDialog", "TestedConfig", "RegTest",
                           "SourceFile", "SourceFolder", "AutoRunExeName", "AutoRunExeNameEnabled",
                           "WelcomeEnabled", "WelcomeTitle", "DoNotWarnOverwrites"})
    DeleteWizardValue(name);
}

std::optional<Process> WizardScenario::StartDiscwright() const {
  return Process::Start(DiscwrightExe(), "", cd_.Path(), {{"RECORDER_LOG", LogPath()}});
}

std::vector<std::string> WizardScenario::WaitForHelpPages(size_t count) const {
  std::vector<std::string> pages;
  for (const auto& entry : WaitForRecorderEntries(LogPath(), count).Starts())
    pages.push_back(CommandTail(entry.commandLine));
  return pages;
}

std::string ExpectedAutorun() {
  Win32RegistryBackend backend;
  WizardSettings settings(backend);
  return BuildAutorunText(settings);
}

HWND WaitForOptionFrame(const Process& process, const std::string& title, Ms timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(process.Pid())) {
          if (ClassName(window) == kDialogClass && Control(window, IDB_OPTION_OK) &&
              !Control(window, IDB_FRAME_NEXT) && ControlText(window, IDT_OPTION_TITLE) == title) {
            found = window;
            return true;
          }
        }
        return false;
      },
      timeout);
  return found;
}

void AnswerWizard(const Process& discwright, const std::string& text, int button) {
  auto box = WaitForWizardMessage(discwright);
  ASSERT_TRUE(box) << "no box for: " << text;
  EXPECT_EQ(box->text, text);
  const std::vector<std::string> buttons =
      button == IDOK ? std::vector<std::string>{"OK"} : std::vector<std::string>{"&Yes", "&No"};
  EXPECT_EQ(box->buttons, buttons);
  ASSERT_TRUE(AnswerMessageBox(box->window, button));
}

}  // namespace e2e
