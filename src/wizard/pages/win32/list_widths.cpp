#include "wizard/pages/win32/list_widths.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/win32/handles.h"
#include "common/win32/window_util.h"

namespace {

// What the heading of `column` needs: the header leaves a margin each side
// of its text, which some lists' own sizing leaves out.
int HeadingWidth(HWND list, int column) {
  char text[256] = {};
  LVCOLUMNA heading{};
  heading.mask = LVCF_TEXT;
  heading.pszText = text;
  heading.cchTextMax = sizeof text;
  ::SendMessageA(list, LVM_GETCOLUMNA, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&heading));
  const int margin =
      static_cast<int>(::SendMessageA(ListView_GetHeader(list), HDM_GETBITMAPMARGIN, 0, 0));
  return static_cast<int>(
             ::SendMessageA(list, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text))) +
         2 * margin;
}

}  // namespace

void FitColumns(HWND list) {
  const int count = Header_GetItemCount(ListView_GetHeader(list));
  // The list sizes a column that is not its last to the widest of its heading
  // and cells; behind an empty column of its own every real one is such a column.
  LVCOLUMNA spare{};
  spare.mask = LVCF_WIDTH;
  if (::SendMessageA(list, LVM_INSERTCOLUMNA, static_cast<WPARAM>(count),
                     reinterpret_cast<LPARAM>(&spare)) < 0) {
    return;
  }
  std::vector<int> needed;
  for (int column = 0; column < count; ++column) {
    ListView_SetColumnWidth(list, column, LVSCW_AUTOSIZE_USEHEADER);
    needed.push_back(std::max(ListView_GetColumnWidth(list, column), HeadingWidth(list, column)));
  }
  ListView_DeleteColumn(list, count);
  if (needed.empty()) return;
  // The last column takes what the others leave, so that the list scrolls
  // sideways only for rows wider than itself.
  int others = 0;
  for (int column = 0; column + 1 < count; ++column) others += needed[static_cast<size_t>(column)];
  needed.back() = std::max<int>(needed.back(), win32::ClientSize(list).cx - others);
  for (int column = 0; column < count; ++column) {
    ListView_SetColumnWidth(list, column, needed[static_cast<size_t>(column)]);
  }
}

void FitHorizontalExtent(HWND list) {
  win32::WindowDc dc(list);
  auto* font = reinterpret_cast<HFONT>(::SendMessageA(list, WM_GETFONT, 0, 0));
  win32::SelectObjectScope select(dc.get(), font);
  int widest = 0;
  const int count = static_cast<int>(::SendMessageA(list, LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = ::SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    if (length <= 0) continue;
    std::string row(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row.data()));
    SIZE size{};
    ::GetTextExtentPoint32A(dc.get(), row.c_str(), static_cast<int>(length), &size);
    widest = std::max<int>(widest, size.cx);
  }
  // The few pixels the list leaves before the text.
  constexpr int kMargin = 4;
  ::SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + kMargin), 0);
}

void FitWholeRows(HWND list) {
  const int row = static_cast<int>(::SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const int spare = row > 0 ? win32::ClientSize(list).cy % row : 0;
  if (spare == 0) return;
  RECT window{};
  ::GetWindowRect(list, &window);
  ::SetWindowPos(list, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top - spare, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}
