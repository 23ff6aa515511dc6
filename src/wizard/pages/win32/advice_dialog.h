// Advice about the file chosen to open or its folder: a bold title, the
// text, "Do not show this dialog box in future", and for file types the
// offer to configure a viewer installer.
#pragma once

#include <functional>

#include "common/win32/bold_font.h"
#include "common/win32/hyperlink_static.h"
#include "wizard/pages/file_to_open_rules.h"
#include "wizard/win32/wizard_dialog.h"

class AdviceDialog : public WizardDialog {
 public:
  explicit AdviceDialog(file_page::Advice advice);

  // What "Configure Viewer ..." runs, over this dialog (which stays open).
  void SetConfigureViewer(std::function<void(HWND)> run) { configureViewer_ = std::move(run); }
  INT_PTR Run(HWND parent) { return RunModal(parent); }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;
  // "Close", Esc and the close box each keep the author's choice of seeing
  // this advice again.
  void Accept() override { Close(IDOK); }
  void Cancel() override { Close(IDCANCEL); }

 private:
  void Close(int result);
  void ConfigureViewer();

  file_page::Advice advice_;
  std::function<void(HWND)> configureViewer_;
  win32::BoldFont titleFont_;
  win32::HyperlinkStatic emailLink_;
};
