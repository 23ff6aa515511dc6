// The options page and the behaviour dialogs on the wizard's own templates
// and the real registry: the table's rows and "Used" cells, row selection,
// the icon switch, and dialogs that save what was typed when OK is pressed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/win32/hyperlink_static.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "temp_folder.h"
#include "window_test_support.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/win32/behaviour_pages.h"
#include "wizard/pages/win32/cd_icon_page.h"
#include "wizard/pages/win32/files_created_page.h"
#include "wizard/pages/win32/installers_page.h"
#include "wizard/pages/win32/license_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/options_page.h"
#include "wizard/pages/win32/viewer_installer_wizard.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/win32/main_dialog.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;

void Press(HWND window, int id) {
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(window, id)));
}

std::string Text(HWND window, int id) {
  char buffer[2048] = {};
  ::GetDlgItemTextA(window, id, buffer, sizeof buffer);
  return buffer;
}

bool Enabled(HWND window, int id) { return ::IsWindowEnabled(::GetDlgItem(window, id)) != FALSE; }

std::string Cell(HWND list, int row, int column) {
  char buffer[512] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = sizeof buffer;
  ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return buffer;
}

void Select(HWND list, int row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// The registry values these tests touch, cleared so each starts fresh.
void ClearOptions(WizardSettings& settings) {
  for (const char* flag :
       {keys::kShowSplashScreen, keys::kWelcomeEnabled, keys::kLicenseAgreementEnabled,
        keys::kShowBackgroundWindow, ws::kSpecifyFileOpenOptions, ws::kForceExecuteOption,
        keys::kUserDefinedErrors, ws::kAutoRunExeNameEnabled, ws::kEnableIcon,
        ws::kDoNotWarnOverwrites, keys::kRunOneAtATime}) {
    settings.SetFlag(flag, false);
  }
  settings.SetText(keys::kWelcomeMessage, "");
  for (const char* text :
       {ws::kLicenseAgreementFile, ws::kLicenseAgreementFileShowEveryTime, keys::InstallerFile(1),
        keys::InstallerFile(2), keys::InstallerUserQuery(2), ws::kSourceFile}) {
    settings.SetText(text, "");
  }
  settings.SetText(keys::kErrorText, "");
  settings.SetText(ws::kInstallerHowToRunNew, "");
  settings.SetNumber(ws::kInstallerHowToRun, -1);
  settings.SetText(keys::InstallerUserQuery(1), "");
}

struct Fixture {
  WizardApp app;
  WizardSettings settings{app.Registry()};
  test_support::TempFolder cd{"options-cd"};
  test_support::TempFolder kit{"options-kit"};
  // The prefix's registry is shared with later tests: what was there comes back.
  std::string sourceFolder = settings.Text(ws::kSourceFolder);
  std::string installPath = settings.Text(ws::kInstallPath);
  Fixture() {
    ClearOptions(settings);
    settings.SetText(ws::kSourceFolder, cd.Path());
    settings.SetText(ws::kInstallPath, kit.Path());
  }
  ~Fixture() {
    ClearOptions(settings);
    settings.SetText(ws::kSourceFolder, sourceFolder);
    settings.SetText(ws::kInstallPath, installPath);
  }
};

TEST(OptionsPage, ShowsTheEightRowsWithTheirUseAndFollowsTheSelection) {
  Fixture f;
  f.settings.SetFlag(keys::kLicenseAgreementEnabled, true);
  f.settings.SetFlag(ws::kEnableIcon, true);
  OptionsPage page;
  OptionFrame frame("conf_additional_options");
  frame.SetPage(page, "Configure Additional Options");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();
  HWND list = ::GetDlgItem(p, IDL_OPTIONS_TABLE);
  const std::vector<std::string> names = {
      "Splash Screen",     "Welcome Screen",  "License Agreement", "Screen Background",
      "Install Viewer(s)", "Force Open With", "Error Message",     "Change file name"};
  ASSERT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 8);
  for (int row = 0; row < 8; ++row) {
    EXPECT_EQ(Cell(list, row, 0), names[row]);
    EXPECT_EQ(Cell(list, row, 1), row == 2 ? "Yes" : "No") << names[row];
  }
  EXPECT_EQ(Cell(list, 7, 2), "Change Vendisc.exe name");
  const DWORD extended =
      static_cast<DWORD>(::SendMessageA(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
  EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP),
            static_cast<DWORD>(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP));
  EXPECT_FALSE(Enabled(p, IDB_OPTIONS_CONFIGURE));
  EXPECT_EQ(Text(p, IDT_OPTIONS_SUMMARY), options_texts::kNoOptionSummary);
  EXPECT_EQ(::IsDlgButtonChecked(p, IDX_OPTIONS_ICON), BST_CHECKED);
  EXPECT_TRUE(Enabled(p, IDB_OPTIONS_ICON));
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "options-page");
  EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());

  Select(list, 4);
  EXPECT_TRUE(Enabled(p, IDB_OPTIONS_CONFIGURE));
  EXPECT_EQ(Text(p, IDT_OPTIONS_SUMMARY),
            "Get the software to install up to 3 viewers on the machine.");
  // Unticking the icon switch disables its button at once.
  ::CheckDlgButton(p, IDX_OPTIONS_ICON, BST_UNCHECKED);
  Press(p, IDX_OPTIONS_ICON);
  EXPECT_FALSE(Enabled(p, IDB_OPTIONS_ICON));
  // Installers turned on elsewhere show the next time the page is shown.
  f.settings.SetFlag(ws::kSpecifyFileOpenOptions, true);
  page.OnSetActive();
  EXPECT_EQ(Cell(list, 4, 1), "Yes");
  EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 8);
  Press(frame.hwnd(), IDB_OPTION_CANCEL);
}

TEST(LicensePage, OkWritesTheAgreementAndItsBackup) {
  Fixture f;
  LicensePage page;
  OptionFrame frame("license_agreement");
  frame.SetPage(page, "Configure a License Agreement");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();
  EXPECT_EQ(Text(p, IDE_LICENSE_FILE), "euagl_cd_license.txt");
  EXPECT_EQ(Text(p, IDC_LICENSE_SHOW), "Yes");
  EXPECT_FALSE(Enabled(p, IDE_LICENSE_TEXT));
  ::CheckDlgButton(p, IDX_LICENSE_ENABLE, BST_CHECKED);
  Press(p, IDX_LICENSE_ENABLE);
  EXPECT_TRUE(Enabled(p, IDE_LICENSE_TEXT));
  ::SetDlgItemTextA(p, IDE_LICENSE_FILE, "terms.txt");
  ::SendDlgItemMessageA(p, IDC_LICENSE_SHOW, CB_SETCURSEL, 1, 0);
  ::SetDlgItemTextA(p, IDE_LICENSE_TEXT, "You agree.\r\nReally.");
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "license-dialog");
  test_support::MessageBoxWatcher unexpected("ZoruZaz AZ");
  Press(frame.hwnd(), IDB_OPTION_OK);
  EXPECT_EQ(unexpected.Text(), "");
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_TRUE(f.settings.Flag(keys::kLicenseAgreementEnabled));
  EXPECT_EQ(f.settings.Text(ws::kLicenseAgreementFile), "terms.txt");
  EXPECT_EQ(f.settings.Text(ws::kLicenseAgreementFileShowEveryTime), "No");
  EXPECT_EQ(f.cd.ReadText("terms.txt"), "You agree.\r\nReally.");
  EXPECT_EQ(f.kit.ReadText("BackupLicenseAgreement.txt"), "You agree.\r\nReally.");
  EXPECT_FALSE(f.cd.Exists("terms.txt.tmp"));

  // Opened again, the dialog reads the text back from the CD folder.
  LicensePage again;
  OptionFrame second("license_agreement");
  second.SetPage(again, "Configure a License Agreement");
  ASSERT_TRUE(second.CreateModeless(nullptr));
  EXPECT_EQ(Text(again.hwnd(), IDE_LICENSE_TEXT), "You agree.\r\nReally.\r\n");
  Press(second.hwnd(), IDB_OPTION_CANCEL);
}

TEST(ErrorMessagePage, OkStoresTheLinesJoinedAndTheLinkCompleted) {
  Fixture f;
  ErrorMessagePage page;
  OptionFrame frame("error_message");
  frame.SetPage(page, "Configure Error Messages");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();
  EXPECT_FALSE(Enabled(p, IDE_ERROR_URL));
  ::CheckDlgButton(p, IDX_ERROR_ENABLE, BST_CHECKED);
  Press(p, IDX_ERROR_ENABLE);
  EXPECT_TRUE(Enabled(p, IDE_ERROR_URL));
  ::SetDlgItemTextA(p, IDE_ERROR_TEXT, "It failed.\r\nCall us.");
  ::SetDlgItemTextA(p, IDE_ERROR_URL, "http://help.example");
  ::SetDlgItemTextA(p, IDE_ERROR_URL_TITLE, "");
  test_support::SaveScreenshotIfAsked(frame.hwnd(), "error-dialog");
  test_support::MessageBoxWatcher told("ZoruZaz AZ");
  Press(frame.hwnd(), IDB_OPTION_OK);
  EXPECT_EQ(told.Text(), options_texts::kUrlTitleUpdated);
  EXPECT_TRUE(f.settings.Flag(keys::kUserDefinedErrors));
  EXPECT_EQ(f.settings.Text(keys::kErrorText), "It failed.<br>Call us.");
  EXPECT_EQ(f.settings.Text(keys::kErrorContactURLTitle), "http://help.example");
}

void Choose(HWND page, int combo, const char* item) {
  ::SendDlgItemMessageA(page, combo, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                        reinterpret_cast<LPARAM>(item));
  ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(combo, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(::GetDlgItem(page, combo)));
}

TEST(InstallersPage, ChoosingASlotFillsItsPromptAndOkSavesTheSlots) {
  Fixture f;
  f.cd.AddFile("setup.exe", "MZ");
  f.cd.AddFile("viewer.msi", "msi");
  f.settings.SetNumber(ws::kInstallerHowToRun, 2);  // an older wizard's "Always"
  InstallersPage page;
  OptionFrame frame("autorun_installers");
  frame.SetPage(page, "Configure up to 3 installers");
  ASSERT_TRUE(frame.CreateModeless(nullptr));
  HWND p = page.hwnd();
  EXPECT_EQ(::SendDlgItemMessageA(p, IDC_INSTALLERS_FILE1, CB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(Text(p, IDC_INSTALLERS_FILE2), "<Ignore>");
  EXPECT_EQ(Text(p, IDC_INSTALLERS_MODE), "Run Installers always before opening file(s)");
  EXPECT_FALSE(Enabled(p, IDC_INSTALLERS_FILE2));
  ::CheckDlgButton(p, IDX_INSTALLERS_ENABLE, BST_CHECKED);
  Press(p, IDX_INSTALLERS_ENABLE);
  EXPECT_TRUE(Enabled(p, IDC_INSTALLERS_FILE2));
  EXPECT_FALSE(Enabled(p, IDC_INSTALLERS_MODE));  // no installer chosen yet
  Choose(p, IDC_INSTALLERS_FILE2, "viewer.msi");
  EXPECT_TRUE(Enabled(p, IDC_INSTALLERS_MODE));
  EXPECT_FALSE(Enabled(p, IDE_INSTALLERS_PROMPT2));  // prompts only in Prompt mode
  Choose(p, IDC_INSTALLERS_MODE, options_texts::kModePrompt);
  EXPECT_TRUE(Enabled(p, IDE_INSTALLERS_PROMPT2));
  EXPECT_FALSE(Enabled(p, IDE_INSTALLERS_PROMPT1));
  EXPECT_EQ(Text(p, IDE_INSTALLERS_PROMPT2), options_texts::kDefaultInstallerPrompt);
  test_support::MessageBoxWatcher unexpected("ZoruZaz AZ");
  Press(frame.hwnd(), IDB_OPTION_OK);
  EXPECT_EQ(unexpected.Text(), "");
  EXPECT_FALSE(::IsWindow(frame.hwnd()));
  EXPECT_TRUE(f.settings.Flag(ws::kSpecifyFileOpenOptions));
  EXPECT_EQ(f.settings.Text(keys::InstallerFile(1)), "");
  EXPECT_EQ(f.settings.Text(keys::InstallerFile(2)), "viewer.msi");
  EXPECT_EQ(f.settings.Text(keys::InstallerUserQuery(2)), options_texts::kDefaultInstallerPrompt);
  EXPECT_EQ(f.settings.Text(ws::kInstallerHowToRunNew), "Prompt");
  EXPECT_EQ(f.settings.ReadNumber(ws::kInstallerHowToRun, 5), -1);
}

// Every other dialog and the viewer-installer wizard's pages open on their
// templates with their titles; looked at by eye through the screenshots.
TEST(OptionDialogs, EveryDialogOpensOnItsTemplate) {
  Fixture f;
  f.cd.AddFile("setup.exe", "MZ");
  f.cd.AddFile("disc.ico", "icon");
  f.settings.SetFlag(ws::kSpecifyFileOpenOptions, true);
  f.settings.SetText(keys::InstallerFile(1), "setup.exe");
  f.settings.SetText(ws::kSourceFile, "show.ppt");
  ForceOpenPage force;
  StarterNamePage starter;
  CdIconPage icon;
  InstallersPage installers;
  struct Entry {
    WizardPage* page;
    const char* title;
    const char* shot;
  };
  const Entry entries[] = {
      {&force, "Force Windows to open file with application", "force-open-dialog"},
      {&starter, "Change the name of the Vendisc.exe file", "starter-name-dialog"},
      {&icon, "Change the Icon on the CD", "cd-icon-dialog"},
      {&installers, "Configure up to 3 installers", "installers-dialog"},
  };
  for (const Entry& entry : entries) {
    OptionFrame frame("help");
    frame.SetPage(*entry.page, entry.title);
    ASSERT_TRUE(frame.CreateModeless(nullptr)) << entry.title;
    EXPECT_EQ(Text(frame.hwnd(), IDT_OPTION_TITLE), entry.title);
    test_support::SaveScreenshotIfAsked(frame.hwnd(), entry.shot);
    EXPECT_THAT(test_support::ClippedControls(frame.hwnd()), ::testing::IsEmpty());
    Press(frame.hwnd(), IDB_OPTION_CANCEL);
  }
  ViewerSelectPage select;
  ViewerSpecifyPage specify(viewer_installer::ForSlot(1));
  ViewerCompletedPage completed;
  WizardFrame wizard;
  wizard.AddPage(select, "Selecting an Installer", "installer_select");
  wizard.AddPage(specify, "Specifying an Installer", "installer_specify");
  wizard.AddPage(completed, "Completed", "installer_completed");
  ASSERT_TRUE(wizard.CreateModeless(nullptr));
  EXPECT_TRUE(Enabled(select.hwnd(), IDB_VIEWER_DOWNLOAD));
  test_support::SaveScreenshotIfAsked(wizard.hwnd(), "viewer-wizard-1");
  Press(wizard.hwnd(), IDB_FRAME_NEXT);
  test_support::SaveScreenshotIfAsked(wizard.hwnd(), "viewer-wizard-2");
  ::SetDlgItemTextA(specify.hwnd(), IDE_VIEWER_INSTALLER, f.cd.PathOf("setup.exe").c_str());
  Press(wizard.hwnd(), IDB_FRAME_NEXT);
  EXPECT_EQ(wizard.currentIndex(), 2);
  test_support::SaveScreenshotIfAsked(wizard.hwnd(), "viewer-wizard-3");
  // The installer was already the CD folder's own: nothing copied, the slot saved.
  EXPECT_EQ(f.settings.Text(keys::InstallerFile(1)), "setup.exe");
  EXPECT_EQ(f.settings.Text(ws::kInstallerHowToRunNew), "Prompt");
  EXPECT_EQ(f.settings.Text(keys::InstallerUserQuery(1)), options_texts::kDefaultInstallerPrompt);
  Press(wizard.hwnd(), IDB_FRAME_CANCEL);
}

// For each modal window: whether the frame owns it (and so is disabled below it).
struct OwnerWatcher : test_support::ModalWatcher {
  HWND frame = nullptr;
  std::vector<bool> seen;
  void Answer(HWND window) override {
    seen.push_back(::GetWindow(window, GW_OWNER) == frame);
    for (int id : {IDNO, IDOK}) ::PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }
};

// The files link's message (nothing loaded) and a test run's question (the
// file to open is missing) belong to the wizard, not to the main window below.
TEST(MainDialog, WhatAPageOpensIsOwnedByItsFrame) {
  Fixture f;
  f.settings.SetFlag(ws::kAppShowWelcomeDialog, false);
  f.settings.SetText(ws::kLastINFFile, "");
  f.settings.SetFlag(keys::kSingleFile, true);
  f.settings.SetText(ws::kSourceFile, f.cd.PathOf("gone.pdf"));
  MainDialog main(f.app);
  ASSERT_TRUE(main.CreateModeless(nullptr));
  FilesCreatedPage page;
  page.SetMain(&main);
  WizardFrame frame;
  frame.AddPage(page, "Configuration Files Created", "conf_created");
  ASSERT_TRUE(frame.CreateModeless(main.hwnd()));
  ::EnableWindow(main.hwnd(), FALSE);  // as below the modal wizard
  OwnerWatcher watcher;
  watcher.frame = frame.hwnd();
  ::SendMessageA(::GetDlgItem(page.hwnd(), IDT_CREATED_FILES_LINK), WM_COMMAND,
                 win32::HyperlinkStatic::kOpenCommandParam, 0);
  Press(page.hwnd(), IDB_CREATED_TEST);
  EXPECT_EQ(watcher.seen, (std::vector<bool>{true, true}));
  EXPECT_TRUE(::IsWindowEnabled(frame.hwnd()));
  EXPECT_FALSE(::IsWindowEnabled(main.hwnd()));
}

}  // namespace
