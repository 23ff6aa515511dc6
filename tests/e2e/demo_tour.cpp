// A guided tour of a sample CD for `make demo` on a screen nobody watches:
// starts the CD's starter as AutoRun would, waits for each window the CD's
// autorun.inf asks for, photographs the screen and clicks on as a visitor
// would. A window that does not come is reported and the tour goes on; every
// wait is bounded, so the tour always ends.
//
//   demo_tour CD_FOLDER OUTPUT_FOLDER NAME
//
// Screenshots go to OUTPUT_FOLDER\NAME-NN-WINDOW.bmp; what happened is printed
// and also written to OUTPUT_FOLDER\NAME-tour.txt.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/text.h"
#include "driver.h"
#include "starter/background_settings.h"
#include "starter/res/resource.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""s;
using std::chrono_literals::operator""ms;

constexpr Ms kWindowTimeout = 15s;
// Time for a window to paint (and a picture to load) before it is photographed.
constexpr Ms kPaintTime = 700ms;
// The starter goes on at once behind a modeless window, so that is
// photographed sooner, before the next window covers it.
constexpr Ms kModelessPaintTime = 250ms;
constexpr const char* kSplashTitle = "CD AutoRun, please wait ...";
constexpr const char* kWelcomeTemplateTitle = "Welcome";
constexpr const char* kLicenceTitle = "License Agreement";
constexpr const char* kSelectionTemplateTitle = "CD AutoRun: Please select a file";
constexpr const char* kPropertiesTitle = "Autorun File Properties";
constexpr const char* kErrorTitle = "Error Opening File";
constexpr const char* kNotepadClass = "Notepad";
constexpr const char* kMenuClass = "#32768";
constexpr const char* kAutorunSection = "autorun";
// Profile values are read through a buffer of this many characters.
constexpr DWORD kValueSize = 5000;

class Tour {
 public:
  Tour(std::string cd, std::string out, std::string name)
      : cd_(std::move(cd)), out_(std::move(out)), name_(std::move(name)) {
    log_ = std::fopen((out_ + "\\" + name_ + "-tour.txt").c_str(), "w");
  }
  ~Tour() {
    if (log_) std::fclose(log_);
  }
  Tour(const Tour&) = delete;
  Tour& operator=(const Tour&) = delete;

  int Run();

 private:
  // One window of the tour: how to find it and what to do once it is there.
  struct Stop {
    std::string name;
    std::function<HWND()> find;
    std::function<void(HWND)> act;
  };

  void Say(const std::string& line);
  std::string Value(const std::string& key) const;
  bool Flag(const std::string& key) const { return Value(key) == "1"; }
  std::vector<Stop> Plan();
  bool StartStarter();
  // Waits for stop `index`; gives up early when a later stop's window shows.
  HWND WaitForStop(const std::vector<Stop>& stops, size_t index);
  void Shoot(const std::string& window, Ms paintTime = kPaintTime);
  void CloseNotepads();
  // A failure to open shows the starter's error dialog instead of the next
  // window: photographed and closed, so that the starter can end.
  void ShootError();

  // The actions.
  void OnWelcome(HWND welcome);
  void OnLicence(HWND licence);
  void OnSelection(HWND selection);
  void OnNotepad(HWND notepad);

  std::string cd_;
  std::string out_;
  std::string name_;
  std::FILE* log_ = nullptr;
  std::optional<Process> starter_;
  int shot_ = 0;
  int missed_ = 0;
};

void Tour::Say(const std::string& line) {
  std::printf("tour %s: %s\n", name_.c_str(), line.c_str());
  std::fflush(stdout);
  if (log_) {
    std::fprintf(log_, "%s\n", line.c_str());
    std::fflush(log_);
  }
}

std::string Tour::Value(const std::string& key) const {
  std::string value(kValueSize, '\0');
  const DWORD length = ::GetPrivateProfileStringA(kAutorunSection, key.c_str(), "", value.data(),
                                                  kValueSize, (cd_ + "\\autorun.inf").c_str());
  value.resize(length);
  return std::string(text::Trim(value));
}

void Tour::Shoot(const std::string& window, Ms paintTime) {
  ::Sleep(static_cast<DWORD>(paintTime.count()));
  ++shot_;
  const std::string file = text::Format("%s-%02d-%s.bmp", name_.c_str(), shot_, window.c_str());
  if (SaveScreenshot(out_ + "\\" + file))
    Say(text::Format("screenshot %s", file.c_str()));
  else
    Say(text::Format("screenshot %s failed", file.c_str()));
}

HWND Tour::WaitForStop(const std::vector<Stop>& stops, size_t index) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        if ((found = stops[index].find()) != nullptr) return true;
        for (size_t later = index + 1; later < stops.size(); ++later) {
          if (stops[later].find()) return true;
        }
        return false;
      },
      kWindowTimeout);
  return found;
}

// AutoRun runs the OPEN line's program in the CD's root folder.
bool Tour::StartStarter() {
  std::string open = Value("OPEN");
  std::string program;
  std::string arguments;
  if (!open.empty() && open[0] == '"') {
    const size_t end = open.find('"', 1);
    program = open.substr(1, end == std::string::npos ? std::string::npos : end - 1);
    if (end != std::string::npos) arguments = open.substr(end + 1);
  } else {
    const size_t blank = open.find(' ');
    program = open.substr(0, blank);
    if (blank != std::string::npos) arguments = open.substr(blank + 1);
  }
  arguments = std::string(text::Trim(arguments));
  if (program.empty()) {
    Say(text::Format("autorun.inf in %s has no OPEN line", cd_.c_str()));
    return false;
  }
  const std::string command = arguments.empty() ? program : program + " " + arguments;
  Say(text::Format("starting %s in %s", command.c_str(), cd_.c_str()));
  starter_ = Process::Start(cd_ + "\\" + program, arguments, cd_);
  if (!starter_) Say(text::Format("could not start %s", program.c_str()));
  return starter_.has_value();
}

std::vector<Tour::Stop> Tour::Plan() {
  const DWORD pid = starter_->Pid();
  std::vector<Stop> stops;
  auto titled = [pid](std::string title, std::string className) {
    return [pid, title, className] { return FindWindowOf(pid, title, className); };
  };
  auto shootOnly = [this](std::string name) {
    return [this, name](HWND) { Shoot(name, kModelessPaintTime); };
  };

  if (Flag("ShowBackgroundWindow") && text::EqualsNoCase(Value("BackgroundWhenToShow"), "Startup"))
    stops.push_back({"background", titled(background::kWindowText, ""), shootOnly("background")});
  if (Flag("ShowSplashScreen") && text::EqualsNoCase(Value("SplashScreenWhenToShow"), "Startup"))
    stops.push_back({"splash", titled(kSplashTitle, kDialogClass), shootOnly("splash")});
  if (Flag("WelcomeEnabled")) {
    std::string title = Value("WelcomeTitle");
    if (title.empty()) title = kWelcomeTemplateTitle;
    stops.push_back(
        {"welcome", titled(title, kDialogClass), [this](HWND window) { OnWelcome(window); }});
  }
  if (!Value("QUAVLicenseFile").empty()) {
    stops.push_back({"licence", titled(kLicenceTitle, kDialogClass),
                     [this](HWND window) { OnLicence(window); }});
  }
  if (Value("SingleFile") == "0" && !Flag("OpenAllFiles")) {
    std::string title = Value("MultiSelectTitle");
    if (title.empty()) title = kSelectionTemplateTitle;
    stops.push_back(
        {"selection", titled(title, kDialogClass), [this](HWND window) { OnSelection(window); }});
  }
  // The documents of the sample CDs are text files, opened by Notepad.
  stops.push_back({"notepad",
                   [] {
                     HWND window = ::FindWindowA(kNotepadClass, nullptr);
                     return window && ::IsWindowVisible(window) ? window : nullptr;
                   },
                   [this](HWND window) { OnNotepad(window); }});
  return stops;
}

void Tour::OnWelcome(HWND welcome) {
  Shoot("welcome");
  Say("clicking \"&Open CD\"");
  if (!ClickButton(welcome, IDOK)) Say("could not click \"&Open CD\"");
}

void Tour::OnLicence(HWND licence) {
  Shoot("licence");
  Say("clicking \"&Yes\"");
  if (!ClickButtonByText(licence, "&Yes")) Say("could not click \"&Yes\"");
}

void Tour::OnSelection(HWND selection) {
  Shoot("selection");
  const std::vector<std::string> entries = ListBoxItems(selection, IDL_SELECTION_FILES);
  Say(text::Format("the list holds %d entries", static_cast<int>(entries.size())));
  if (entries.empty()) return;
  const int chosen = entries.size() > 1 ? 1 : 0;

  // A right-click on the entry, as the list box would get it from the mouse.
  HWND list = Control(selection, IDL_SELECTION_FILES);
  DWORD_PTR itemHeight = 0;
  ::SendMessageTimeoutA(list, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                        &itemHeight);
  const int y = chosen * static_cast<int>(itemHeight) + static_cast<int>(itemHeight) / 2;
  Say(text::Format("right-clicking \"%s\"", entries[chosen].c_str()));
  ::PostMessageA(list, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, y));
  ::PostMessageA(list, WM_RBUTTONUP, 0, MAKELPARAM(20, y));
  HWND menu = nullptr;
  WaitUntil(
      [&] {
        menu = ::FindWindowA(kMenuClass, nullptr);
        return menu && ::IsWindowVisible(menu);
      },
      3s);
  HWND properties = nullptr;
  if (menu && ::IsWindowVisible(menu)) {
    Shoot("menu");
    // The menu's own loop reads the keys from the dialog thread's queue.
    Say("choosing \"&Properties\"");
    PressKey(selection, VK_DOWN);
    PressKey(selection, VK_RETURN);
    properties = WaitForWindow(*starter_, kPropertiesTitle, kDialogClass, 3s);
    if (!properties) {
      PressKey(selection, VK_ESCAPE);
      WaitUntil([&] { return !::IsWindowVisible(menu); }, 2s);
    }
  } else {
    Say("not shown: the entry's menu");
  }
  if (!properties) {
    SelectListBoxItem(selection, IDL_SELECTION_FILES, chosen);
    PostCommand(selection, ID_SELECTION_PROPERTIES);
    properties = WaitForWindow(*starter_, kPropertiesTitle, kDialogClass, kWindowTimeout);
  }
  if (properties) {
    Shoot("properties");
    Say(text::Format("properties: name \"%s\", file \"%s\"",
                     ControlText(properties, IDE_PROPERTIES_NAME).c_str(),
                     ControlText(properties, IDE_PROPERTIES_FILE).c_str()));
    ClickButtonByText(properties, "&Close");
    WaitForWindowGone(properties, kWindowTimeout);
  } else {
    Say("not shown: properties");
    ++missed_;
  }

  SelectListBoxItem(selection, IDL_SELECTION_FILES, chosen);
  Shoot("selected");
  Say("clicking \"&Open\"");
  if (!ClickButton(selection, IDOK)) Say("could not click \"&Open\"");
}

void Tour::OnNotepad(HWND notepad) {
  Say(text::Format("the document is open: \"%s\"", WindowText(notepad).c_str()));
  Shoot("notepad");
  HWND background = FindWindowOf(starter_->Pid(), background::kWindowText);
  if (background) {
    std::string caption = Value("BackgroundCloseButtonText");
    if (caption.empty()) caption = "Close";
    Say(text::Format("clicking \"%s\" on the background", caption.c_str()));
    if (!ClickButtonByText(background, caption))
      Say(text::Format("could not click \"%s\"", caption.c_str()));
    if (!WaitForWindowGone(background, kWindowTimeout)) Say("the background stays");
    Shoot("closed-background");
  }
  Say("closing Notepad");
  PostClose(notepad);
  WaitForWindowGone(notepad, kWindowTimeout);
}

void Tour::ShootError() {
  HWND error = FindWindowOf(starter_->Pid(), kErrorTitle, kDialogClass);
  if (!error) return;
  Say(text::Format("shown instead: the error dialog: \"%s\"",
                   ControlText(error, IDE_ERROR_MESSAGE).c_str()));
  Shoot("error");
  ClickButtonByText(error, "&Close");
  WaitForWindowGone(error, kWindowTimeout);
}

void Tour::CloseNotepads() {
  for (int i = 0; i < 10; ++i) {
    HWND notepad = ::FindWindowA(kNotepadClass, nullptr);
    if (!notepad) return;
    PostClose(notepad);
    WaitForWindowGone(notepad, 5s);
  }
}

int Tour::Run() {
  if (!log_) std::printf("tour %s: cannot write to %s\n", name_.c_str(), out_.c_str());
  CloseNotepads();
  if (!StartStarter()) return 1;
  const std::vector<Stop> stops = Plan();
  for (size_t i = 0; i < stops.size(); ++i) {
    HWND window = WaitForStop(stops, i);
    if (!window) {
      Say(text::Format("not shown: %s", stops[i].name.c_str()));
      ++missed_;
      ShootError();
      continue;
    }
    Say(text::Format("shown: %s \"%s\"", stops[i].name.c_str(), WindowText(window).c_str()));
    stops[i].act(window);
  }
  const auto code = starter_->WaitForExit(kWindowTimeout);
  if (code) {
    Say(text::Format("the starter ended with code %lu", static_cast<unsigned long>(*code)));
  } else {
    Say(text::Format(
        "the starter was still running after %d s; stopped it",
        static_cast<int>(
            std::chrono::duration_cast<std::chrono::seconds>(kWindowTimeout).count())));
  }
  CloseNotepads();
  Say(text::Format("%d screenshots, %d windows not shown", shot_, missed_));
  return 0;
}

// A Unix path given by the script becomes a Windows one.
std::string Folder(const char* argument) {
  std::string path = argument;
  if (!path.empty() && path[0] == '/') path = WindowsPath(path);
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) {
  if (argc != 4) {
    std::printf("usage: demo_tour CD_FOLDER OUTPUT_FOLDER NAME\n");
    return 2;
  }
  const std::string out = e2e::Folder(argv[2]);
  ::CreateDirectoryA(out.c_str(), nullptr);
  e2e::Tour tour(e2e::Folder(argv[1]), out, argv[3]);
  return tour.Run();
}
