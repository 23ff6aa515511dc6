// Base of every page of the two frames: a modeless child dialog that the
// frame asks before it is shown and before it is left.
#pragma once

#include "wizard/win32/main_commands.h"
#include "wizard/win32/wizard_dialog.h"

class WizardPage : public WizardDialog {
 public:
  using WizardDialog::WizardDialog;

  // Called each time the page is about to be shown.
  virtual void OnSetActive() {}
  // Validates and saves before the page is left; false keeps the page (the
  // page has told the author why).
  virtual bool OnKillActive() { return true; }
  // Asked before Finish closes the wizard, and before Cancel does.
  virtual bool OnWizardFinish() { return true; }
  virtual bool OnQueryCancel() { return true; }

  void SetHostedInOptionFrame(bool hosted) { hostedInOptionFrame_ = hosted; }
  bool hostedInOptionFrame() const { return hostedInOptionFrame_; }
  // The main window, for pages that test-run or show the files to copy.
  void SetMain(MainCommands* main) { main_ = main; }

 protected:
  MainCommands* main() const { return main_; }

 private:
  bool hostedInOptionFrame_ = false;
  MainCommands* main_ = nullptr;
};
