// Base of every window of the wizard: F1 and the Help command open the help
// home page, wherever the focus is. The left picture strip's painting lives
// here too, shared by the main window and the wizard frame.
#pragma once

#include "common/win32/dialog.h"

class WizardDialog : public win32::Dialog {
 public:
  using Dialog::Dialog;

 protected:
  // Derived tables point here as their base.
  static const win32::DispatchTable* BaseTable();
  win32::DispatchTable Table() const override;

  INT_PTR OnHelpRequest(WPARAM, LPARAM);
  void ShowHelpHome();
};

// Paints the owner-drawn picture strip down a window's left edge.
void PaintStrip(const DRAWITEMSTRUCT& item);
