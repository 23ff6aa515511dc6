#include "common/win32/data_exchange.h"

#include "common/win32/app_message.h"

namespace win32 {
namespace {
void Run(HWND dialog, std::span<const Binding> bindings, ExchangeStep step) {
  for (const Binding& binding : bindings) {
    if (::GetDlgItem(dialog, binding.id)) binding.exchange(dialog, binding, step, nullptr);
  }
}
}  // namespace

void ShowBindings(HWND dialog, std::span<const Binding> bindings) {
  Run(dialog, bindings, ExchangeStep::kShow);
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
  Run(dialog, bindings, ExchangeStep::kSave);
  return true;
}

}  // namespace win32
