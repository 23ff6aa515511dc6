#include "starter/win32/splash_window.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "common/win32/app_message.h"
#include "common/win32/message_pump.h"
#include "common/win32/popup_menu.h"
#include "common/win32/wait_cursor.h"
#include "config/autorun_config.h"
#include "resource.h"
#include "starter/splash_layout.h"

namespace {

constexpr const char* kPictureTitle = "CD AutoRun";

int TemplateFor(const splash::Settings& settings) {
  return settings.untitled ? IDD_SPLASH_UNTITLED : IDD_SPLASH_TITLED;
}

}  // namespace

SplashWindow::SplashWindow(const AutorunConfig& config, const std::string& fileName,
                           CloseEventSource closeEvent)
    : SplashWindow(config, splash::ReadSettings(config, fileName), std::move(closeEvent)) {}

SplashWindow::SplashWindow(const AutorunConfig& config, splash::Settings settings,
                           CloseEventSource closeEvent)
    : Dialog(TemplateFor(settings)),
      config_(config),
      closeEvent_(std::move(closeEvent)),
      settings_(std::move(settings)) {
  line1_ = settings_.lines[0];
  line2_ = settings_.lines[1];
  line3_ = settings_.lines[2];
}

SplashWindow::~SplashWindow() { CloseSplash(); }

win32::DispatchTable SplashWindow::Table() const {
  static const win32::MessageEntry kMessages[] = {
      win32::OnMessage(WM_TIMER, &SplashWindow::OnTimer),
      win32::OnMessage(WM_LBUTTONDOWN, &SplashWindow::OnMouse),
      win32::OnMessage(WM_LBUTTONUP, &SplashWindow::OnMouse),
      win32::OnMessage(WM_LBUTTONDBLCLK, &SplashWindow::OnMouse),
      win32::OnMessage(WM_RBUTTONDOWN, &SplashWindow::OnMouse),
      win32::OnMessage(WM_RBUTTONUP, &SplashWindow::OnMouse),
      win32::OnMessage(WM_RBUTTONDBLCLK, &SplashWindow::OnMouse),
      win32::OnMessage(WM_PARENTNOTIFY, &SplashWindow::OnParentNotify),
  };
  static const win32::CommandEntry kCommands[] = {
      win32::OnCommand(ID_PICTURE_HIDE, &SplashWindow::OnHideCommand, 0),
      win32::OnCommand(ID_PICTURE_CLOSE_MENU, &SplashWindow::OnCloseMenuCommand, 0),
  };
  return {kMessages, kCommands};
}

std::vector<win32::TextBinding> SplashWindow::TextBindings() {
  return {{IDT_SPLASH_LINE1, &line1_}, {IDT_SPLASH_LINE2, &line2_}, {IDT_SPLASH_LINE3, &line3_}};
}

bool SplashWindow::ShowModeless(bool centre) {
  win32::WaitCursor wait;
  if (!CreateModeless(nullptr)) {
    win32::PumpWaitingMessages();
    return false;
  }
  ::ShowWindow(hwnd(), SW_SHOW);
  if (centre) CentreOnScreen();
  win32::PumpWaitingMessages();
  return true;
}

bool SplashWindow::OnInit() {
  ::ShowWindow(hwnd(), SW_HIDE);
  if (!settings_.picturePath.empty()) {
    InitPicture();
  } else {
    InitText();
  }
  win32::PumpWaitingMessages();
  StartHideTimer();
  menuArmed_ = false;
  ::SetTimer(hwnd(), kArmTimer, kArmDelayMs, nullptr);
  ::ShowWindow(hwnd(), SW_SHOW);
  return true;
}

void SplashWindow::InitPicture() {
  win32::WaitCursor wait;
  ::SetWindowTextA(hwnd(), kPictureTitle);
  if (!picture_.Load(settings_.picturePath)) {
    win32::ShowAppMessage(hwnd(), splash::kLoadFailedPrefix + settings_.picturePath, MB_OK);
    // Goes on as a text window (with the dialog font: picture mode reads no font).
    line2_ = splash::kLoadFailedLine2;
    return;
  }
  win32::PumpWaitingMessages();
  layout::Size screen;
  {
    win32::WindowDc dc(hwnd());
    screen = {::GetDeviceCaps(dc.get(), HORZRES), ::GetDeviceCaps(dc.get(), VERTRES)};
  }
  const int frame = ::GetSystemMetrics(SM_CXDLGFRAME);
  const layout::SplashFit fit = layout::FitSplash(screen, picture_.Geometry().CurrentSize(), frame);
  layout::PictureGeometry& geometry = picture_.Geometry();
  geometry.left = 0;
  geometry.top = 0;
  geometry.width = fit.picture.width;
  geometry.height = fit.picture.height;
  ::MoveWindow(hwnd(), 0, 0, fit.window.width, fit.window.height, TRUE);
  win32::PumpWaitingMessages();

  // The lines have nothing to show here; hidden, they cannot paint over the picture.
  for (int id : {IDT_SPLASH_LINE1, IDT_SPLASH_LINE2, IDT_SPLASH_LINE3}) ShowItem(id, false);
  pictureWindow_ = std::make_unique<SplashPictureWindow>();
  pictureWindow_->SetOwner(hwnd());
  pictureWindow_->SetSignalOnHide(signalOnHide_);
  PassEventToPicture();
  if (pictureWindow_->Create(hwnd(), fit.picture.width, fit.picture.height,
                             WS_CHILD | WS_VISIBLE)) {
    pictureWindow_->AttachPicture(&picture_);
  } else {
    win32::ShowAppMessage(hwnd(), splash::kDisplayFailedMessage, MB_OK);
  }
  pictureWindow_->ArmMenu();
}

void SplashWindow::InitText() {
  const splash::Lines shown = splash::LinesToShow({line1_, line2_, line3_});
  line1_ = shown[0];
  if (settings_.font) ApplyFont();
}

void SplashWindow::ApplyFont() {
  const splash::Font& font = *settings_.font;
  LOGFONTA description{};
  std::memcpy(description.lfFaceName, font.face.data(),
              std::min(font.face.size(), sizeof description.lfFaceName - 1));
  description.lfWeight = font.weight;
  description.lfItalic = font.italic ? TRUE : FALSE;
  {
    win32::WindowDc dc(hwnd());
    description.lfHeight = -::MulDiv(font.points, ::GetDeviceCaps(dc.get(), LOGPIXELSY), 72);
  }
  font_.reset(::CreateFontIndirectA(&description));
  if (!font_) return;  // the lines keep the dialog font
  for (int id : {IDT_SPLASH_LINE1, IDT_SPLASH_LINE2, IDT_SPLASH_LINE3}) {
    ::SendMessageA(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
  }
}

void SplashWindow::StartHideTimer() {
  if (const UINT periodMs = splash::HideTimerPeriodMs(settings_.showForSeconds)) {
    ::SetTimer(hwnd(), kHideTimer, periodMs, nullptr);
  }
}

void SplashWindow::Refresh() {
  if (hwnd()) CopyToControls();
  win32::PumpWaitingMessages();
}

void SplashWindow::UpdateSplash(const std::string& fileName, bool showAgain) {
  splash::Lines lines = splash::ReadLines(config_, fileName);
  // A window that shows text never goes blank, on later files either.
  if (!pictureWindow_) lines = splash::LinesToShow(lines);
  line1_ = lines[0];
  line2_ = lines[1];
  line3_ = lines[2];
  Refresh();
  if (!hwnd()) return;
  PassEventToPicture();
  ::SetForegroundWindow(hwnd());
  if (showAgain) {
    ::ShowWindow(hwnd(), SW_SHOW);
    CentreOnScreen();
    ::SetForegroundWindow(hwnd());
    RestartTimers();
  }
}

void SplashWindow::RestartTimers() {
  if (!hwnd()) return;
  if (settings_.showForSeconds > 0) {
    ::KillTimer(hwnd(), kHideTimer);
    StartHideTimer();
  }
  menuArmed_ = false;
  ::KillTimer(hwnd(), kArmTimer);
  ::SetTimer(hwnd(), kArmTimer, kArmDelayMs, nullptr);
  if (pictureWindow_) pictureWindow_->ArmMenu();
}

void SplashWindow::SetSignalOnHide(bool on) {
  signalOnHide_ = on;
  if (pictureWindow_) {
    pictureWindow_->SetSignalOnHide(on);
    PassEventToPicture();
  }
}

void SplashWindow::PassEventToPicture() {
  if (pictureWindow_) pictureWindow_->SetCloseEvent(closeEvent_ ? closeEvent_() : nullptr);
}

void SplashWindow::HideByUser() {
  ::ShowWindow(hwnd(), SW_HIDE);
  ::KillTimer(hwnd(), kHideTimer);
  if (!signalOnHide_ || !closeEvent_) return;
  if (HANDLE event = closeEvent_()) ::SetEvent(event);
}

INT_PTR SplashWindow::OnTimer(WPARAM timer, LPARAM) {
  if (timer == kHideTimer) {
    // Hidden by time, not by the user: the wait for the opened file goes on.
    ::ShowWindow(hwnd(), SW_HIDE);
    ::KillTimer(hwnd(), kHideTimer);
  } else if (timer == kArmTimer) {
    menuArmed_ = true;
    ::KillTimer(hwnd(), kArmTimer);
    PassEventToPicture();
  }
  return 0;
}

INT_PTR SplashWindow::OnMouse(WPARAM, LPARAM) {
  // The chosen command arrives as WM_COMMAND through the table.
  if (menuArmed_) win32::ShowPopupMenu(hwnd(), IDM_PICTURE, win32::MenuReply::kPosted);
  PassOn();
  return 0;
}

INT_PTR SplashWindow::OnParentNotify(WPARAM, LPARAM) {
  // A click on the picture: its "&Hide" must see the event as it is now.
  PassEventToPicture();
  PassOn();
  return 0;
}

void SplashWindow::CloseSplash() {
  if (hwnd() && ::IsWindow(hwnd())) {
    ::KillTimer(hwnd(), kHideTimer);
    ::KillTimer(hwnd(), kArmTimer);
  }
  if (pictureWindow_) {
    pictureWindow_->Close();
    pictureWindow_.reset();
  }
  // Destroyed directly: a WM_CLOSE would arrive as the cancel command, which
  // is the user's "hide" and would set the close event.
  if (hwnd()) End(IDCANCEL);
  font_.reset();  // only now that no line uses it
}
