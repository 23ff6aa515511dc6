#include "common/win32/text_measure.h"

namespace win32 {
namespace {

HGDIOBJ FontOf(HWND control) {
  return reinterpret_cast<HGDIOBJ>(::SendMessageA(control, WM_GETFONT, 0, 0));
}

}  // namespace

SIZE TextExtent(HDC dc, std::string_view text) {
  SIZE size{};
  ::GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

ControlTextMeasure::ControlTextMeasure(HWND control)
    : dc_(control), font_(dc_.get(), FontOf(control)) {
  // Pixels, whatever mapping the control's class left in its DC.
  ::SetMapMode(dc_.get(), MM_TEXT);
}

int32_t ControlTextMeasure::FontHeight() const {
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc_.get(), &metrics);
  return metrics.tmHeight;
}

layout::TextWidthFn ControlTextMeasure::WidthFn() const {
  return [this](std::string_view piece) { return static_cast<int32_t>(Extent(piece).cx); };
}

}  // namespace win32
