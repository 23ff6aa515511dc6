#include "wizard/pages/win32/image_chooser.h"

#include "common/win32/win32_file_system.h"
#include "wizard/help_topics.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/pages/win32/image_chooser_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/win32_folder_lister.h"
#include "wizard/win32/win32_file_copier.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

bool ChooseImage(HWND owner, ImageChoice& choice) {
  WizardSettings settings(WizardApp::Current().Registry());
  Win32FolderLister lister;
  Win32FileSystem fs;
  Win32FileCopier copier;
  // The page works on a copy: Cancel leaves the caller's image as it was.
  ImageChoice working = choice;
  ImageChooserPage page(working, settings, lister, fs, copier);
  OptionFrame frame(help_topics::kSelectImage);
  frame.SetPage(page, image_chooser_texts::kTitle);
  if (frame.Run(owner) != IDOK) return false;
  choice.image = working.image;
  return true;
}
