#include "wizard/win32/cd_files_window.h"

#include "common/win32/error_keeping_file_system.h"
#include "wizard/cd_files.h"
#include "wizard/cd_files_texts.h"
#include "wizard/help_topics.h"
#include "wizard/pages/win32/cd_problem_page.h"
#include "wizard/pages/win32/file_name_length_page.h"
#include "wizard/pages/win32/option_frame.h"
#include "wizard/pages/win32/please_wait_box.h"
#include "wizard/test_run.h"
#include "wizard/win32/win32_file_copier.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/wizard_settings.h"

namespace {

class Win32CdFilesUi : public CdFilesUi {
 public:
  Win32CdFilesUi(HWND owner, const ErrorKeepingFileSystem& fs) : owner_(owner), fs_(fs) {}
  void ShowProblem(const std::string& text) override {
    CdProblemPage page(text);
    OptionFrame frame(help_topics::kCreatingCdFiles);
    frame.SetPage(page, cd_files_texts::kProblemTitle);
    frame.Run(owner_);
  }
  uint32_t LastError() override { return fs_.lastError(); }

 private:
  HWND owner_;
  const ErrorKeepingFileSystem& fs_;
};

class Win32LengthWarningUi : public LengthWarningUi {
 public:
  explicit Win32LengthWarningUi(HWND owner) : owner_(owner) {}
  LengthWarningAnswer ShowLengthWarning() override {
    FileNameLengthPage page;
    OptionFrame frame(help_topics::kFileNameLength);
    frame.SetPage(page, cd_files_texts::kLengthWarningTitle);
    LengthWarningAnswer answer;
    answer.ok = frame.Run(owner_) == IDOK;
    answer.dontWarnAgain = page.dontWarnAgain();
    return answer;
  }

 private:
  HWND owner_;
};

// The ports of creating the CD files over one window.
struct CdFilesOverWindow {
  explicit CdFilesOverWindow(HWND owner)
      : settings(WizardApp::Current().Registry()), copier(owner), questions(owner), ui(owner, fs) {}
  WizardSettings settings;
  ErrorKeepingFileSystem fs;
  WaitingFileCopier copier;
  Win32WizardQuestions questions;
  Win32CdFilesUi ui;
  CdFiles cdFiles{settings, fs, copier, questions, ui};
};

}  // namespace

namespace cd_files_window {

bool CreateCdFiles(HWND owner, bool askBeforeOverwriting) {
  CdFilesOverWindow window(owner);
  return window.cdFiles.CreateCdFiles(askBeforeOverwriting);
}

bool CheckFileNameLength(HWND owner, const std::string& path) {
  WizardSettings settings(WizardApp::Current().Registry());
  Win32LengthWarningUi ui(owner);
  return ::CheckFileNameLength(settings, path, ui);
}

bool RequireFile(HWND owner, const std::string& path, const std::string& label) {
  CdFilesOverWindow window(owner);
  return window.cdFiles.RequireFile(path, label, false);
}

bool CheckChosenFile(HWND owner, const std::string& path, const std::string& label) {
  CdFilesOverWindow window(owner);
  Win32LengthWarningUi ui(owner);
  return ::CheckChosenFile(window.settings, window.cdFiles, ui, path, label);
}

bool RequirePicture(HWND owner, const std::string& path, const std::string& label) {
  CdFilesOverWindow window(owner);
  return window.cdFiles.RequirePicture(path, label, false);
}

bool CheckChosenPicture(HWND owner, const std::string& path, const std::string& label) {
  CdFilesOverWindow window(owner);
  Win32LengthWarningUi ui(owner);
  return ::CheckChosenPicture(window.settings, window.cdFiles, ui, path, label);
}

}  // namespace cd_files_window
