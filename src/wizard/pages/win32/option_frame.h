// The one-page host of an option dialog: OK, Cancel and, when opened from
// the options page, "&Test Configuration...", sized to the page it holds.
#pragma once

#include <string>

#include "common/win32/bold_font.h"
#include "common/win32/hyperlink_static.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"
#include "wizard/win32/main_commands.h"
#include "wizard/win32/wizard_dialog.h"

class OptionFrame : public WizardDialog {
 public:
  explicit OptionFrame(const std::string& helpTopic);

  // The one page, with the title shown above it (text, or a string-table id).
  void SetPage(WizardPage& page, const std::string& title);
  void SetPage(WizardPage& page, int titleStringId);
  // With a main window the page can be test-run from the frame.
  void SetMain(MainCommands* main) { main_ = main; }
  INT_PTR Run(HWND parent) { return RunModal(parent); }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;
  // Enter inside the page is OK; Esc and the close box cancel at once.
  void Accept() override { Ok(); }

 private:
  void Ok();
  void Test();
  // Cancel saves nothing and asks nothing.
  void CancelPressed() { End(IDCANCEL); }

  WizardPage* page_ = nullptr;
  std::string title_;
  std::string helpTopic_;
  MainCommands* main_ = nullptr;
  win32::BoldFont titleFont_;
  HelpLink helpLink_;
  win32::HyperlinkStatic webLink_;
};
