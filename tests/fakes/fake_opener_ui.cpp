#include "fake_opener_ui.h"

bool FakeOpenerUi::PumpMessages() {
  calls_->push_back("Pump");
  return pumpResult;
}

void FakeOpenerUi::SetWaitCursor(bool on) {
  calls_->push_back(on ? "WaitCursor(on)" : "WaitCursor(off)");
}
