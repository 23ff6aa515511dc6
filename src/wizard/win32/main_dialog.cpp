#include "wizard/win32/main_dialog.h"

#include <commdlg.h>

#include <vector>

#include "common/file_path.h"
#include "common/product.h"
#include "common/shell_opener.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_opener_ui.h"
#include "common/win32/win32_shell_port.h"
#include "resource.h"
#include "wizard/configuration_loader.h"
#include "wizard/help_topics.h"
#include "wizard/main_window.h"
#include "wizard/open_value.h"
#include "wizard/pages/win32/file_to_open_page.h"
#include "wizard/pages/win32/files_created_page.h"
#include "wizard/pages/win32/files_to_copy_page.h"
#include "wizard/pages/win32/introduction_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/options_page.h"
#include "wizard/pages/win32/several_files_wizard.h"
#include "wizard/pages/win32/viewer_installer_wizard.h"
#include "wizard/pages/win32/welcome_page.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/test_run.h"
#include "wizard/win32/about_dialog.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/file_dialog.h"
#include "wizard/win32/win32_test_run_ui.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"
#include "wizard/wizard_values.h"

namespace {
namespace ws = wizard_settings;
constexpr UINT_PTR kFirstTick = 0;
constexpr UINT kFirstTickMs = 100;

HICON LoadAppIcon(int size) {
  return static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr),
                                         MAKEINTRESOURCEA(IDI_DISCWRIGHT), IMAGE_ICON, size, size,
                                         LR_DEFAULTCOLOR));
}
}  // namespace

MainDialog::MainDialog(WizardApp& app)
    : WizardDialog(IDD_MAIN),
      app_(app),
      icon_(LoadAppIcon(::GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadAppIcon(::GetSystemMetrics(SM_CXSMICON))) {}

MainDialog::~MainDialog() {
  if (icon_) ::DestroyIcon(icon_);
  if (smallIcon_) ::DestroyIcon(smallIcon_);
}

win32::DispatchTable MainDialog::Table() const {
  static const win32::MessageEntry messages[] = {
      win32::OnMessage(WM_TIMER, &MainDialog::OnTimer),
      win32::OnMessage(WM_SYSCOMMAND, &MainDialog::OnSysCommand),
      win32::OnMessage(WM_PAINT, &MainDialog::OnPaint),
      win32::OnMessage(WM_QUERYDRAGICON, &MainDialog::OnQueryDragIcon),
      win32::OnMessage(WM_DRAWITEM, &MainDialog::OnDrawItem),
  };
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_MAIN_WIZARD, &MainDialog::RunConfigurationWizard),
      win32::OnCommand(IDB_MAIN_NEW, &MainDialog::NewConfiguration),
      win32::OnCommand(IDB_MAIN_OPEN, &MainDialog::OpenExisting),
      win32::OnCommand(IDB_MAIN_RECREATE, &MainDialog::RecreateConfiguration),
      win32::OnCommand(IDB_MAIN_TEST, &MainDialog::TestPressed),
      win32::OnCommand(IDB_MAIN_HELP_HOME, &MainDialog::ShowHelpHome),
      win32::OnCommand(IDB_MAIN_SUPPORT, &MainDialog::ShowSupport),
      win32::OnCommand(IDB_MAIN_CLOSE, &MainDialog::AskToExit),
  };
  return {messages, commands, {}, BaseTable()};
}

std::vector<win32::TextBinding> MainDialog::TextBindings() {
  return {{IDE_MAIN_LAST_SAVED, &shownPath_}};
}

std::vector<win32::ControlBinding> MainDialog::ControlBindings() {
  return {{IDT_MAIN_FILES_LINK, &filesLink_},
          {IDT_MAIN_NEW_LINK, &newLink_},
          {IDT_MAIN_NOT_OPENING_LINK, &notOpeningLink_},
          {IDT_MAIN_WEB_LINK, &webLink_}};
}

bool MainDialog::OnInit() {
  app_.SetMainWindow(hwnd());
  if (HMENU system = ::GetSystemMenu(hwnd(), FALSE)) {
    ::AppendMenuA(system, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(system, MF_STRING, IDM_ABOUT, "&About Discwright...");
  }
  ::SendMessageA(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  ::SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
  headingFont_.MakeBold(hwnd(), IDT_MAIN_HEADING);
  headingFont_.MakeBold(hwnd(), IDT_MAIN_HELP_HEADING);
  webLink_.SetTarget(product::kWebSite);
  const SIZE client = ClientSize();
  RECT close{};
  ::GetWindowRect(Item(IDB_MAIN_CLOSE), &close);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&close), 2);
  MoveItem(IDT_MAIN_SEPARATOR, 5, close.top - 6, client.cx - 10, 2);
  ::SetTimer(hwnd(), kFirstTick, kFirstTickMs, nullptr);
  filesLink_.SetAction([this] { ShowFilesToCopy(hwnd()); });
  UpdateTitle();
  newLink_.SetTopic(help_topics::kNewToAutorun);
  notOpeningLink_.SetTopic(help_topics::kCdNotOpen);
  RECT wizard{};
  ::GetWindowRect(Item(IDB_MAIN_WIZARD), &wizard);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&wizard), 2);
  MoveItem(IDT_MAIN_STRIP, 0, 0, wizard.left - 10, close.top - 8);
  return true;
}

INT_PTR MainDialog::OnTimer(WPARAM id, LPARAM) {
  if (id != kFirstTick) return FALSE;
  ::KillTimer(hwnd(), kFirstTick);
  {
    WizardSettings settings(app_.Registry());
    configPath_ = settings.Text(ws::kLastINFFile);
  }
  RefreshFromLastConfig();
  CopyToControls();
  bool show = false;
  std::string last;
  {
    WizardSettings settings(app_.Registry());
    show = settings.Flag(ws::kAppShowWelcomeDialog);
    last = settings.Text(ws::kLastINFFile);
  }
  if (!show) return TRUE;
  WelcomePage page(last);
  WizardFrame frame;
  frame.AddPage(page, wizard_texts::kWelcomeFrameTitle, help_topics::kHome);
  const INT_PTR result = frame.Run(hwnd());
  if (result == IDOK && page.choice() == WelcomePage::Choice::kCreate) RunConfigurationWizard();
  WizardSettings settings(app_.Registry());
  settings.SetFlag(ws::kAppShowWelcomeDialog, page.showOnStartup());
  return TRUE;
}

void MainDialog::RunConfigurationWizard() {
  INT_PTR result = IDCANCEL;
  {
    IntroductionPage introduction;
    FileToOpenPage fileToOpen;
    fileToOpen.SetMain(this);
    fileToOpen.SetSeveralFilesWizard(
        [this](HWND owner) { return RunSeveralFilesWizard(owner, this); });
    fileToOpen.SetViewerWizard([](HWND owner) { RunViewerInstallerWizard(owner, 1); });
    FilesCreatedPage created;
    created.SetMain(this);
    OptionsPage options;
    options.SetMain(this);
    WizardFrame frame;
    frame.AddPage(introduction, wizard_texts::kIntroductionTitle, help_topics::kNewToAutorun);
    frame.AddPage(fileToOpen, wizard_texts::kSelectFileTitle, help_topics::kSelectFileToOpen);
    frame.AddPage(options, wizard_texts::kAdditionalOptionsTitle,
                  help_topics::kConfAdditionalOptions);
    frame.AddPage(created, wizard_texts::kFilesCreatedTitle, help_topics::kConfCreated);
    result = frame.Run(hwnd());
  }
  TakeLastInfFile();
  CopyToControls();
  RefreshFromLastConfig();
  WizardSettings settings(app_.Registry());
  if (main_window::OfferTestAfterWizard(result == IDOK, settings) &&
      Win32WizardQuestions(hwnd()).AskYesNo(wizard_texts::kTestQuestion)) {
    TestConfiguration(hwnd());
  }
}

void MainDialog::TakeLastInfFile() {
  WizardSettings settings(app_.Registry());
  configPath_ = FilePath(settings.Text(ws::kLastINFFile)).FullPath();
}

void MainDialog::RefreshFromLastConfig() {
  Win32FileSystem fs;
  Win32WizardQuestions questions(hwnd());
  WizardSettings settings(app_.Registry());
  const main_window::Display display =
      main_window::RefreshFromLastConfig(configPath_, fs, settings, questions);
  if (!configPath_.empty()) shownPath_ = display.shownPath;
  UpdateTitle();
  CopyToControls();
}

void MainDialog::UpdateTitle() {
  ::SetWindowTextA(hwnd(), main_window::WindowTitle(configPath_).c_str());
  SetItemText(IDT_MAIN_PRODUCT, product::kName);
  SetItemText(IDT_MAIN_VERSION, main_window::VersionText());
  const bool loaded = !configPath_.empty();
  ::EnableWindow(Item(IDB_MAIN_TEST), loaded);
  ::EnableWindow(Item(IDB_MAIN_RECREATE), loaded);
}

void MainDialog::NewConfiguration() {
  Win32WizardQuestions questions(hwnd());
  {
    WizardSettings settings(app_.Registry());
    if (!main_window::StartNewConfiguration(settings, questions)) return;
  }
  configPath_.clear();
  shownPath_.clear();
  CopyToControls();
  UpdateTitle();
  RunConfigurationWizard();
}

void MainDialog::OpenExisting() {
  CopyFromControls();
  OpenFileRequest request;
  request.filter = wizard_texts::kAutorunFilesFilter;
  request.initialFile = main_window::InitialOpenFile(configPath_);
  request.initialFolder = CdFolder();
  request.defaultExtension = wizard_texts::kAutorunFilesExtension;
  const std::optional<std::string> answer = AskOpenFile(hwnd(), request);
  if (!answer) return;
  const std::string& chosen = *answer;
  if (chosen.empty()) {
    CopyToControls();
    return;
  }
  if (!IsAutorunFilePath(chosen)) {
    Win32WizardQuestions(hwnd()).ShowMessage(wizard_texts::kOnlyAutorunFiles);
    return;
  }
  configPath_ = chosen;
  RefreshFromLastConfig();
  LoadConfiguration();
  CopyToControls();
}

void MainDialog::LoadConfiguration() {
  Win32FileSystem fs;
  Win32WizardQuestions questions(hwnd());
  WizardSettings settings(app_.Registry());
  ::LoadConfiguration(configPath_, fs, settings, questions);
}

void MainDialog::RecreateConfiguration() {
  bool ask = true;
  {
    WizardSettings settings(app_.Registry());
    ask = !settings.Flag(ws::kDoNotWarnOverwrites);
  }
  cd_files_window::CreateCdFiles(hwnd(), ask);
}

void MainDialog::TestConfiguration(HWND owner) {
  const HWND author = AuthorWindow(owner);
  WizardSettings settings(app_.Registry());
  Win32FileSystem fs;
  Win32WizardQuestions questions(author);
  Win32ShellPort shell;
  Win32OpenerUi openerUi;
  ShellOpener opener(shell, openerUi, fs, OpenerWording::kWizard);
  Win32TestRunUi ui(author, Item(IDB_MAIN_TEST), this);
  ::TestConfiguration(settings, fs, app_.Registry(), questions, opener, ui);
}

void MainDialog::ShowFilesToCopy(HWND owner) {
  const HWND author = AuthorWindow(owner);
  CopyFromControls();
  TakeLastInfFile();
  CopyToControls();
  if (configPath_.empty()) {
    Win32WizardQuestions(author).ShowMessage(wizard_texts::kNothingLoaded);
    return;
  }
  WizardSettings settings(app_.Registry());
  FilesToCopyPage page(configPath_, settings);
  OptionFrame frame(help_topics::kConfigBurnCd);
  frame.SetPage(page, wizard_texts::kFilesToCopyTitle);
  frame.Run(author);
}

HWND MainDialog::AuthorWindow(HWND owner) const {
  const HWND top = owner != nullptr ? ::GetAncestor(owner, GA_ROOT) : nullptr;
  return top != nullptr ? top : hwnd();
}

void MainDialog::AskToExit() {
  if (Win32WizardQuestions(hwnd()).AskYesNo(wizard_texts::kExitQuestion)) End(IDOK);
}

void MainDialog::ShowSupport() { app_.ShowHelpTopic(help_topics::kSupport, hwnd()); }

INT_PTR MainDialog::OnSysCommand(WPARAM wParam, LPARAM) {
  if ((wParam & 0xFFF0) == IDM_ABOUT) {
    AboutDialog about;
    about.RunModal(hwnd());
    return TRUE;
  }
  PassOn();
  return FALSE;
}

INT_PTR MainDialog::OnPaint(WPARAM, LPARAM) {
  if (!::IsIconic(hwnd())) {
    PassOn();
    return FALSE;
  }
  PAINTSTRUCT paint;
  HDC dc = ::BeginPaint(hwnd(), &paint);
  ::SendMessageA(hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  RECT client{};
  ::GetClientRect(hwnd(), &client);
  const int x = (client.right - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
  const int y = (client.bottom - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
  ::DrawIcon(dc, x, y, icon_);
  ::EndPaint(hwnd(), &paint);
  return TRUE;
}

INT_PTR MainDialog::OnQueryDragIcon(WPARAM, LPARAM) { return reinterpret_cast<INT_PTR>(icon_); }

INT_PTR MainDialog::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->CtlID != IDT_MAIN_STRIP) {
    PassOn();
    return FALSE;
  }
  PaintStrip(*item);
  return TRUE;
}
