#include "wizard/win32/wizard_dialog.h"

#include "common/win32/handles.h"
#include "wizard/help_topics.h"
#include "wizard/win32/wizard_app.h"

const win32::DispatchTable* WizardDialog::BaseTable() {
  static const win32::MessageEntry messages[] = {
      win32::OnMessage(WM_HELP, &WizardDialog::OnHelpRequest),
  };
  // A Help button with the standard help command asks the same.
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDHELP, &WizardDialog::ShowHelpHome),
  };
  static const win32::DispatchTable table{messages, commands};
  return &table;
}

win32::DispatchTable WizardDialog::Table() const { return *BaseTable(); }

INT_PTR WizardDialog::OnHelpRequest(WPARAM, LPARAM) {
  ShowHelpHome();
  return TRUE;
}

void WizardDialog::ShowHelpHome() {
  WizardApp::Current().ShowHelpTopic(help_topics::kHome, hwnd());
}

void PaintStrip(const DRAWITEMSTRUCT& item) {
  // A deep blue fading to a lighter one from top to bottom, in bands.
  const RECT& r = item.rcItem;
  const int height = r.bottom - r.top;
  constexpr int kBands = 32;
  for (int band = 0; band < kBands; ++band) {
    RECT part = r;
    part.top = r.top + height * band / kBands;
    part.bottom = r.top + height * (band + 1) / kBands;
    const int shade = band * 96 / kBands;
    win32::BrushHandle brush(::CreateSolidBrush(RGB(16 + shade / 2, 48 + shade, 128 + shade)));
    ::FillRect(item.hDC, &part, brush.get());
  }
}
