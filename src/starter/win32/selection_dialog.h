// The file selection dialog: the CD's entries by display name, optionally with
// the author's picture, title and prompt. "&Open" or a double click hands the
// chosen entry to the starter; a right click shows the entry's properties.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/win32/copy_edit.h"
#include "common/win32/dialog.h"
#include "common/win32/picture.h"
#include "common/win32/subclassed_control.h"
#include "starter/starter_ui.h"

class SelectionDialog;

// The list box, taken over for its right button.
class SelectionList : public win32::SubclassedControl {
 public:
  explicit SelectionList(SelectionDialog& owner) : owner_(owner) {}

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  SelectionDialog& owner_;
};

class SelectionDialog : public win32::Dialog {
 public:
  SelectionDialog(const SelectionSettings& settings, StarterUi::OpenSelectedFn openSelected);
  ~SelectionDialog() override;

  // While a picked file opens nothing more can be picked.
  void DisableChoice();
  // Right button released at `clientPoint` of the list: select the entry
  // there and offer its properties.
  void OnListRightButtonUp(POINT clientPoint);
  // The properties of the selected entry, modally.
  void ShowProperties();

  bool PictureShown() const { return pictureWindow_ != nullptr; }
  HWND PictureWindowHandle() const { return pictureWindow_ ? pictureWindow_->Handle() : nullptr; }

 protected:
  win32::DispatchTable Table() const override;
  bool OnInit() override;
  void Accept() override;  // "&Open" and Enter
  void Cancel() override;  // "&Close" and Esc

 private:
  void OnDoubleClick();
  // Hands the selected entry to the starter; true when the choice was made.
  bool Choose();
  void FillList();
  void Layout();
  int Selected() const;

  SelectionSettings settings_;
  StarterUi::OpenSelectedFn openSelected_;
  // Item data of the list entries: the entries' file paths, owned here.
  std::vector<std::string> paths_;
  SelectionList list_{*this};
  win32::Picture picture_;
  std::unique_ptr<win32::PictureWindow> pictureWindow_;
  bool choosing_ = false;  // an opening is under way (messages are pumped meanwhile)
};

// "Autorun File Properties": an entry's display name and file.
class SelectionPropertiesDialog : public win32::Dialog {
 public:
  SelectionPropertiesDialog(std::string displayName, std::string file);

 protected:
  std::vector<win32::TextBinding> TextBindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;

 private:
  std::string displayName_;
  std::string file_;
  win32::CopyEdit nameBox_;
  win32::CopyEdit fileBox_;
};
