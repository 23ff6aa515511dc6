#include "wizard/win32/report_list.h"

#include <commctrl.h>

void SetUpReportList(HWND list, std::initializer_list<const char*> headings, DWORD extraStyles) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | extraStyles);
  int index = 0;
  for (const char* heading : headings) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_SUBITEM;
    column.pszText = const_cast<char*>(heading);
    column.iSubItem = index;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
  }
}

int AddReportRow(HWND list, const std::vector<std::string>& cells) {
  if (cells.empty()) return -1;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(cells[0].c_str());
  const auto row =
      static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t i = 1; i < cells.size(); ++i) SetReportCell(list, row, static_cast<int>(i), cells[i]);
  return row;
}

void SetReportCell(HWND list, int row, int column, const std::string& text) {
  LVITEMA cell{};
  cell.iSubItem = column;
  cell.pszText = const_cast<char*>(text.c_str());
  ::SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
}
