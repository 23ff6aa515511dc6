// The starter's two "Error Opening File" dialogs: the standard one with the
// shell's failure message and code, and the CD author's own one.
#pragma once

#include <string>

#include "common/win32/copy_edit.h"
#include "common/win32/dialog.h"
#include "common/win32/hyperlink_static.h"

struct ErrorDialogTexts {
  std::string message;
  std::string fileLine;
  std::string codeLine;
};

struct CustomErrorDialogTexts {
  std::string contactUrl;
  std::string linkText;   // empty: the URL is shown
  std::string errorText;  // "<br>" marks a line break
  std::string codeLine;
};

class ErrorDialog : public win32::Dialog {
 public:
  explicit ErrorDialog(const ErrorDialogTexts& texts);
  const win32::HyperlinkStatic& link() const { return link_; }

 protected:
  std::vector<win32::TextBinding> TextBindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  ErrorDialogTexts texts_;
  std::string linkText_;
  win32::CopyEdit message_;
  win32::HyperlinkStatic link_;
};

class CustomErrorDialog : public win32::Dialog {
 public:
  explicit CustomErrorDialog(const CustomErrorDialogTexts& texts);
  const win32::HyperlinkStatic& link() const { return link_; }

 protected:
  std::vector<win32::TextBinding> TextBindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;

 private:
  CustomErrorDialogTexts texts_;
  win32::CopyEdit errorText_;
  win32::HyperlinkStatic link_;
};

// Both run modally; the caller has no use for the result.
void ShowErrorDialog(HWND parent, const ErrorDialogTexts& texts);
void ShowCustomErrorDialog(HWND parent, const CustomErrorDialogTexts& texts);
