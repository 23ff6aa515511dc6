// A static text control shown as a web-style link: underlined, purple
// (red while the mouse is over it), hand cursor; a click opens its target
// through the shell.
#pragma once

#include <string>

#include "common/win32/handles.h"
#include "common/win32/subclassed_control.h"

namespace win32 {

class HyperlinkStatic : public SubclassedControl {
 public:
  enum class State { kNormal = 0, kVisited = 1, kHover = 2 };

  static constexpr COLORREF kNormalColour = RGB(128, 0, 128);
  static constexpr COLORREF kVisitedColour = RGB(128, 0, 128);
  static constexpr COLORREF kHoverColour = RGB(200, 0, 0);
  // The command the control posts itself on a click, so that the link opens
  // after the click is processed; 99999 as a word parameter, 34463 as its
  // low word.
  static constexpr WPARAM kOpenCommandParam = 99999;
  static constexpr int kOpenCommand = 34463;

  HyperlinkStatic();

  void SetTarget(const std::string& target) { target_ = target; }
  const std::string& target() const { return target_; }
  State state() const { return state_; }
  COLORREF CurrentColour() const;

  // Opens the target: the Internet Shortcut object, then the shell, else a
  // message naming the target. True on success.
  virtual bool OpenLink();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnReflectedColour(HDC dc);
  // Leaves the hover state and gives the mouse back (unless it went already:
  // while the state is hover, the link holds the capture).
  void LeaveHover(bool release = true);
  void Repaint();

  std::string target_;
  HCURSOR cursor_;
  State state_ = State::kNormal;
  State stateBeforeHover_ = State::kNormal;
  FontHandle linkFont_;
};

}  // namespace win32
