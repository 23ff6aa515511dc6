// A static control shown as a filled rectangle of one colour (the chosen
// background colour beside "Change color ..."): the button-face colour until
// a colour is set.
#pragma once

#include <windows.h>

#include "common/win32/handles.h"
#include "common/win32/subclassed_control.h"

class ColourSwatch : public win32::SubclassedControl {
 public:
  ColourSwatch();

  // Fills with `colour` from now on and repaints at once.
  void SetColour(COLORREF colour);
  // The colour painted now (the button-face colour until one is set).
  COLORREF Colour() const;
  bool UsesSystemColour() const { return systemColour_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();
  HBRUSH FillBrush() const;

  COLORREF colour_;
  win32::BrushHandle brush_;
  // Set until a colour is chosen: follow the system's button face, which
  // may change while the dialog is open.
  bool systemColour_ = true;
  COLORREF textColour_;
  win32::FontHandle font_;
};
