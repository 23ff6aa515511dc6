#include "wizard/pages/win32/file_to_open_page.h"

#include <commdlg.h>

#include "common/win32/win32_file_system.h"
#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/pages/file_page_texts.h"
#include "wizard/pages/resource_files.h"
#include "wizard/pages/win32/advice_dialog.h"
#include "wizard/pages/win32/copy_resources_page.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/file_dialog.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

FileToOpenPage::FileToOpenPage() : WizardPage(IDD_FILE_TO_OPEN) {}

win32::DispatchTable FileToOpenPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDR_FILE_ONE, &FileToOpenPage::OneFileChosen),
      win32::OnCommand(IDR_FILE_SEVERAL, &FileToOpenPage::SeveralFilesChosen),
      win32::OnCommand(IDB_FILE_BROWSE, &FileToOpenPage::Browse),
      win32::OnCommand(IDB_FILE_CONFIGURE, &FileToOpenPage::Configure),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::ControlBinding> FileToOpenPage::ControlBindings() {
  return {{IDT_FILE_HELP_LINK, &helpLink_}, {IDT_FILE_ROOT_LINK, &rootLink_}};
}

std::vector<win32::Binding> FileToOpenPage::Bindings() {
  return {win32::BindText(IDE_FILE_PATH, &path_, kMaxPathLength),
          win32::BindRadio(IDR_FILE_ONE, IDR_FILE_SEVERAL, &mode_)};
}

void FileToOpenPage::ShowCheckedMembers() {
  const std::vector<win32::Binding> bindings = Bindings();
  win32::ShowBindings(hwnd(), bindings);
}

bool FileToOpenPage::SaveCheckedMembers() {
  const std::vector<win32::Binding> bindings = Bindings();
  return win32::SaveBindings(hwnd(), bindings);
}

bool FileToOpenPage::OnInit() {
  helpLink_.SetTopic(help_topics::kSelectFileToOpen);
  rootLink_.SetTopic(help_topics::kNoCopyToRoot);
  FitWholeRows(Item(IDL_FILE_LIST));
  return true;
}

void FileToOpenPage::OnSetActive() {
  WizardSettings settings(WizardApp::Current().Registry());
  const file_page::PageState state = file_page::LoadPage(settings);
  path_ = state.path;
  previousFolder_ = state.previousFolder;
  mode_ = state.singleFile ? 0 : 1;
  headingFont_.MakeBold(hwnd(), IDT_FILE_PREPARING);
  headingFont_.MakeBold(hwnd(), IDT_FILE_SELECT);
  CopyToControls();
  UpdateEnabling();
  if (::SendDlgItemMessageA(hwnd(), IDL_FILE_LIST, LB_GETCOUNT, 0, 0) <= 0) {
    FillList(file_page::kCountWhenShown);
  }
}

bool FileToOpenPage::OnKillActive() {
  if (!CopyFromControls()) return false;
  WizardSettings settings(WizardApp::Current().Registry());
  Win32FileSystem fs;
  Win32WizardQuestions questions(hwnd());
  const file_page::PageState state{path_, singleFile(), previousFolder_};
  return file_page::LeavePage(state, settings, fs, questions, *this);
}

void FileToOpenPage::OneFileChosen() {
  // The two radios are split by the file field's label, which starts a group
  // of its own, so a click does not clear the other radio by itself.
  ::CheckRadioButton(hwnd(), IDR_FILE_ONE, IDR_FILE_SEVERAL, IDR_FILE_ONE);
  mode_ = 0;
  UpdateEnabling();
}

void FileToOpenPage::SeveralFilesChosen() {
  ::CheckRadioButton(hwnd(), IDR_FILE_ONE, IDR_FILE_SEVERAL, IDR_FILE_SEVERAL);
  mode_ = 1;
  UpdateEnabling();
}

void FileToOpenPage::UpdateEnabling() {
  const file_page::Enabling enabling = file_page::EnablingFor(singleFile());
  for (int id : {IDE_FILE_PATH, IDB_FILE_BROWSE, IDT_FILE_LABEL}) {
    ::EnableWindow(Item(id), enabling.fileSide);
  }
  for (int id : {IDL_FILE_LIST, IDB_FILE_CONFIGURE, IDT_FILE_EXISTING}) {
    ::EnableWindow(Item(id), enabling.listSide);
  }
}

void FileToOpenPage::FillList(int32_t countWhenAbsent) {
  WizardSettings settings(WizardApp::Current().Registry());
  HWND list = Item(IDL_FILE_LIST);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& line : file_page::FileListLines(settings, countWhenAbsent)) {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  }
  FitHorizontalExtent(list);
}

void FileToOpenPage::Browse() {
  Win32FileSystem fs;
  const std::string start = file_page::BrowseStartFile(ItemText(IDE_FILE_PATH), fs);
  OpenFileRequest request;
  request.filter = file_page_texts::kBrowseFilter;
  request.initialFile = start;
  request.initialFolder = CdFolder();
  request.defaultExtension = file_page_texts::kBrowseDefaultExtension;
  const std::optional<std::string> answer = AskOpenFile(hwnd(), request);
  if (!answer) return;
  const std::string& chosen = *answer;
  if (cd_files_window::CheckFileNameLength(hwnd(), chosen)) SetItemText(IDE_FILE_PATH, chosen);
}

void FileToOpenPage::Configure() {
  // Until the several-files wizard is connected there is nothing to run;
  // the list is still read again from the settings.
  if (severalFiles_ && !severalFiles_(hwnd())) return;
  FillList(file_page::kCountAfterConfigure);
}

void FileToOpenPage::ShowAdvice(const file_page::Advice& advice) {
  AdviceDialog dialog(advice);
  dialog.SetConfigureViewer(viewerWizard_);
  dialog.Run(hwnd());
}

void FileToOpenPage::CopyResourceFiles(const std::string& previousFolder,
                                       const std::string& newFolder) {
  CopyResourcesPage page(previousFolder, newFolder);
  OptionFrame frame(help_topics::kCopyResourceFiles);
  frame.SetPage(page, file_page_texts::kCopyOverTitle);
  frame.Run(hwnd());
}
