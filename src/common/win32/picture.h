// A picture file (GIF, JPEG or BMP) loaded through the OLE picture loader,
// its size in screen pixels, and drawing it at the position and size its
// owner sets; and PictureWindow, the child window that shows one.
#pragma once

#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <string>

#include "common/picture_geometry.h"
#include "common/win32/custom_window.h"

namespace win32 {

class Picture {
 public:
  Picture() = default;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  ~Picture();

  // Loads the file; on failure the previous picture (if any) stays drawable.
  bool Load(const std::string& path);
  bool IsLoaded() const { return picture_ != nullptr; }

  // Geometry: owners move and size the picture through these.
  layout::PictureGeometry& Geometry() { return geometry_; }
  const layout::PictureGeometry& Geometry() const { return geometry_; }
  void Scale(float factor) { geometry_.Scale(factor); }
  void ScaleToFit(int maxWidth, int maxHeight) { geometry_.ScaleToFit(maxWidth, maxHeight); }
  // Draws the whole image again (after a layout that changed nothing else).
  void ResetSource();

  // Draws at left, top, width, height of the target; false when nothing is loaded.
  bool Draw(HDC target, const RECT& bounds) const;

  bool Transparent() const { return transparent_; }
  const std::string& Path() const { return path_; }

 private:
  IPicture* picture_ = nullptr;  // owned
  layout::PictureGeometry geometry_;
  LONG himetricWidth_ = 0;
  LONG himetricHeight_ = 0;
  // The part of the image drawn, in HIMETRIC from the bottom edge upwards.
  LONG sourceLeft_ = 0, sourceTop_ = 0, sourceWidth_ = 0, sourceHeight_ = 0;
  std::string path_;
  bool transparent_ = false;
};

// The child window "SplashScreenWnd" that paints a white (or hatched)
// background and an attached Picture, and nothing else: a window that needs
// clicks or a menu derives from it.
class PictureWindow : public CustomWindow {
 public:
  PictureWindow() = default;

  // A child of `parent` at (0, 0) with the given size and styles
  // (WS_CHILD | WS_VISIBLE, plus WS_BORDER in the dialogs).
  bool Create(HWND parent, int width, int height, DWORD style);

  // Not owned: the picture must outlive the window or be detached first.
  void AttachPicture(const Picture* picture);
  void SetHatched(bool hatched) { hatched_ = hatched; }
  // Sends WM_CLOSE if the window still exists.
  void Close();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint();

  const Picture* picture_ = nullptr;
  bool hatched_ = false;
};

}  // namespace win32
