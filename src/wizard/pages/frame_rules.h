// The rules of the two page hosts, as plain functions of numbers: which
// buttons a wizard frame shows and enables for the page it is on, and where
// an option frame puts its parts around the one page it holds.
#pragma once

#include <cstdint>
#include <string>

#include "common/geometry.h"

namespace frame_rules {

// What the wizard frame's buttons and step line show on page `index`
// (0-based) of `count` pages.
struct WizardButtons {
  std::string stepText;      // "Step %d of %d"
  bool showPrevNext = true;  // "<< Previous" and "Next >>" with more than one page
  bool previousEnabled = false;
  bool finishEnabled = false;
  bool finishIsOk = false;  // a single page: "&Finish" reads "OK"
};
WizardButtons ButtonsFor(int32_t index, int32_t count);

// "Next >>" on the last page finishes instead of moving on.
inline bool NextFinishes(int32_t index, int32_t count) { return index + 1 >= count; }

// The option frame around a page whose client size is `page`, with its OK
// button's size, and whether the test button is shown.
struct OptionFrameLayout {
  layout::Size window;    // the frame window
  layout::Rect pageArea;  // where the page goes
  layout::Rect separator;
  layout::Rect test;  // "&Test Configuration..." (when shown)
  layout::Rect ok;
  layout::Rect cancel;
  layout::Rect webLink;
  layout::Rect title;
  layout::Rect helpLink;
};
// `client` is the frame's client size once it has the window size above.
layout::Size OptionFrameWindowSize(layout::Size page);
OptionFrameLayout LayOutOptionFrame(layout::Size page, layout::Size client, layout::Size okButton);

}  // namespace frame_rules
