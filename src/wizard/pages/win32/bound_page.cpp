#include "wizard/pages/win32/bound_page.h"

void BoundPage::EnableItems(std::initializer_list<int> ids, bool enable) {
  for (int id : ids) ::EnableWindow(Item(id), enable ? TRUE : FALSE);
}
