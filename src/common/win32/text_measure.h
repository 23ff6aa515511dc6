// Measuring text as a control shows it, for the portable wrapping and layout.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "common/win32/handles.h"
#include "common/wrapped_text.h"

namespace win32 {

// Width and height of one line of `text` in the font selected into `dc`.
SIZE TextExtent(HDC dc, std::string_view text);

// The control's device context with the control's own font selected, for as
// long as the object lives.
class ControlTextMeasure {
 public:
  explicit ControlTextMeasure(HWND control);

  SIZE Extent(std::string_view text) const { return TextExtent(dc_.get(), text); }
  // The font's text height; also that of an empty text.
  int32_t FontHeight() const;
  // Widths for MeasureWrappedText; valid while this object lives.
  layout::TextWidthFn WidthFn() const;

 private:
  WindowDc dc_;
  SelectObjectScope font_;
};

}  // namespace win32
