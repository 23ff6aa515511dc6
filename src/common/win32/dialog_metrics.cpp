#include "common/win32/dialog_metrics.h"

namespace win32 {

layout::Size WorkArea() {
  RECT work{};
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) {
    work = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }
  return {work.right, work.bottom};
}

layout::DialogMetrics ReadDialogMetrics(const Dialog& dialog, int okId, int cancelId) {
  layout::DialogMetrics metrics;
  metrics.captionHeight = ::GetSystemMetrics(SM_CYCAPTION);
  metrics.frameWidth = ::GetSystemMetrics(SM_CXDLGFRAME);
  metrics.workArea = WorkArea();
  const SIZE ok = dialog.ItemClientSize(okId);
  metrics.okButton = {ok.cx, ok.cy};
  metrics.cancelHeight = dialog.ItemClientSize(cancelId).cy;
  return metrics;
}

}  // namespace win32
