#include "wizard/pages/win32/several_files_wizard.h"

#include "wizard/help_topics.h"
#include "wizard/pages/several_texts.h"
#include "wizard/pages/win32/file_list_page.h"
#include "wizard/pages/win32/open_mode_page.h"
#include "wizard/pages/win32/several_folder_page.h"
#include "wizard/pages/win32/wizard_frame.h"

bool RunSeveralFilesWizard(HWND owner, MainCommands* main) {
  namespace t = several_texts;
  FolderPage folder;
  FileListPage list;
  list.SetMain(main);
  OpenModePage mode;
  mode.SetMain(main);
  WizardFrame frame;
  frame.SetNested(true);
  frame.AddPage(folder, t::kFolderTitle, help_topics::kMultipleSelectInitial);
  frame.AddPage(list, t::kFileListTitle, help_topics::kMultiFileFurtherFiles);
  frame.AddPage(mode, t::kOpenModeTitle, help_topics::kMultipleHowAreOpened);
  return frame.Run(owner) == IDOK;
}
