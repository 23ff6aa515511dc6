#include "common/win32/picture.h"

#include <vector>

#include "common/file_path.h"
#include "common/win32/handles.h"

namespace win32 {

namespace {

constexpr DWORD kTransparentAttribute = 2;  // PICTURE_TRANSPARENT
constexpr const char* kPictureWindowClass = "VendiscPictureWindow";
constexpr const char* kPictureWindowText = "SplashScreenWnd";

std::wstring Wide(const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}

// Selects a picture's palette into a DC for the scope, when it has one.
class PaletteScope {
 public:
  PaletteScope(HDC dc, HPALETTE palette) : dc_(dc) {
    if (palette) {
      previous_ = SelectPalette(dc, palette, FALSE);
      RealizePalette(dc);
    }
  }
  PaletteScope(const PaletteScope&) = delete;
  PaletteScope& operator=(const PaletteScope&) = delete;
  ~PaletteScope() {
    if (previous_) SelectPalette(dc_, previous_, FALSE);
  }

 private:
  HDC dc_;
  HPALETTE previous_ = nullptr;
};

}  // namespace

Picture::~Picture() {
  if (picture_) picture_->Release();
}

bool Picture::Load(const std::string& path) {
  path_ = path;
  transparent_ = false;
  // The picture loader copies the name into a buffer of the path limit.
  if (path.size() > kMaxPathChars) return false;
  std::wstring wide = Wide(path);
  IPicture* loaded = nullptr;
  HRESULT hr = OleLoadPicturePath(const_cast<LPOLESTR>(wide.c_str()), nullptr, 0, 0, IID_IPicture,
                                  reinterpret_cast<void**>(&loaded));
  if (FAILED(hr) || !loaded) return false;
  if (picture_) picture_->Release();
  picture_ = loaded;

  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  himetricWidth_ = width;
  himetricHeight_ = height;

  WindowDc screen(nullptr);
  layout::Size pixels = layout::HimetricToPixels(
      {static_cast<int32_t>(width), static_cast<int32_t>(height)},
      GetDeviceCaps(screen.get(), LOGPIXELSX), GetDeviceCaps(screen.get(), LOGPIXELSY));
  geometry_ = layout::PictureGeometry::FromNatural(pixels);
  ResetSource();

  DWORD attributes = 0;
  if (SUCCEEDED(picture_->get_Attributes(&attributes)) &&
      (attributes & kTransparentAttribute) != 0) {
    transparent_ = true;
  }
  return true;
}

void Picture::ResetSource() {
  // The picture object's coordinates run upwards: start at the bottom edge.
  sourceLeft_ = 0;
  sourceTop_ = himetricHeight_;
  sourceWidth_ = himetricWidth_;
  sourceHeight_ = -himetricHeight_;
}

bool Picture::Draw(HDC target, const RECT& bounds) const {
  if (!picture_) return false;
  OLE_HANDLE paletteHandle = 0;
  picture_->get_hPal(&paletteHandle);
  HPALETTE palette = reinterpret_cast<HPALETTE>(static_cast<UINT_PTR>(paletteHandle));
  PaletteScope targetPalette(target, palette);

  const layout::PictureGeometry& g = geometry_;
  DWORD attributes = 0;
  bool viaBitmap = transparent_ || FAILED(picture_->get_Attributes(&attributes));
  if (!viaBitmap) {
    picture_->Render(target, g.left, g.top, g.width, g.height, sourceLeft_, sourceTop_,
                     sourceWidth_, sourceHeight_, &bounds);
    return true;
  }

  // Compose off screen on the window colour so that transparent parts show
  // it, then copy in one go: no flicker, no garbage behind the picture.
  if (g.width <= 0 || g.height <= 0) return true;
  HDC memory = CreateCompatibleDC(target);
  if (!memory) return false;
  BitmapHandle bitmap(CreateCompatibleBitmap(target, g.width, g.height));
  if (bitmap) {
    SelectObjectScope selected(memory, bitmap.get());
    PaletteScope memoryPalette(memory, palette);
    RECT all = {0, 0, g.width, g.height};
    FillRect(memory, &all, GetSysColorBrush(COLOR_WINDOW));
    picture_->Render(memory, 0, 0, g.width, g.height, sourceLeft_, sourceTop_, sourceWidth_,
                     sourceHeight_, &all);
    BitBlt(target, g.left, g.top, g.width, g.height, memory, 0, 0, SRCCOPY);
  }
  DeleteDC(memory);
  return bitmap ? true : false;
}

bool PictureWindow::Create(HWND parent, int width, int height, DWORD style) {
  return CreateCustom(kPictureWindowClass, kPictureWindowText, style, 0, 0, width, height, parent);
}

void PictureWindow::AttachPicture(const Picture* picture) {
  picture_ = picture;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void PictureWindow::Close() {
  if (window_ && IsWindow(window_)) SendMessageA(window_, WM_CLOSE, 0, 0);
}

LRESULT PictureWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) return Default(message, wParam, lParam);
  Paint();
  return 0;
}

void PictureWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  BrushHandle brush(hatched_ ? CreateHatchBrush(HS_CROSS, RGB(187, 187, 187))
                             : CreateSolidBrush(RGB(255, 255, 255)));
  FillRect(dc, &client, brush.get());
  if (picture_) picture_->Draw(dc, client);
  EndPaint(window_, &paint);
}

}  // namespace win32
