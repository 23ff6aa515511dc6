// A title or prompt from autorun.inf broken into lines, measured by a font
// whose widths come from the input: any value, in any order, so that even a
// measure that shrinks as text grows must end.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/wrapped_text.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int32_t lineHeight = in.ConsumeIntegral<int32_t>();
  const int32_t maxWidth = in.ConsumeIntegral<int32_t>();
  const int32_t maxHeight = in.ConsumeIntegral<int32_t>();
  std::vector<int32_t> widths(in.ConsumeIntegralInRange<size_t>(1, 16));
  for (int32_t& w : widths) w = in.ConsumeIntegral<int32_t>();
  const bool byLength = in.ConsumeBool();
  (void)layout::WrapWidth(in.ConsumeIntegral<int32_t>());
  const std::string text = in.ConsumeRemainingBytesAsString();

  size_t calls = 0;
  const layout::TextWidthFn width = [&](std::string_view s) {
    ++calls;
    // By the length, or by the last character, from the table.
    const size_t k = byLength ? s.size() : (s.empty() ? 0 : static_cast<unsigned char>(s.back()));
    return widths[k % widths.size()];
  };
  const layout::WrappedText wrapped =
      layout::MeasureWrappedText(text, width, lineHeight, maxWidth, maxHeight);

  FUZZ_CHECK(wrapped.lines >= 0 && static_cast<size_t>(wrapped.lines) <= text.size());
  FUZZ_CHECK(text.empty() == (wrapped.lines == 0));
  FUZZ_CHECK(wrapped.lineHeight >= 0);
  FUZZ_CHECK(wrapped.totalHeight >= 5);
  // O(n log n) measurements at most: each line costs about 2 log2 of its length.
  size_t log2 = 1;
  while ((size_t{1} << log2) < text.size() + 1) ++log2;
  FUZZ_CHECK(calls <= (text.size() + 1) * (2 * log2 + 3));
  return 0;
}
