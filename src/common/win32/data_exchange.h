// Data exchange between a dialog's controls and the members they show. A
// dialog lists one Binding per control (or radio group), made by the Bind...
// functions; it shows the members when it opens and saves them, after every
// control has passed its check, when it is accepted.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "common/win32/dialog.h"

namespace win32 {

struct Binding;

enum class ExchangeStep {
  kShow,   // member to control
  kCheck,  // false, with the prompt, when the control's value is refused
  kSave,   // control to member; only once every binding passed kCheck
};
using ExchangeFunction = bool (*)(HWND dialog, const Binding& binding, ExchangeStep step,
                                  std::string* prompt);

// Each kind of binding is one small function that its Bind... function names;
// the kinds live in their own source file, which a program that binds none
// of them (the starter) does not link.
struct Binding {
  ExchangeFunction exchange = nullptr;
  int id = 0;      // the control; a radio group's first id
  int lastId = 0;  // a radio group's last id
  int32_t min = 0;
  int32_t max = 0;  // a number's range; a text's length limit in max (0: none)
  void* value = nullptr;
};

// Check box: checked.
Binding BindCheck(int id, bool* checked);
// The radio buttons among ids first..last, in id order (other controls in
// that range are passed over): the index of the checked one, -1 for none.
Binding BindRadio(int first, int last, int* index);
// Edit holding a whole number within min..max; other text is refused with
// the standard range prompt.
Binding BindNumber(int id, int32_t* value, int32_t min, int32_t max);
// Edit holding at most `maxLength` characters (0: no limit); the edit's own
// limit is set too, and a longer text is refused with the standard prompt.
Binding BindText(int id, std::string* text, int32_t maxLength = 0);
// Combo box: the selected item's index (-1: none), or its text. A combo with
// an edit field exchanges the text typed.
Binding BindComboIndex(int id, int* index);
Binding BindComboText(int id, std::string* text);
// Single-selection list box: the selected item's index (-1: none).
Binding BindListIndex(int id, int* index);

// The steps over a dialog's bindings, in their order. Bindings whose control
// is missing are passed over.
void ShowBindings(HWND dialog, std::span<const Binding> bindings);
// The first binding whose control holds a value it refuses, its prompt put
// in `prompt`; null when every value is accepted.
const Binding* FindRefusal(HWND dialog, std::span<const Binding> bindings, std::string* prompt);
// Checks every control first. On a refusal, shows its prompt in a message
// box in the program's style, puts the focus on the control with its text
// selected (ready to be typed over) and returns false; no member changes.
// Otherwise saves every member.
bool SaveBindings(HWND dialog, std::span<const Binding> bindings);
// Saves the members whose controls hold values they accept, without a
// prompt, and leaves the others as they are: for following the switches
// while a text that leaving the page will refuse is still in its edit.
void TakeAcceptedBindings(HWND dialog, std::span<const Binding> bindings);

// A dialog whose members are listed as Bindings: shown when it opens, and
// checked (then saved) when it is accepted or a page is left.
class BoundDialog : public Dialog {
 public:
  using Dialog::Dialog;
  virtual std::vector<Binding> Bindings();

 protected:
  void ShowCheckedMembers() override;
  bool SaveCheckedMembers() override;
};

}  // namespace win32
