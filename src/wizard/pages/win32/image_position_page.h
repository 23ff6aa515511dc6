// "Specify Image Position": where on the screen a background image goes,
// and how far from the edge.
#pragma once

#include "wizard/pages/background_page_rules.h"
#include "wizard/pages/win32/display_page.h"

class ImagePositionPage : public DisplayPage {
 public:
  explicit ImagePositionPage(const image_position::State& start);
  void OnSetActive() override;
  bool OnKillActive() override;
  const image_position::State& chosen() const { return state_; }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;

 private:
  void PositionClicked();

  image_position::State state_;
};
