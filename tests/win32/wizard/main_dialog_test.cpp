// The main window's commands run from a wizard page: what they open is owned
// by the window the author is in, so that everything below stays disabled.
#include "wizard/win32/main_dialog.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/win32/hyperlink_static.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/pages/win32/files_created_page.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;

// Notes who owns each modal window and what it left enabled, then closes it.
class OwnerWatcher : public test_support::ModalWatcher {
 public:
  struct Seen {
    HWND owner;
    bool frameEnabled;
    bool mainEnabled;
  };
  HWND frame = nullptr;
  HWND main = nullptr;
  std::vector<Seen> seen;

 private:
  void Answer(HWND window) override {
    seen.push_back({::GetWindow(window, GW_OWNER), ::IsWindowEnabled(frame) != FALSE,
                    ::IsWindowEnabled(main) != FALSE});
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
    ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  }
};

TEST(MainDialog, WhatAPageOpensIsOwnedByItsFrame) {
  WizardApp app;
  WizardSettings settings(app.Registry());
  test_support::TempFolder cd("owners");
  ASSERT_TRUE(cd.AddAutorun("[autorun]\r\nOPEN=Vendisc.exe \"gone.pdf\"\r\n"));
  const std::vector<const char*> saved = {ws::kAppShowWelcomeDialog, ws::kLastINFFile,
                                          ws::kSourceFile, keys::kSingleFile};
  std::vector<std::string> before;
  for (const char* name : saved) before.push_back(settings.Store().ReadString(name));
  settings.SetFlag(ws::kAppShowWelcomeDialog, false);
  settings.SetText(ws::kLastINFFile, "");

  MainDialog main(app);
  ASSERT_TRUE(main.CreateModeless(nullptr));
  ::Sleep(150);  // past the main window's first tick
  test_support::PumpPending();
  FilesCreatedPage page;
  page.SetMain(&main);
  WizardFrame frame;
  frame.AddPage(page, "Configuration Files Created", "conf_created");
  ASSERT_TRUE(frame.CreateModeless(main.hwnd()));
  ::EnableWindow(main.hwnd(), FALSE);  // as below the modal wizard
  OwnerWatcher watcher;
  watcher.frame = frame.hwnd();
  watcher.main = main.hwnd();
  const auto openFilesLink = [&] {
    ::SendMessageA(::GetDlgItem(page.hwnd(), IDT_CREATED_FILES_LINK), WM_COMMAND,
                   win32::HyperlinkStatic::kOpenCommandParam, 0);
  };

  openFilesLink();  // nothing loaded: a message
  settings.SetText(ws::kLastINFFile, cd.PathOf("autorun.inf"));
  openFilesLink();  // the report
  // A test run whose file to open is missing: the question before creating.
  settings.SetFlag(keys::kSingleFile, true);
  settings.SetText(ws::kSourceFile, cd.PathOf("gone.pdf"));
  ::SendMessageA(page.hwnd(), WM_COMMAND, MAKEWPARAM(IDB_CREATED_TEST, BN_CLICKED), 0);

  ASSERT_EQ(watcher.seen.size(), 3u);
  for (const OwnerWatcher::Seen& seen : watcher.seen) {
    EXPECT_EQ(seen.owner, frame.hwnd());
    EXPECT_FALSE(seen.frameEnabled);
    EXPECT_FALSE(seen.mainEnabled);
  }
  EXPECT_TRUE(::IsWindowEnabled(frame.hwnd()));
  EXPECT_FALSE(::IsWindowEnabled(main.hwnd()));

  for (size_t i = 0; i < saved.size(); ++i) settings.Store().WriteString(saved[i], before[i]);
}

}  // namespace
