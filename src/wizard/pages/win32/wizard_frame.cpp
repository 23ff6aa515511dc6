#include "wizard/pages/win32/wizard_frame.h"

#include <commctrl.h>

#include "resource.h"
#include "wizard/pages/frame_rules.h"

WizardFrame::WizardFrame() : WizardDialog(IDD_WIZARD_FRAME) {}

void WizardFrame::AddPage(WizardPage& page, const std::string& title,
                          const std::string& helpTopic) {
  entries_.push_back({&page, title, helpTopic});
}

win32::DispatchTable WizardFrame::Table() const {
  static const win32::MessageEntry messages[] = {
      win32::OnMessage(WM_DRAWITEM, &WizardFrame::OnDrawItem),
  };
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_FRAME_NEXT, &WizardFrame::Next),
      win32::OnCommand(IDB_FRAME_PREVIOUS, &WizardFrame::Previous),
      win32::OnCommand(IDB_FRAME_FINISH, &WizardFrame::Finish),
      win32::OnCommand(IDB_FRAME_CANCEL, &WizardFrame::Cancel),
  };
  return {messages, commands, {}, BaseTable()};
}

std::vector<win32::ControlBinding> WizardFrame::ControlBindings() {
  return {{IDT_FRAME_HELP_LINK, &helpLink_}};
}

bool WizardFrame::OnInit() {
  const SIZE client = ClientSize();
  const SIZE finish = ItemClientSize(IDB_FRAME_FINISH);
  MoveItem(IDT_FRAME_SEPARATOR, 5, client.cy - finish.cy - 14, client.cx - 10, 2);
  for (Entry& entry : entries_) {
    if (!entry.page->CreateModeless(hwnd())) End(IDCANCEL);
  }
  if (entries_.empty()) {
    End(IDCANCEL);
    return true;
  }
  // One page: its "OK" is what Enter presses.
  SetDefaultButton(entries_.size() == 1 ? IDB_FRAME_FINISH : IDB_FRAME_NEXT);
  entries_[0].page->OnSetActive();
  ShowCurrent();
  titleFont_.MakeBold(hwnd(), IDT_FRAME_TITLE);
  RECT area{};
  ::GetWindowRect(Item(IDC_FRAME_PAGE_AREA), &area);
  ::MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&area), 2);
  MoveItem(IDT_FRAME_STRIP, 0, 0, area.left - 10, client.cy - finish.cy - 25);
  UpdateFrame();
  if (nested_) {
    RECT window{};
    ::GetWindowRect(hwnd(), &window);
    ::SetWindowPos(hwnd(), nullptr, window.left + 20, window.top + 15, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return false;
}

void ShowPageInArea(HWND frame, int areaId, HWND page, int fallbackFocusId, bool insideBorder) {
  HWND areaControl = ::GetDlgItem(frame, areaId);
  RECT area{};
  ::GetWindowRect(areaControl, &area);
  ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&area), 2);
  RECT display = {0, 0, area.right - area.left, area.bottom - area.top};
  if (insideBorder) TabCtrl_AdjustRect(areaControl, FALSE, &display);
  ::SetWindowPos(page, HWND_TOP, area.left + display.left, area.top + display.top,
                 display.right - display.left, display.bottom - display.top, SWP_SHOWWINDOW);
  HWND first = ::GetNextDlgTabItem(page, nullptr, FALSE);
  if (first == nullptr || !::IsChild(page, first)) first = ::GetDlgItem(frame, fallbackFocusId);
  ::SendMessageA(frame, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
}

void WizardFrame::ShowCurrent() {
  ShowPageInArea(hwnd(), IDC_FRAME_PAGE_AREA, entries_[index_].page->hwnd(),
                 entries_.size() == 1 ? IDB_FRAME_FINISH : IDB_FRAME_NEXT, true);
}

void WizardFrame::UpdateFrame() {
  const int count = static_cast<int>(entries_.size());
  const frame_rules::WizardButtons buttons = frame_rules::ButtonsFor(index_, count);
  SetItemText(IDT_FRAME_STEP, buttons.stepText);
  SetItemText(IDT_FRAME_TITLE, entries_[index_].title);
  helpLink_.SetTopic(entries_[index_].helpTopic);
  ShowItem(IDB_FRAME_PREVIOUS, buttons.showPrevNext);
  ShowItem(IDB_FRAME_NEXT, buttons.showPrevNext);
  ::EnableWindow(Item(IDB_FRAME_PREVIOUS), buttons.previousEnabled);
  ::EnableWindow(Item(IDB_FRAME_FINISH), buttons.finishEnabled);
  if (buttons.finishIsOk) SetItemText(IDB_FRAME_FINISH, "OK");
}

void WizardFrame::MoveTo(int index) {
  if (!entries_[index_].page->OnKillActive()) return;
  ::ShowWindow(entries_[index_].page->hwnd(), SW_HIDE);
  index_ = index;
  entries_[index_].page->OnSetActive();
  ShowCurrent();
  UpdateFrame();
}

void WizardFrame::Next() {
  const int count = static_cast<int>(entries_.size());
  if (frame_rules::NextFinishes(index_, count)) {
    Finish();
    return;
  }
  MoveTo(index_ + 1);
}

void WizardFrame::Previous() {
  if (index_ > 0) MoveTo(index_ - 1);
}

void WizardFrame::Finish() {
  // Only the last page finishes, whichever way it is asked.
  if (index_ + 1 != static_cast<int>(entries_.size())) return;
  if (entries_[index_].page->OnWizardFinish()) End(IDOK);
}

void WizardFrame::Cancel() {
  if (entries_.empty() || entries_[index_].page->OnQueryCancel()) End(IDCANCEL);
}

INT_PTR WizardFrame::OnDrawItem(WPARAM, LPARAM lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (item->CtlID != IDT_FRAME_STRIP) {
    PassOn();
    return FALSE;
  }
  PaintStrip(*item);
  return TRUE;
}
