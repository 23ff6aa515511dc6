#include "wizard/pages/win32/viewer_installer_wizard.h"

#include "common/shell_opener.h"
#include "common/win32/app_message.h"
#include "common/win32/win32_file_system.h"
#include "common/win32/win32_opener_ui.h"
#include "common/win32/win32_shell_port.h"
#include "config/autorun_keys.h"
#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/pages/options_texts.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/pages/win32/please_wait_box.h"
#include "wizard/pages/win32/wizard_frame.h"
#include "wizard/win32/file_dialog.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {
constexpr const char* kLocateTitle = "Locate Installer";
constexpr const char* kInstallerFilter =
    "Installer Files (*.exe)|*.exe|Microsoft Installers (*.msi)|*.msi|";
}  // namespace

ViewerSelectPage::ViewerSelectPage() : WizardPage(IDD_VIEWER_SELECT) {}

win32::DispatchTable ViewerSelectPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_VIEWER_DOWNLOAD, &ViewerSelectPage::Download),
  };
  return {{}, commands, {}, BaseTable()};
}

void ViewerSelectPage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  const viewer_installer::Advice advice =
      viewer_installer::AdviceFor(settings.Text(wizard_settings::kSourceFile));
  SetItemText(IDT_VIEWER_ADVICE, advice.text);
  ::EnableWindow(Item(IDB_VIEWER_DOWNLOAD), advice.canDownload ? TRUE : FALSE);
}

void ViewerSelectPage::Download() {
  Win32ShellPort shell;
  Win32OpenerUi ui;
  Win32FileSystem fs;
  ShellOpener opener(shell, ui, fs, OpenerWording::kWizard);
  if (!opener.BrowseTo(viewer_installer::DownloadAddress())) {
    win32::ShowAppMessage(hwnd(), opener.BrowseFailureText());
  }
}

ViewerSpecifyPage::ViewerSpecifyPage(viewer_installer::Slot slot)
    : WizardPage(IDD_VIEWER_SPECIFY), slot_(slot) {}

win32::DispatchTable ViewerSpecifyPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_VIEWER_BROWSE, &ViewerSpecifyPage::Browse),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::TextBinding> ViewerSpecifyPage::TextBindings() {
  return {{IDE_VIEWER_INSTALLER, &installer_}};
}

void ViewerSpecifyPage::Browse() {
  const std::optional<std::string> chosen = AskOpenFile(hwnd(), {.filter = kInstallerFilter,
                                                                 .initialFile = {},
                                                                 .initialFolder = CdFolder(),
                                                                 .defaultExtension = "*.*",
                                                                 .title = kLocateTitle});
  if (chosen && !chosen->empty()) SetItemText(IDE_VIEWER_INSTALLER, *chosen);
}

bool ViewerSpecifyPage::OnKillActive() {
  CopyFromControls();
  Win32FileSystem fs;
  WaitingFileCopier copier(hwnd());
  Win32OptionQuestions questions(hwnd());
  WizardSettings settings(WizardApp::Current().Registry());
  return viewer_installer::LeaveSpecify(installer_, slot_, settings, fs, copier, questions);
}

ViewerCompletedPage::ViewerCompletedPage() : WizardPage(IDD_VIEWER_COMPLETED) {}

bool RunViewerInstallerWizard(HWND owner, int slot) {
  namespace tx = options_texts;
  ViewerSelectPage select;
  ViewerSpecifyPage specify(viewer_installer::ForSlot(slot));
  ViewerCompletedPage completed;
  WizardFrame frame;
  frame.AddPage(select, tx::kInstallerSelectTitle, help_topics::kInstallerSelect);
  frame.AddPage(specify, tx::kInstallerSpecifyTitle, help_topics::kInstallerSpecify);
  frame.AddPage(completed, tx::kInstallerCompletedTitle, help_topics::kInstallerCompleted);
  return frame.Run(owner) == IDOK;
}
