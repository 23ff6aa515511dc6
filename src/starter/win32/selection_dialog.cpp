#include "starter/win32/selection_dialog.h"

#include "common/win32/app_message.h"
#include "common/win32/dialog_metrics.h"
#include "common/win32/popup_menu.h"
#include "common/win32/text_measure.h"
#include "common/win32/wait_cursor.h"
#include "common/win32/win32_file_system.h"
#include "resource.h"
#include "starter/selection_layout.h"
#include "starter/starter_texts.h"

namespace {

constexpr const char* kDefaultPrompt = "Please select a file from the list below:";

void MoveTo(win32::Dialog& dialog, int id, const layout::Rect& r) {
  dialog.MoveItem(id, r.left, r.top, r.width, r.height);
}

}  // namespace

LRESULT SelectionList::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_RBUTTONUP) {
    owner_.OnListRightButtonUp(
        POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
    return 0;
  }
  return Default(message, wParam, lParam);
}

SelectionDialog::SelectionDialog(const SelectionSettings& settings,
                                 StarterUi::OpenSelectedFn openSelected)
    : Dialog(IDD_SELECTION), settings_(settings), openSelected_(std::move(openSelected)) {}

SelectionDialog::~SelectionDialog() = default;

win32::DispatchTable SelectionDialog::Table() const {
  static const win32::CommandEntry kCommands[] = {
      win32::OnCommand(IDL_SELECTION_FILES, &SelectionDialog::OnDoubleClick, LBN_DBLCLK),
      win32::OnCommand(ID_SELECTION_PROPERTIES, &SelectionDialog::ShowProperties, 0),
  };
  return {{}, kCommands};
}

bool SelectionDialog::OnInit() {
  if (settings_.help.empty()) settings_.help = kDefaultPrompt;
  FillList();
  // The list is taken over (for its right button) only once it is filled:
  // under Wine every message through a subclassed control costs about a tenth
  // of a millisecond, which made a list of 1,000 entries take 0.25 s to fill.
  list_.Attach(Item(IDL_SELECTION_FILES));
  if (!settings_.title.empty()) ::SetWindowTextA(hwnd(), settings_.title.c_str());
  SetItemText(IDT_SELECTION_PROMPT, settings_.help);
  Layout();
  CentreOnScreen();
  ::ShowWindow(hwnd(), SW_SHOW);
  return true;
}

void SelectionDialog::FillList() {
  // Built in full before any entry points into it, so the addresses hold.
  paths_ = settings_.targets;
  paths_.resize(settings_.names.size());
  HWND list = Item(IDL_SELECTION_FILES);
  // A long list is filled in one go: room reserved up front, no redraw per entry.
  ::SendMessageA(list, LB_INITSTORAGE, settings_.names.size(), 64 * settings_.names.size());
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  for (size_t i = 0; i < settings_.names.size(); ++i) {
    const LRESULT index =
        ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(settings_.names[i].c_str()));
    if (index >= 0) {
      ::SendMessageA(list, LB_SETITEMDATA, index, reinterpret_cast<LPARAM>(&paths_[i]));
    }
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

void SelectionDialog::Layout() {
  layout::SelectionInput in;
  in.metrics = win32::ReadDialogMetrics(*this, IDOK, IDCANCEL);
  const SIZE client = ClientSize();
  in.client = {client.cx, client.cy};
  in.prompt = settings_.help;
  in.location = settings_.pictureLocation;

  // The prompt is measured in its own font.
  const win32::ControlTextMeasure prompt(Item(IDT_SELECTION_PROMPT));
  in.promptLineHeight = prompt.FontHeight();
  in.promptWidth = prompt.WidthFn();

  if (settings_.usePicture) {
    win32::WaitCursor wait;
    if (picture_.Load(settings_.picturePath)) {
      const layout::PictureGeometry& g = picture_.Geometry();
      in.picture = layout::Size{g.width, g.height};
      const layout::Size fitted = layout::FitPictureBesideContent(*in.picture, in.metrics.workArea);
      auto window = std::make_unique<win32::PictureWindow>();
      if (window->Create(hwnd(), fitted.width, fitted.height, WS_CHILD | WS_VISIBLE | WS_BORDER)) {
        pictureWindow_ = std::move(window);
      } else {
        in.pictureWindowFailed = true;
      }
    } else {
      win32::ShowAppMessage(hwnd(),
                            starter_texts::kDialogPictureLoadFailed + settings_.picturePath);
      settings_.usePicture = false;
    }
  }

  const layout::SelectionLayout out = layout::LayoutSelection(in);
  if (out.dialog) {
    ::MoveWindow(hwnd(), 0, 0, out.dialog->width, out.dialog->height, TRUE);
  }
  if (pictureWindow_) {
    layout::PictureGeometry& g = picture_.Geometry();
    g.left = 0;
    g.top = 0;
    g.width = out.picture.width;
    g.height = out.picture.height;
    picture_.ResetSource();
    ::MoveWindow(pictureWindow_->Handle(), out.picturePosition.x, out.picturePosition.y,
                 out.picture.width, out.picture.height, TRUE);
    pictureWindow_->AttachPicture(&picture_);
  }
  if (out.prompt) MoveTo(*this, IDT_SELECTION_PROMPT, *out.prompt);
  if (out.list) MoveTo(*this, IDL_SELECTION_FILES, *out.list);
  MoveTo(*this, IDT_SELECTION_SEPARATOR, out.separator);
  MoveTo(*this, IDOK, out.okButton);
  MoveTo(*this, IDCANCEL, out.cancelButton);
  ShowItem(IDOK, true);
  ShowItem(IDCANCEL, true);
}

int SelectionDialog::Selected() const {
  const LRESULT index = ::SendMessageA(Item(IDL_SELECTION_FILES), LB_GETCURSEL, 0, 0);
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

bool SelectionDialog::Choose() {
  // Opening pumps messages: a second click meanwhile must not start another.
  if (choosing_) return false;
  choosing_ = true;
  const bool chosen = openSelected_ && openSelected_(Selected());
  choosing_ = false;
  return chosen;
}

void SelectionDialog::Accept() {
  if (Choose() && !settings_.reselect) End(IDOK);
}

void SelectionDialog::OnDoubleClick() {
  if (Choose() && !settings_.reselect) End(IDCANCEL);
}

void SelectionDialog::Cancel() { End(IDCANCEL); }

void SelectionDialog::DisableChoice() {
  ::EnableWindow(Item(IDL_SELECTION_FILES), FALSE);
  ::EnableWindow(Item(IDOK), FALSE);
}

void SelectionDialog::OnListRightButtonUp(POINT clientPoint) {
  HWND list = Item(IDL_SELECTION_FILES);
  const LRESULT hit =
      ::SendMessageA(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(clientPoint.x, clientPoint.y));
  // The high word is set when the point lies below the last entry.
  if (HIWORD(hit) != 0) return;
  const int index = LOWORD(hit);
  if (index < 0 || static_cast<size_t>(index) >= settings_.names.size()) return;
  ::SendMessageA(list, LB_SETCURSEL, index, 0);
  if (paths_[index].empty()) return;

  POINT screen = clientPoint;
  ::ClientToScreen(list, &screen);
  // "&Properties" arrives as WM_COMMAND through the table.
  win32::ShowPopupMenuAt(hwnd(), IDM_SELECTION, screen, win32::MenuReply::kPosted);
}

void SelectionDialog::ShowProperties() {
  const int index = Selected();
  if (index < 0 || static_cast<size_t>(index) >= settings_.names.size()) return;
  const std::string file = SelectionEntryFile(paths_[index], Win32FileSystem().CurrentDirectory());
  SelectionPropertiesDialog properties(settings_.names[index], file);
  properties.RunModal(hwnd());
}

SelectionPropertiesDialog::SelectionPropertiesDialog(std::string displayName, std::string file)
    : Dialog(IDD_PROPERTIES), displayName_(std::move(displayName)), file_(std::move(file)) {}

std::vector<win32::TextBinding> SelectionPropertiesDialog::TextBindings() {
  return {{IDE_PROPERTIES_NAME, &displayName_}, {IDE_PROPERTIES_FILE, &file_}};
}

std::vector<win32::ControlBinding> SelectionPropertiesDialog::ControlBindings() {
  return {{IDE_PROPERTIES_NAME, &nameBox_}, {IDE_PROPERTIES_FILE, &fileBox_}};
}
