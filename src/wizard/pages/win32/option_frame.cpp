#include "wizard/pages/win32/option_frame.h"

#include "common/product.h"
#include "resource.h"
#include "wizard/pages/frame_rules.h"
#include "wizard/pages/win32/wizard_frame.h"

OptionFrame::OptionFrame(const std::string& helpTopic)
    : WizardDialog(IDD_OPTION_FRAME), helpTopic_(helpTopic) {}

void OptionFrame::SetPage(WizardPage& page, const std::string& title) {
  page_ = &page;
  title_ = title;
  page.SetHostedInOptionFrame(true);
}

void OptionFrame::SetPage(WizardPage& page, int titleStringId) {
  char buffer[512] = {};
  ::LoadStringA(::GetModuleHandleA(nullptr), static_cast<UINT>(titleStringId), buffer,
                sizeof buffer);
  SetPage(page, std::string(buffer));
}

win32::DispatchTable OptionFrame::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDB_OPTION_OK, &OptionFrame::Ok),
      win32::OnCommand(IDB_OPTION_TEST, &OptionFrame::Test),
      win32::OnCommand(IDB_OPTION_CANCEL, &OptionFrame::CancelPressed),
  };
  return {{}, commands, {}, BaseTable()};
}

std::vector<win32::ControlBinding> OptionFrame::ControlBindings() {
  return {{IDT_OPTION_HELP_LINK, &helpLink_}, {IDT_OPTION_WEB_LINK, &webLink_}};
}

bool OptionFrame::OnInit() {
  if (page_ == nullptr || !page_->CreateModeless(hwnd())) {
    End(IDCANCEL);
    return true;
  }
  helpLink_.SetTopic(helpTopic_);
  webLink_.SetTarget(product::kWebSite);
  RECT pageRect{};
  ::GetClientRect(page_->hwnd(), &pageRect);
  const layout::Size page{pageRect.right, pageRect.bottom};
  const layout::Size window = frame_rules::OptionFrameWindowSize(page);
  ::SetWindowPos(hwnd(), nullptr, 0, 0, window.width, window.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  CentreOnScreen();
  const SIZE client = ClientSize();
  const SIZE ok = ItemClientSize(IDB_OPTION_OK);
  const frame_rules::OptionFrameLayout l =
      frame_rules::LayOutOptionFrame(page, {client.cx, client.cy}, {ok.cx, ok.cy});
  auto place = [this](int id, const layout::Rect& r) {
    MoveItem(id, r.left, r.top, r.width, r.height);
  };
  place(IDC_OPTION_PAGE_AREA, l.pageArea);
  place(IDT_OPTION_SEPARATOR, l.separator);
  if (main_ != nullptr) {
    place(IDB_OPTION_TEST, l.test);
  } else {
    ShowItem(IDB_OPTION_TEST, false);
  }
  place(IDB_OPTION_OK, l.ok);
  place(IDB_OPTION_CANCEL, l.cancel);
  place(IDT_OPTION_WEB_LINK, l.webLink);
  place(IDT_OPTION_TITLE, l.title);
  place(IDT_OPTION_HELP_LINK, l.helpLink);
  titleFont_.MakeBold(hwnd(), IDT_OPTION_TITLE);
  page_->SetMain(main_);
  page_->OnSetActive();
  // The frame was sized for the page: it takes the whole area, so nothing of it is cut.
  ShowPageInArea(hwnd(), IDC_OPTION_PAGE_AREA, page_->hwnd(), IDB_OPTION_OK, false);
  SetItemText(IDT_OPTION_TITLE, title_);
  return false;
}

void OptionFrame::Ok() {
  if (page_->OnKillActive()) End(IDOK);
}

void OptionFrame::Test() {
  ::EnableWindow(Item(IDB_OPTION_TEST), FALSE);
  if (main_ != nullptr && page_->OnKillActive()) main_->TestConfiguration(hwnd());
  ::EnableWindow(Item(IDB_OPTION_TEST), TRUE);
}
