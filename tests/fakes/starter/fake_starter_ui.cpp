#include "fake_starter_ui.h"

#include "common/text.h"

std::vector<std::string> FakeStarterUi::Seen() const {
  std::vector<std::string> seen;
  for (const std::string& line : *journal) {
    if (!text::StartsWith(line, "Event") && !text::StartsWith(line, "SignalOnHide")) {
      seen.push_back(line);
    }
  }
  return seen;
}

void FakeStarterUi::ShowMessage(const std::string& text) { Log("Message(" + text + ")"); }

void FakeStarterUi::SetWaitCursor(bool on) { Log(on ? "WaitCursor(on)" : "WaitCursor(off)"); }

StarterUi::Answer FakeStarterUi::AskYesNo(const std::string& text, Answer defaultButton) {
  Answer answer = defaultButton;
  if (!answers.empty()) {
    answer = answers.front();
    answers.pop_front();
  }
  Log("Question(" + text + ")" + (defaultButton == Answer::kNo ? "[No]" : "[Yes]") + "->" +
      (answer == Answer::kYes ? "Yes" : "No"));
  return answer;
}

bool FakeStarterUi::RunWelcome(const WelcomeSettings& settings) {
  lastWelcome = settings;
  Log("Welcome(" + settings.title + ")->" + (welcomeAccepted ? "Open" : "Cancel"));
  return welcomeAccepted;
}

bool FakeStarterUi::RunLicence(const std::string& agreementFile) {
  Log("Licence(" + agreementFile + ")->" + (licenceAccepted ? "Yes" : "No"));
  return licenceAccepted;
}

void FakeStarterUi::ShowError(const std::string& message, const std::string& fileLine,
                              const std::string& codeLine) {
  Log("Error(" + message + "|" + fileLine + "|" + codeLine + ")");
}

void FakeStarterUi::ShowAuthorError(const std::string& url, const std::string& linkText,
                                    const std::string& errorText, const std::string& codeLine) {
  Log("AuthorError(" + url + "|" + linkText + "|" + errorText + "|" + codeLine + ")");
}

bool FakeStarterUi::CreateSplash(const std::string& fileName) {
  Log("Splash(" + fileName + ")");
  splash_ = createsSplash;
  return splash_;
}

void FakeStarterUi::UpdateSplash(const std::string& fileName, bool showAgain) {
  Log("SplashUpdate(" + fileName + ")" + (showAgain ? "+Show" : ""));
}

void FakeStarterUi::HideSplash() { Log("SplashHide"); }

void FakeStarterUi::CloseSplash() {
  Log("SplashClose");
  splash_ = false;
}

void FakeStarterUi::SetSplashSignalOnHide(bool on) {
  Log(std::string("SignalOnHide(splash,") + (on ? "on" : "off") + ")");
}

bool FakeStarterUi::CreateBackground() {
  Log("Background");
  background_ = true;
  return true;
}

void FakeStarterUi::SetBackgroundSignalOnHide(bool on) {
  Log(std::string("SignalOnHide(background,") + (on ? "on" : "off") + ")");
}

void FakeStarterUi::CloseBackground() {
  Log("BackgroundClose");
  background_ = false;
}

void FakeStarterUi::CreateCloseEvent() {
  Log("EventCreate");
  eventCreated = !eventCreationFails;
}

void FakeStarterUi::ResetCloseEvent() {
  Log("EventReset");
  eventSet = false;
}

void FakeStarterUi::SetCloseEvent() {
  Log("EventSet");
  eventSet = true;
}

void FakeStarterUi::ReleaseCloseEvent() {
  Log("EventRelease");
  eventCreated = false;
}

OsHandle FakeStarterUi::CloseEventHandle() const {
  return eventCreated ? const_cast<int*>(&eventToken_) : nullptr;
}

void FakeStarterUi::RunSelection(const SelectionSettings& settings,
                                 const OpenSelectedFn& openSelected) {
  lastSelection = settings;
  Log("Select(" + settings.title + "|" + std::to_string(settings.targets.size()) + ")");
  while (!picks.empty()) {
    int index = picks.front();
    picks.pop_front();
    if (openSelected(index) && !settings.reselect) break;
  }
}

void FakeStarterUi::DisableSelection() { Log("SelectDisabled"); }
