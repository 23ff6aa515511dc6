// "Select the file(s) to open": one file, or the list the several-files
// wizard builds. Leaving the page checks and saves the choice, and may warn
// about a drive's root folder, offer to copy resource files into a new
// folder and give advice about the file's type.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "common/win32/bold_font.h"
#include "common/win32/data_exchange.h"
#include "wizard/pages/file_to_open_rules.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"

class FileToOpenPage : public WizardPage, private file_page::FilePageUi {
 public:
  // The longest path the file field takes.
  static constexpr int32_t kMaxPathLength = 900;

  FileToOpenPage();

  void OnSetActive() override;
  bool OnKillActive() override;

  // The wizards this page starts, built elsewhere. The several-files wizard
  // answers true when it ended with Finish; the viewer-installer wizard runs
  // over the advice dialog that offers it.
  void SetSeveralFilesWizard(std::function<bool(HWND)> run) { severalFiles_ = std::move(run); }
  void SetViewerWizard(std::function<void(HWND)> run) { viewerWizard_ = std::move(run); }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;
  void ShowCheckedMembers() override;
  bool SaveCheckedMembers() override;

 private:
  std::vector<win32::Binding> Bindings();
  void OneFileChosen();
  void SeveralFilesChosen();
  void Browse();
  void Configure();
  void UpdateEnabling();
  void FillList(int32_t countWhenAbsent);
  bool singleFile() const { return mode_ == 0; }

  void ShowAdvice(const file_page::Advice& advice) override;
  void CopyResourceFiles(const std::string& previousFolder, const std::string& newFolder) override;

  std::string path_;
  int mode_ = 0;  // the radio: 0 one file, 1 several
  std::string previousFolder_;
  std::function<bool(HWND)> severalFiles_;
  std::function<void(HWND)> viewerWizard_;
  win32::BoldFont headingFont_;
  HelpLink helpLink_;
  HelpLink rootLink_;
};
