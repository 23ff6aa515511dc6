#include "wizard/win32/help_link.h"

#include "wizard/win32/wizard_app.h"

bool HelpLink::OpenLink() {
  WizardApp::Current().ShowHelpTopic(topic_, ::GetParent(hwnd()));
  return true;
}

bool ActionLink::OpenLink() {
  if (action_) action_();
  return true;
}
