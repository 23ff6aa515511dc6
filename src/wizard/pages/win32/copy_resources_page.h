// The copy-over step, a page of an option frame: the resource files of the
// configuration found in the previous source folder, ticked, to be copied
// into the new one when the frame's OK is pressed.
#pragma once

#include <string>
#include <vector>

#include "wizard/pages/resource_files.h"
#include "wizard/pages/win32/wizard_page.h"

class CopyResourcesPage : public WizardPage {
 public:
  CopyResourcesPage(std::string previousFolder, std::string newFolder);

  // Lists the files; with none to list the frame closes at once, cancelled.
  void OnSetActive() override;
  // Copies the ticked files; false (the frame stays) when a failed copy was cancelled.
  bool OnKillActive() override;

  const std::vector<resource_files::ResourceFile>& files() const { return files_; }

 protected:
  bool OnInit() override;

 private:
  std::string previousFolder_;
  std::string newFolder_;
  std::vector<resource_files::ResourceFile> files_;
};
