#include "wizard/pages/win32/image_chooser_page.h"

#include <algorithm>

#include "common/picture_format.h"
#include "common/win32/message_pump.h"
#include "common/win32/wait_cursor.h"
#include "resource.h"
#include "wizard/pages/image_chooser_rules.h"
#include "wizard/pages/image_chooser_texts.h"
#include "wizard/pages/image_copy_in.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/pages/win32/option_adapters.h"
#include "wizard/win32/cd_files_window.h"
#include "wizard/win32/file_dialog.h"
#include "wizard/wizard_settings.h"

namespace {
namespace ic = image_chooser;
namespace t = image_chooser_texts;

std::string ListText(HWND list, int index) {
  const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const LRESULT copied = ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index),
                                        reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied == LB_ERR ? 0 : static_cast<size_t>(copied));
  return text;
}

layout::Rect ChildRect(HWND control) {
  RECT rect{};
  ::GetWindowRect(control, &rect);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The file-open dialog of "&Copy in image", in the source folder; empty
// when the author cancels.
std::string AskForImageFile(HWND owner, const std::string& folder) {
  const std::optional<std::string> file = AskOpenFile(owner, {.filter = t::kCopyInFilter,
                                                              .initialFile = {},
                                                              .initialFolder = folder,
                                                              .defaultExtension = {}});
  return file.value_or(std::string());
}

}  // namespace

ImageChooserPage::ImageChooserPage(ImageChoice& choice, WizardSettings& settings,
                                   const FolderLister& lister, const FileSystem& fs,
                                   FileCopier& copier)
    : WizardPage(IDD_IMAGE_CHOOSER),
      choice_(choice),
      settings_(settings),
      lister_(lister),
      fs_(fs),
      copier_(copier) {}

win32::DispatchTable ImageChooserPage::Table() const {
  static const win32::CommandEntry commands[] = {
      win32::OnCommand(IDC_IMAGE_FILTER, &ImageChooserPage::FilterChanged, CBN_SELCHANGE),
      win32::OnCommand(IDL_IMAGE_FILES, &ImageChooserPage::ShowImageInfo, LBN_SELCHANGE),
      win32::OnCommand(IDL_IMAGE_FILES, &ImageChooserPage::RowDoubleClicked, LBN_DBLCLK),
      win32::OnCommand(IDX_IMAGE_PREVIEW, &ImageChooserPage::PreviewToggled),
      win32::OnCommand(IDB_IMAGE_REFRESH, &ImageChooserPage::FillList),
      win32::OnCommand(IDB_IMAGE_COPY_IN, &ImageChooserPage::CopyInPressed),
  };
  return {{}, commands, {}, BaseTable()};
}

void ImageChooserPage::OnSetActive() {
  if (opened_) return;
  opened_ = true;
  folder_ = ic::SourceFolder(settings_);
  ::CheckDlgButton(hwnd(), IDX_IMAGE_PREVIEW, ic::PreviewOn(settings_) ? BST_CHECKED : 0);
  SetItemText(IDT_IMAGE_FOLDER, ic::FolderText(folder_));
  HWND filters = Item(IDC_IMAGE_FILTER);
  for (const std::string& filter : ic::Filters()) {
    ::SendMessageA(filters, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(filter.c_str()));
  }
  SelectFilter(ic::InitialFilter(ic::LastFilter(settings_), choice_.image));
  imageName_ = ic::ImageName(choice_.image);
  SetItemText(IDT_IMAGE_RECOMMENDED, ic::Recommendation(choice_.maxWidth, choice_.maxHeight));

  FitWholeRows(Item(IDL_IMAGE_FILES));
  const layout::Rect area =
      ic::PreviewArea(ChildRect(filters), ChildRect(Item(IDL_IMAGE_FILES)), ClientSize().cx);
  preview_.SetHatched(true);
  if (preview_.Create(hwnd(), area.width, area.height, WS_CHILD | WS_VISIBLE | WS_BORDER)) {
    ::MoveWindow(preview_.Handle(), area.left, area.top, area.width, area.height, FALSE);
    RECT client{};
    ::GetClientRect(preview_.Handle(), &client);
    // The picture is fitted inside the border.
    previewSize_ = {client.right, client.bottom};
  }
  FillList();
}

void ImageChooserPage::SelectFilter(int index) {
  ::SendMessageA(Item(IDC_IMAGE_FILTER), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::vector<std::string> ImageChooserPage::Rows() const {
  HWND list = Item(IDL_IMAGE_FILES);
  const LRESULT count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
  std::vector<std::string> rows;
  for (int i = 0; i < count; ++i) rows.push_back(ListText(list, i));
  return rows;
}

int ImageChooserPage::SelectedRow() const {
  const LRESULT selected = ::SendMessageA(Item(IDL_IMAGE_FILES), LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void ImageChooserPage::FillList() {
  HWND list = Item(IDL_IMAGE_FILES);
  const int remembered = std::max(SelectedRow(), 0);
  const std::string filter = ItemText(IDC_IMAGE_FILTER);
  ic::SetLastFilter(settings_, filter);
  const std::vector<std::string> rows =
      ic::ListRows(lister_, folder_, filter, choice_.allowUnconfigured);
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const std::string& row : rows) {
    ::SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
  }
  ::SendMessageA(list, LB_SETCURSEL,
                 static_cast<WPARAM>(ic::RowToSelect(rows, remembered, imageName_)), 0);
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
  // Opening, a filter or Refresh select a row the author did not pick: a file
  // there that is no picture (all files listed) is told by the warnings alone.
  DescribeSelected(false);
}

void ImageChooserPage::ShowReport(const std::string& width, const std::string& height,
                                  const std::string& warnings) {
  SetItemText(IDE_IMAGE_WIDTH, width);
  SetItemText(IDE_IMAGE_HEIGHT, height);
  SetItemText(IDE_IMAGE_WARNINGS, warnings);
}

void ImageChooserPage::DescribeSelected(bool picked) {
  const ic::ImageReport loading = ic::LoadingReport();
  ShowReport(loading.width, loading.height, loading.warnings);
  // The texts show before a slow image has loaded.
  ::UpdateWindow(hwnd());
  win32::PumpWaitingMessages();

  const int selected = SelectedRow();
  const std::string row = selected < 0 ? std::string() : ListText(Item(IDL_IMAGE_FILES), selected);
  ic::ImageReport report = ic::EmptyReport();
  preview_.AttachPicture(nullptr);
  if (!ic::RowShowsNoImage(row)) {
    // The starter's loader reads only GIF, JPEG and BMP: anything else (some
    // of which this machine's loader shows) fails as it would on the CD.
    const bool showable = IsShowablePicture(fs_, folder_ + row);
    bool loaded = false;
    if (showable) {
      win32::WaitCursor wait;
      loaded = picture_.Load(folder_ + row);
    }
    if (loaded) {
      if (::IsDlgButtonChecked(hwnd(), IDX_IMAGE_PREVIEW) == BST_CHECKED) {
        picture_.ScaleToFit(previewSize_.cx, previewSize_.cy);
        layout::PictureGeometry& g = picture_.Geometry();
        // Centred in the preview, which reads better than a corner.
        g.left = std::max<int>(0, (previewSize_.cx - g.width) / 2);
        g.top = std::max<int>(0, (previewSize_.cy - g.height) / 2);
        preview_.AttachPicture(&picture_);
      }
      const layout::Size natural = picture_.Geometry().natural;
      report = ic::DescribeImage({natural.width, natural.height, picture_.Transparent()},
                                 choice_.maxWidth, choice_.maxHeight);
    } else {
      report = showable ? ic::UnreadableReport() : ic::NotAPictureReport();
      if (picked) {
        ShowReport(report.width, report.height, report.warnings);
        Win32OptionQuestions(hwnd()).ShowMessage(t::kLoadFailedMessage);
      }
    }
  }
  ShowReport(report.width, report.height, report.warnings);
  if (preview_.Handle()) {
    ::InvalidateRect(preview_.Handle(), nullptr, TRUE);
    ::UpdateWindow(preview_.Handle());
  }
}

void ImageChooserPage::CopyInPressed() {
  const std::string source = AskForImageFile(hwnd(), folder_);
  if (!source.empty()) CopyIn(source);
}

void ImageChooserPage::CopyIn(const std::string& source) {
  Win32OptionQuestions questions(hwnd());
  ic::CopyInResult result;
  {
    win32::WaitCursor wait;
    result = ic::CopyInImage(source, folder_, fs_, copier_, questions);
  }
  if (result.outcome == ic::CopyInOutcome::kCancelled) return;
  imageName_ = result.name;
  const int filter = ic::FilterForImage(result.name);
  if (filter >= 0) SelectFilter(filter);
  FillList();
}

void ImageChooserPage::RowDoubleClicked() {
  HWND frame = ::GetParent(hwnd());
  if (!frame) return;
  HWND ok = ::GetDlgItem(frame, IDB_OPTION_OK);
  ::PostMessageA(frame, WM_COMMAND, MAKEWPARAM(IDB_OPTION_OK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ok));
}

bool ImageChooserPage::OnKillActive() {
  const int selected = SelectedRow();
  const std::string row = selected < 0 ? std::string() : ListText(Item(IDL_IMAGE_FILES), selected);
  choice_.image = ic::ChosenImage(row, folder_);
  ic::SetPreviewOn(settings_, ::IsDlgButtonChecked(hwnd(), IDX_IMAGE_PREVIEW) == BST_CHECKED);
  HWND owner = ::GetParent(hwnd()) ? ::GetParent(hwnd()) : hwnd();
  return cd_files_window::CheckChosenPicture(owner, choice_.image, t::kCheckLabel);
}
