// The welcome gate: the CD author's title, message, picture and link, with
// "&Open CD" to go on and "&Cancel" to stop.
#pragma once

#include <optional>
#include <string>

#include "common/win32/bold_font.h"
#include "common/win32/copy_edit.h"
#include "common/win32/dialog.h"
#include "common/win32/hyperlink_static.h"
#include "common/win32/picture.h"
#include "starter/starter_ui.h"
#include "starter/welcome_layout.h"

class WelcomeDialog : public win32::Dialog {
 public:
  explicit WelcomeDialog(const WelcomeSettings& settings);

  // Closes the picture window; the caller does this once the dialog returned.
  void ClosePicture() { pictureWindow_.Close(); }

  const win32::HyperlinkStatic& link() const { return link_; }
  const win32::PictureWindow& pictureWindow() const { return pictureWindow_; }
  const win32::Picture& picture() const { return picture_; }
  // What the layout decided when the dialog opened.
  const layout::WelcomeLayout& lastLayout() const { return layout_; }

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::TextBinding> TextBindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  void OnCancelButton() { Cancel(); }
  // Loads the picture and gives its natural size; nullopt (after telling
  // the user) when it cannot be loaded.
  std::optional<layout::Size> LoadPicture();
  // The screen and control sizes the layout needs (all but the title's).
  layout::WelcomeInput Measure();
  void Apply(const layout::WelcomeLayout& out);
  void ApplyPicture(const layout::WelcomeLayout& out);

  WelcomeSettings settings_;
  std::string title_;
  std::string message_;
  std::string linkText_;
  win32::BoldFont boldFont_;
  win32::CopyEdit messageBox_;
  win32::HyperlinkStatic link_;
  win32::Picture picture_;
  win32::PictureWindow pictureWindow_;
  layout::WelcomeLayout layout_;
};

// IDOK for "&Open CD" or Enter, IDCANCEL for "&Cancel" or Esc. The picture
// window is closed before this returns.
INT_PTR RunWelcomeDialog(HWND parent, const WelcomeSettings& settings);
