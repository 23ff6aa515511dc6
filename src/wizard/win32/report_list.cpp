#include "wizard/win32/report_list.h"

#include <commctrl.h>

void SetUpReportList(HWND list, std::initializer_list<ReportColumn> columns) {
  ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const ReportColumn& c : columns) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_SUBITEM | (c.width > 0 ? LVCF_WIDTH : 0);
    column.pszText = const_cast<char*>(c.title);
    column.cx = c.width;
    column.iSubItem = index;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
  }
}

void AddReportRow(HWND list, const std::vector<std::string>& cells) {
  if (cells.empty()) return;
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  item.pszText = const_cast<char*>(cells[0].c_str());
  const auto row =
      static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
  for (size_t i = 1; i < cells.size(); ++i) {
    LVITEMA cell{};
    cell.iSubItem = static_cast<int>(i);
    cell.pszText = const_cast<char*>(cells[i].c_str());
    ::SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
  }
}
