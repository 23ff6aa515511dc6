#include "common/win32/data_exchange.h"

#include "common/win32/app_message.h"

namespace win32 {

void ShowBindings(HWND dialog, std::span<const Binding> bindings) {
  for (const Binding& binding : bindings) {
    if (::GetDlgItem(dialog, binding.id)) {
      binding.exchange(dialog, binding, ExchangeStep::kShow, nullptr);
    }
  }
}

const Binding* FindRefusal(HWND dialog, std::span<const Binding> bindings, std::string* prompt) {
  for (const Binding& binding : bindings) {
    if (::GetDlgItem(dialog, binding.id) &&
        !binding.exchange(dialog, binding, ExchangeStep::kCheck, prompt)) {
      return &binding;
    }
  }
  return nullptr;
}

bool SaveBindings(HWND dialog, std::span<const Binding> bindings) {
  std::string prompt;
  if (const Binding* refused = FindRefusal(dialog, bindings, &prompt)) {
    ShowAppMessage(dialog, prompt);
    // The dialog manager's own way of moving the focus keeps the default
    // button right.
    HWND control = ::GetDlgItem(dialog, refused->id);
    ::SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    ::SendMessageA(control, EM_SETSEL, 0, -1);
    return false;
  }
  for (const Binding& binding : bindings) {
    if (::GetDlgItem(dialog, binding.id)) {
      binding.exchange(dialog, binding, ExchangeStep::kSave, nullptr);
    }
  }
  return true;
}

void TakeAcceptedBindings(HWND dialog, std::span<const Binding> bindings) {
  std::string prompt;
  for (const Binding& binding : bindings) {
    if (::GetDlgItem(dialog, binding.id) &&
        binding.exchange(dialog, binding, ExchangeStep::kCheck, &prompt)) {
      binding.exchange(dialog, binding, ExchangeStep::kSave, nullptr);
    }
  }
}

std::vector<Binding> BoundDialog::Bindings() { return {}; }

void BoundDialog::ShowCheckedMembers() { ShowBindings(hwnd(), Bindings()); }

bool BoundDialog::SaveCheckedMembers() { return SaveBindings(hwnd(), Bindings()); }

}  // namespace win32
