// "Overlay Screen Background Color / Image": one full-screen image, or a
// colour with up to two placed images, and how the overlay closes.
#pragma once

#include "wizard/pages/background_page_rules.h"
#include "wizard/pages/win32/colour_swatch.h"
#include "wizard/pages/win32/display_page.h"

class BackgroundPage : public DisplayPage {
 public:
  BackgroundPage();
  // Loads the settings on the first activation only.
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  void EnableClicked();
  void SwitchClicked();
  void CloseButtonClicked();
  void ChangeColour();
  void FullScreenImageClicked();
  void Image1Clicked() { PictureImageClicked(0); }
  void Image2Clicked() { PictureImageClicked(1); }
  void PictureImageClicked(int picture);
  void Position1() { ChoosePosition(0); }
  void Position2() { ChoosePosition(1); }
  void ChoosePosition(int picture);
  void ShowInformation();
  void TakeSwitches();
  void UpdateEnabling();

  background_page::State state_;
  int mode_ = 0;  // the radios: 0 full-screen image, 1 colour and images
  bool loaded_ = false;
  ColourSwatch swatch_;
};
