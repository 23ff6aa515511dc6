// A guided tour of Discwright for `make demo` on a screen nobody watches:
// starts the installed wizard, photographs the welcome page, each page of
// the configuration wizard, the main window and the exit question, clicking
// on as an author would. Every wait is bounded, so the tour always ends.
//
//   wizard_tour DISCWRIGHT_EXE OUTPUT_FOLDER [DOCUMENT [IMAGE]]
//
// DOCUMENT (a Unix path) is the file the tour chooses to open; its folder gets
// the CD files, and with IMAGE (a Unix path) the CD image is made there from
// the last page. Screenshots go to OUTPUT_FOLDER/wizard-NN-WINDOW.bmp (a Unix
// folder). Questions on the way are photographed and answered Yes.
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/text.h"
#include "driver.h"
#include "wizard/res/resource.h"

namespace e2e {
namespace {

using std::chrono_literals::operator""s;
using std::chrono_literals::operator""ms;

constexpr const char* kFrameTitle = "QUAV ZoruZaz AZ";
constexpr const char* kMessageTitle = "ZoruZaz AZ";

class WizardTour {
 public:
  WizardTour(std::string exe, std::string out, std::string document, std::string image)
      : exe_(std::move(exe)),
        out_(std::move(out)),
        document_(std::move(document)),
        image_(std::move(image)) {}

  int Run() {
    std::optional<Process> process = Process::Start(exe_);
    if (!process) return Fail("Discwright did not start");
    process_ = &*process;
    HWND welcome = WaitForWindow(*process_, kFrameTitle, kDialogClass, 20s);
    if (!welcome) return Fail("no welcome page");
    Shoot("welcome", welcome);
    // OK with "create" starts the configuration wizard.
    ::CheckRadioButton(PageOf(welcome), IDR_WELCOME_CREATE, IDR_WELCOME_OPEN, IDR_WELCOME_CREATE);
    ClickButton(welcome, IDB_FRAME_FINISH);
    WaitForWindowGone(welcome);
    HWND frame = WaitForWindow(*process_, kFrameTitle, kDialogClass);
    if (!frame) return Fail("no configuration wizard");
    for (int page = 0; page < 8; ++page) {
      const std::string title = ControlText(frame, IDT_FRAME_TITLE);
      HWND shown = PageOf(frame);
      if (shown && Control(shown, IDE_FILE_PATH) && !document_.empty()) {
        ClickButton(shown, IDR_FILE_ONE);
        SetControlText(shown, IDE_FILE_PATH, document_);
      }
      Shoot(text::ToLower(text::ReplaceAll(title, " ", "-")), frame);
      if (IsControlEnabled(frame, IDB_FRAME_FINISH)) {
        if (!image_.empty() && shown && ClickButton(shown, IDB_CREATED_IMAGE)) MakeImage();
        ClickButton(frame, IDB_FRAME_FINISH);
        break;
      }
      ClickButton(frame, IDB_FRAME_NEXT);
      WaitUntil([&] { return ControlText(frame, IDT_FRAME_TITLE) != title || AnswerQuestion(); },
                10s);
      while (AnswerQuestion()) {
      }
      if (ControlText(frame, IDT_FRAME_TITLE) == title) break;  // the page kept us
    }
    if (::IsWindow(frame)) {
      ClickButton(frame, IDB_FRAME_CANCEL);
      WaitForWindowGone(frame);
    }
    // "Would you like to test your configuration?" after Finish.
    WaitUntil([&] { return AnswerQuestion(IDNO); }, 3s);
    HWND main = nullptr;
    WaitUntil([&] {
      for (HWND window : TopLevelWindows(process_->Pid()))
        if (text::StartsWith(WindowText(window), kMessageTitle)) main = window;
      return main != nullptr;
    });
    if (!main) return Fail("no main window");
    Shoot("main", main);
    ClickButton(main, IDB_MAIN_CLOSE);
    if (!WaitUntil([&] { return AnswerQuestion(IDYES); })) return Fail("no exit question");
    process_->WaitForExit();
    return 0;
  }

 private:
  // The save step (its label and size), the progress window and the message.
  void MakeImage() {
    HWND save = WaitForWindow(*process_, "Create CD Image", kDialogClass);
    if (!save) return;
    Shoot("image-save", save);
    for (int nameBox : {0x47c, 0x480}) SetControlText(save, nameBox, image_);  // combo, or edit
    PostCommand(save, IDOK);
    WaitUntil([&] { return AnswerQuestion(IDOK); }, 60s);
  }

  // The page shown in a frame: its child dialog.
  static HWND PageOf(HWND frame) {
    for (HWND child = ::GetWindow(frame, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
      if (ClassName(child) == kDialogClass && ::IsWindowVisible(child)) return child;
    return nullptr;
  }

  // Photographs a message box of the wizard that is up and answers it (Yes,
  // or `answer`, or OK when it has only that); false when none is up.
  bool AnswerQuestion(int answer = IDYES) {
    // The main window shares the message boxes' title and class: a box is
    // told apart by lacking the main window's Close button.
    for (HWND window : TopLevelWindows(process_->Pid())) {
      if (WindowText(window) != kMessageTitle || ClassName(window) != kDialogClass ||
          Control(window, IDB_MAIN_CLOSE))
        continue;
      Shoot("question", nullptr);
      const bool yesNo = Control(window, IDYES) != nullptr;
      AnswerMessageBox(window, yesNo ? answer : IDOK);
      return true;
    }
    return false;
  }

  void Shoot(const std::string& name, HWND window) {
    ::Sleep(700);
    const std::string file = text::Format("wizard-%02d-%s.bmp", ++shot_, name.c_str());
    const bool saved = SaveScreenshot(out_ + "\\" + file, window);
    std::printf("tour wizard: screenshot %s%s\n", file.c_str(), saved ? "" : " failed");
    std::fflush(stdout);
  }

  int Fail(const char* what) {
    std::printf("tour wizard: %s\n", what);
    Shoot("failure", nullptr);
    return 1;
  }

  std::string exe_;
  std::string out_;
  std::string document_;
  std::string image_;
  Process* process_ = nullptr;
  int shot_ = 0;
};

}  // namespace
}  // namespace e2e

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) {
    std::printf("usage: wizard_tour DISCWRIGHT_EXE OUTPUT_FOLDER [DOCUMENT [IMAGE]]\n");
    return 2;
  }
  // The script hands in a Unix folder for the screenshots.
  const std::string out = e2e::WindowsPath(argv[2]);
  ::CreateDirectoryA(out.c_str(), nullptr);
  e2e::WizardTour tour(argv[1], out, argc >= 4 ? e2e::WindowsPath(argv[3]) : std::string(),
                       argc == 5 ? e2e::WindowsPath(argv[4]) : std::string());
  return tour.Run();
}
