#include "starter/win32/error_dialogs.h"

#include "common/text.h"
#include "common/win32/window_util.h"
#include "resource.h"
#include "starter/starter_texts.h"

ErrorDialog::ErrorDialog(const ErrorDialogTexts& texts) : Dialog(IDD_ERROR), texts_(texts) {}

std::vector<win32::TextBinding> ErrorDialog::TextBindings() {
  return {{IDE_ERROR_MESSAGE, &texts_.message},
          {IDE_ERROR_FILE, &texts_.fileLine},
          {IDE_ERROR_CODE, &texts_.codeLine}};
}

std::vector<win32::ControlBinding> ErrorDialog::ControlBindings() {
  return {{IDE_ERROR_MESSAGE, &message_}, {IDT_ERROR_LINK, &link_}};
}

bool ErrorDialog::OnInit() {
  link_.SetTarget(std::string(starter_texts::kWebSite) + starter_texts::kErrorPage);
  win32::SetEditMargins(Item(IDE_ERROR_MESSAGE));
  const SIZE client = ClientSize();
  MoveItem(IDT_ERROR_SEPARATOR, 5, client.cy - 40, client.cx - 10, 2);
  return true;
}

CustomErrorDialog::CustomErrorDialog(const CustomErrorDialogTexts& texts)
    : Dialog(IDD_CUSTOM_ERROR), texts_(texts) {}

std::vector<win32::TextBinding> CustomErrorDialog::TextBindings() {
  return {{IDT_CUSTOM_ERROR_LINK, &texts_.linkText},
          {IDE_CUSTOM_ERROR_TEXT, &texts_.errorText},
          {IDT_CUSTOM_ERROR_CODE, &texts_.codeLine}};
}

std::vector<win32::ControlBinding> CustomErrorDialog::ControlBindings() {
  return {{IDE_CUSTOM_ERROR_TEXT, &errorText_}, {IDT_CUSTOM_ERROR_LINK, &link_}};
}

bool CustomErrorDialog::OnInit() {
  link_.SetTarget(texts_.contactUrl);
  if (texts_.linkText.empty()) texts_.linkText = texts_.contactUrl;
  texts_.errorText = text::ReplaceAll(texts_.errorText, "<br>", "\r\n");
  win32::SetEditMargins(Item(IDE_CUSTOM_ERROR_TEXT));
  const SIZE client = ClientSize();
  MoveItem(IDT_CUSTOM_ERROR_SEPARATOR, 5, client.cy - 38, client.cx - 10, 2);
  return true;
}

void ShowErrorDialog(HWND parent, const ErrorDialogTexts& texts) {
  ErrorDialog dialog(texts);
  dialog.RunModal(parent);
}

void ShowCustomErrorDialog(HWND parent, const CustomErrorDialogTexts& texts) {
  CustomErrorDialog dialog(texts);
  dialog.RunModal(parent);
}
