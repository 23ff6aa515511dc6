// A scripted OpenerUi that writes into another fake's call log, so that one
// ordered log shows the pumps and cursor changes between the shell's calls.
//
// Log entries: "Pump"  "WaitCursor(on)"  "WaitCursor(off)"
#pragma once

#include <string>
#include <vector>

#include "common/opener_ui.h"

class FakeOpenerUi : public OpenerUi {
 public:
  explicit FakeOpenerUi(std::vector<std::string>* calls) : calls_(calls) {}

  bool pumpResult = false;  // PumpMessages (true: quit met)

  bool PumpMessages() override;
  void SetWaitCursor(bool on) override;

 private:
  std::vector<std::string>* calls_;
};
