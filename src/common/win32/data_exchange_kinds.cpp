// The kinds of binding, kept apart from the steps over them: a static
// program links an object file whole, and the starter binds none of these.
#include <vector>

#include "common/field_rules.h"
#include "common/text.h"
#include "common/win32/data_exchange.h"
#include "common/win32/window_util.h"

namespace win32 {
namespace {

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
  return ::SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

std::string ItemText(HWND dialog, int id) { return WindowText(::GetDlgItem(dialog, id)); }

bool ExchangeCheck(HWND dialog, const Binding& binding, ExchangeStep step, std::string*) {
  bool* checked = static_cast<bool*>(binding.value);
  if (step == ExchangeStep::kShow) {
    ::CheckDlgButton(dialog, binding.id, *checked ? BST_CHECKED : BST_UNCHECKED);
  } else if (step == ExchangeStep::kSave) {
    *checked = ::IsDlgButtonChecked(dialog, binding.id) == BST_CHECKED;
  }
  return true;
}

bool ExchangeRadio(HWND dialog, const Binding& binding, ExchangeStep step, std::string*) {
  int* index = static_cast<int*>(binding.value);
  int position = 0;
  int checked = -1;
  for (int id = binding.id; id <= binding.lastId; ++id) {
    HWND button = ::GetDlgItem(dialog, id);
    if (!button || !(::SendMessageA(button, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON)) continue;
    if (step == ExchangeStep::kShow) {
      ::SendMessageA(button, BM_SETCHECK, position == *index ? BST_CHECKED : BST_UNCHECKED, 0);
    } else if (checked < 0 && ::SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED) {
      checked = position;
    }
    ++position;
  }
  if (step == ExchangeStep::kSave) *index = checked;
  return true;
}

bool ExchangeNumber(HWND dialog, const Binding& binding, ExchangeStep step, std::string* prompt) {
  int32_t* value = static_cast<int32_t*>(binding.value);
  if (step == ExchangeStep::kShow) {
    ::SetDlgItemTextA(dialog, binding.id, text::Format("%d", *value).c_str());
    return true;
  }
  const std::optional<int32_t> number =
      fields::ParseNumberField(ItemText(dialog, binding.id), binding.min, binding.max);
  if (!number) {
    *prompt = fields::IntegerRangePrompt(binding.min, binding.max);
    return false;
  }
  if (step == ExchangeStep::kSave) *value = *number;
  return true;
}

bool ExchangeText(HWND dialog, const Binding& binding, ExchangeStep step, std::string* prompt) {
  std::string* value = static_cast<std::string*>(binding.value);
  if (step == ExchangeStep::kShow) {
    if (binding.max > 0) SendItem(dialog, binding.id, EM_LIMITTEXT, binding.max);
    ::SetDlgItemTextA(dialog, binding.id, value->c_str());
    return true;
  }
  std::string typed = ItemText(dialog, binding.id);
  if (!fields::FitsTextField(typed, binding.max)) {
    *prompt = fields::TextLengthPrompt(binding.max);
    return false;
  }
  if (step == ExchangeStep::kSave) *value = std::move(typed);
  return true;
}

// Combo boxes and list boxes share the index exchange; only the messages differ.
template <UINT kGetSelection, UINT kSetSelection>
bool ExchangeIndex(HWND dialog, const Binding& binding, ExchangeStep step, std::string*) {
  int* index = static_cast<int*>(binding.value);
  if (step == ExchangeStep::kShow) SendItem(dialog, binding.id, kSetSelection, *index);
  if (step == ExchangeStep::kSave) {
    *index = static_cast<int>(SendItem(dialog, binding.id, kGetSelection));  // CB_ERR, LB_ERR: -1
  }
  return true;
}

bool HasEditField(HWND combo) {
  return (::GetWindowLongA(combo, GWL_STYLE) & 3) != CBS_DROPDOWNLIST;
}

std::string SelectedItemText(HWND combo) {
  const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
  if (selected < 0) return {};
  const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0);
  if (length < 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  const LRESULT copied =
      ::SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(buffer.data()));
  return std::string(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

bool ExchangeComboText(HWND dialog, const Binding& binding, ExchangeStep step, std::string*) {
  std::string* value = static_cast<std::string*>(binding.value);
  HWND combo = ::GetDlgItem(dialog, binding.id);
  if (step == ExchangeStep::kShow) {
    const LRESULT found = value->empty()
                              ? CB_ERR
                              : ::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(value->c_str()));
    ::SendMessageA(combo, CB_SETCURSEL, found, 0);
    if (HasEditField(combo)) ::SetWindowTextA(combo, value->c_str());
  } else if (step == ExchangeStep::kSave) {
    *value = HasEditField(combo) ? WindowText(combo) : SelectedItemText(combo);
  }
  return true;
}

}  // namespace

Binding BindCheck(int id, bool* checked) {
  return {.exchange = ExchangeCheck, .id = id, .value = checked};
}

Binding BindRadio(int first, int last, int* index) {
  return {.exchange = ExchangeRadio, .id = first, .lastId = last, .value = index};
}

Binding BindNumber(int id, int32_t* value, int32_t min, int32_t max) {
  return {.exchange = ExchangeNumber, .id = id, .min = min, .max = max, .value = value};
}

Binding BindText(int id, std::string* text, int32_t maxLength) {
  return {.exchange = ExchangeText, .id = id, .max = maxLength, .value = text};
}

Binding BindComboIndex(int id, int* index) {
  return {.exchange = ExchangeIndex<CB_GETCURSEL, CB_SETCURSEL>, .id = id, .value = index};
}

Binding BindComboText(int id, std::string* text) {
  return {.exchange = ExchangeComboText, .id = id, .value = text};
}

Binding BindListIndex(int id, int* index) {
  return {.exchange = ExchangeIndex<LB_GETCURSEL, LB_SETCURSEL>, .id = id, .value = index};
}

}  // namespace win32
