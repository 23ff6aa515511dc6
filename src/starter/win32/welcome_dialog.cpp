#include "starter/win32/welcome_dialog.h"

#include "common/text.h"
#include "common/win32/app_message.h"
#include "common/win32/dialog_metrics.h"
#include "common/win32/handles.h"
#include "common/win32/message_pump.h"
#include "common/win32/text_measure.h"
#include "common/win32/wait_cursor.h"
#include "resource.h"
#include "starter/starter_texts.h"

namespace {

constexpr DWORD kPictureWindowStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr const char* kWindowFailed = "Sorry, but the system was create the welcome screen.";

}  // namespace

WelcomeDialog::WelcomeDialog(const WelcomeSettings& settings)
    : Dialog(IDD_WELCOME), settings_(settings) {}

win32::DispatchTable WelcomeDialog::Table() const {
  static const win32::CommandEntry kCommands[] = {
      win32::OnCommand(IDB_WELCOME_CANCEL, &WelcomeDialog::OnCancelButton),
  };
  return {{}, kCommands};
}

std::vector<win32::TextBinding> WelcomeDialog::TextBindings() {
  return {{IDT_WELCOME_TITLE, &title_},
          {IDE_WELCOME_MESSAGE, &message_},
          {IDT_WELCOME_LINK, &linkText_}};
}

std::vector<win32::ControlBinding> WelcomeDialog::ControlBindings() {
  return {{IDE_WELCOME_MESSAGE, &messageBox_}, {IDT_WELCOME_LINK, &link_}};
}

bool WelcomeDialog::OnInit() {
  title_ = settings_.title;
  linkText_ = settings_.link;
  ::ShowWindow(hwnd(), SW_HIDE);
  ::SetWindowTextA(hwnd(), settings_.title.c_str());
  // A link that is shown can be followed, whatever else the dialog shows.
  if (!settings_.link.empty()) link_.SetTarget(settings_.link);

  if (settings_.useText) {
    message_ = text::ReplaceAll(settings_.message, "<br>", "\r\n");
    win32::SetEditMargins(Item(IDE_WELCOME_MESSAGE));
    boldFont_.MakeBold(hwnd(), IDT_WELCOME_TITLE);
  }

  layout::WelcomeInput in = Measure();
  // The title is measured in the bold font, in the title control's own DC.
  const win32::ControlTextMeasure title(Item(IDT_WELCOME_TITLE));
  in.titleWidth = title.WidthFn();
  const int32_t lineHeight = settings_.title.empty() ? 0 : title.Extent(settings_.title).cy;
  // An empty title has no measured height: take the font's.
  in.titleLineHeight = lineHeight > 0 ? lineHeight : title.FontHeight();

  if (settings_.usePicture) {
    win32::WaitCursor wait;
    in.picture = LoadPicture();
    layout_ = layout::LayoutWelcome(in);
    if (layout_.dialog) {
      const bool created = pictureWindow_.Create(hwnd(), layout_.picture.width,
                                                 layout_.picture.height, kPictureWindowStyle);
      if (!created) {
        win32::ShowAppMessage(hwnd(), kWindowFailed);
        in.picture.reset();
        layout_ = layout::LayoutWelcome(in);
      }
    }
  } else {
    layout_ = layout::LayoutWelcome(in);
  }
  Apply(layout_);

  SetDefaultButton(IDOK);
  ::ShowWindow(hwnd(), SW_SHOW);
  CopyToControls();
  win32::PumpWaitingMessages();
  return true;
}

std::optional<layout::Size> WelcomeDialog::LoadPicture() {
  if (!picture_.Load(settings_.picturePath)) {
    win32::ShowAppMessage(hwnd(), starter_texts::kDialogPictureLoadFailed + settings_.picturePath);
    return std::nullopt;
  }
  return picture_.Geometry().natural;
}

layout::WelcomeInput WelcomeDialog::Measure() {
  layout::WelcomeInput in;
  in.metrics = win32::ReadDialogMetrics(*this, IDOK, IDB_WELCOME_CANCEL);
  const SIZE client = ClientSize();
  in.client = {client.cx, client.cy};
  in.titleControlWidth = ItemClientSize(IDT_WELCOME_TITLE).cx;
  in.title = settings_.title;
  in.useText = settings_.useText;
  in.usePicture = settings_.usePicture;
  in.location = settings_.pictureLocation;
  in.hasLink = !settings_.link.empty();
  if (in.hasLink) {
    // The link is measured in the dialog's plain DC, not in its own font.
    win32::WindowDc dc(hwnd());
    in.linkTextHeight = win32::TextExtent(dc.get(), settings_.link).cy;
  }
  return in;
}

void WelcomeDialog::Apply(const layout::WelcomeLayout& out) {
  auto move = [this](int id, const std::optional<layout::Rect>& rect) {
    if (rect) MoveItem(id, rect->left, rect->top, rect->width, rect->height);
  };
  if (out.dialog) {
    ::SetWindowPos(hwnd(), nullptr, 0, 0, out.dialog->width, out.dialog->height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  move(IDT_WELCOME_TITLE, out.title);
  move(IDE_WELCOME_MESSAGE, out.message);
  move(IDT_WELCOME_LINK, out.link);
  move(IDT_WELCOME_SEPARATOR, out.separator);
  move(IDOK, out.okButton);
  move(IDB_WELCOME_CANCEL, out.cancelButton);
  if (out.okButton) ShowItem(IDOK, true);
  if (out.cancelButton) ShowItem(IDB_WELCOME_CANCEL, true);
  if (out.dialog) ApplyPicture(out);
  if (out.hideTitle) ShowItem(IDT_WELCOME_TITLE, false);
  if (out.hideMessage) ShowItem(IDE_WELCOME_MESSAGE, false);
  if (out.hideLink) ShowItem(IDT_WELCOME_LINK, false);
  if (out.hideSeparator) ShowItem(IDT_WELCOME_SEPARATOR, false);
  // Centred whatever it shows: the template alone would open at the
  // screen's corner.
  CentreOnScreen();
  if (out.dialog) ::InvalidateRect(pictureWindow_.Handle(), nullptr, TRUE);
}

void WelcomeDialog::ApplyPicture(const layout::WelcomeLayout& out) {
  layout::PictureGeometry& geometry = picture_.Geometry();
  geometry.left = 0;
  geometry.top = 0;
  geometry.width = out.picture.width;
  geometry.height = out.picture.height;
  pictureWindow_.AttachPicture(&picture_);
  ::MoveWindow(pictureWindow_.Handle(), out.picturePosition.x, out.picturePosition.y,
               out.picture.width, out.picture.height, TRUE);
}

INT_PTR RunWelcomeDialog(HWND parent, const WelcomeSettings& settings) {
  WelcomeDialog dialog(settings);
  const INT_PTR result = dialog.RunModal(parent);
  dialog.ClosePicture();
  return result;
}
