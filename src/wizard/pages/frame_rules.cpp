#include "wizard/pages/frame_rules.h"

#include "common/text.h"

namespace frame_rules {

WizardButtons ButtonsFor(int32_t index, int32_t count) {
  WizardButtons buttons;
  buttons.stepText = text::Format("Step %d of %d", index + 1, count);
  buttons.showPrevNext = count > 1;
  buttons.previousEnabled = index > 0;
  buttons.finishEnabled = index + 1 == count;
  buttons.finishIsOk = count == 1;
  return buttons;
}

layout::Size OptionFrameWindowSize(layout::Size page) {
  // The page's client height gains 3 pixels of room below it.
  return {page.width + 25, page.height + 3 + 103};
}

OptionFrameLayout LayOutOptionFrame(layout::Size page, layout::Size client, layout::Size okButton) {
  OptionFrameLayout out;
  out.window = OptionFrameWindowSize(page);
  out.pageArea = {10, 30, page.width + 1, page.height + 3 + 1};
  out.separator = {5, client.height - okButton.height - 12, client.width - 10, 2};
  const int32_t buttonsTop = client.height - okButton.height - 5;
  out.test = {client.width - 3 * okButton.width - 50, buttonsTop, okButton.width + 35,
              okButton.height};
  out.ok = {client.width - 2 * okButton.width - 10, buttonsTop, okButton.width, okButton.height};
  out.cancel = {client.width - okButton.width - 5, buttonsTop, okButton.width, okButton.height};
  out.webLink = {10, client.height - 25, 160, 15};
  out.title = {10, 10, client.width - 120, 15};
  out.helpLink = {client.width - 120, 10, 110, 15};
  return out;
}

}  // namespace frame_rules
