// The multi-page wizard host: one page at a time, with Previous, Next,
// Finish and Cancel, a step counter, the page's title and its help link.
#pragma once

#include <string>
#include <vector>

#include "common/win32/bold_font.h"
#include "wizard/pages/win32/wizard_page.h"
#include "wizard/win32/help_link.h"
#include "wizard/win32/wizard_dialog.h"

class WizardFrame : public WizardDialog {
 public:
  WizardFrame();

  // Pages are added before the frame is shown. The frame does not own them:
  // the caller keeps them alive while the frame runs.
  void AddPage(WizardPage& page, const std::string& title, const std::string& helpTopic);
  // The several-files wizard opens offset from the wizard under it.
  void SetNested(bool nested) { nested_ = nested; }
  // IDOK when closed by Finish, IDCANCEL by Cancel.
  INT_PTR Run(HWND parent) { return RunModal(parent); }

  int currentIndex() const { return index_; }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;
  // Enter inside a page moves on; Esc and the close box cancel.
  void Accept() override { Next(); }
  void Cancel() override;

 private:
  struct Entry {
    WizardPage* page;
    std::string title;
    std::string helpTopic;
  };

  void Next();
  void Previous();
  void Finish();
  void MoveTo(int index);
  void ShowCurrent();
  void UpdateFrame();
  INT_PTR OnDrawItem(WPARAM, LPARAM lParam);

  std::vector<Entry> entries_;
  int index_ = 0;
  bool nested_ = false;
  win32::BoldFont titleFont_;
  HelpLink helpLink_;
};

// Moves `page` over the page area control `areaId` of `frame` (inside the
// area's border, or over all of it), on top of its siblings, shows it and
// gives it the focus (or the frame's button `fallbackFocusId` when the page
// has nothing to focus).
void ShowPageInArea(HWND frame, int areaId, HWND page, int fallbackFocusId, bool insideBorder);
