#include "wizard/win32/cd_image_window.h"

#include <commctrl.h>
#include <commdlg.h>

#include <atomic>
#include <memory>
#include <vector>

#include "common/win32/win32_file_system.h"
#include "image/image_texts.h"
#include "resource.h"
#include "wizard/image_step.h"
#include "wizard/image_step_texts.h"
#include "wizard/pages/win32/list_widths.h"
#include "wizard/win32/report_list.h"
#include "wizard/win32/win32_wizard_questions.h"
#include "wizard/win32/wizard_app.h"
#include "wizard/win32/wizard_dialog.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_texts.h"

namespace cd_image_window {

namespace {

namespace tx = image_step_texts;
using image_step::SaveChoice;
using image_step::SaveStep;

constexpr DWORD kPathChars = 32768;
constexpr UINT_PTR kProgressTimer = 1;
constexpr UINT kProgressMs = 100;
constexpr UINT kBuilt = WM_APP + 1;
constexpr int kBarSteps = 1000;

void InitControls(DWORD classes) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, classes};
  ::InitCommonControlsEx(&controls);
}

// What cannot go on the CD, and whether to go on without it.
class UnfitDialog : public WizardDialog {
 public:
  explicit UnfitDialog(const std::vector<cd_image::UnfitEntry>& unfit)
      : WizardDialog(IDD_IMAGE_UNFIT), unfit_(unfit) {
    InitControls(ICC_LISTVIEW_CLASSES);
  }

 protected:
  win32::DispatchTable Table() const override {
    static const win32::CommandEntry commands[] = {
        win32::OnCommand(IDB_UNFIT_LEAVE_OUT, &UnfitDialog::LeaveOut),
        win32::OnCommand(IDB_UNFIT_CANCEL, &UnfitDialog::Cancel),
    };
    return {{}, commands, {}, BaseTable()};
  }

  bool OnInit() override {
    HWND list = Item(IDL_UNFIT_LIST);
    SetUpReportList(list, {tx::kUnfitPathColumn, tx::kUnfitReasonColumn});
    for (const cd_image::UnfitEntry& entry : unfit_)
      AddReportRow(list, {entry.path, image_texts::UnfitReason(entry)});
    FitColumns(list);
    return true;
  }

 private:
  void LeaveOut() { End(IDOK); }

  const std::vector<cd_image::UnfitEntry>& unfit_;
};

// The progress window: the image is made on a thread of its own, so that
// the windows stay painted; Cancel stops it at the next piece of data.
class ProgressDialog : public WizardDialog {
 public:
  ProgressDialog(cd_image::ImageFileSystem& images, const cd_image::ImagePlan& plan,
                 const SaveChoice& choice)
      : WizardDialog(IDD_IMAGE_PROGRESS), images_(images), plan_(plan), choice_(choice) {
    InitControls(ICC_PROGRESS_CLASS);
  }
  ~ProgressDialog() override {
    if (thread_) {
      cancel_ = true;
      ::WaitForSingleObject(thread_, INFINITE);
      ::CloseHandle(thread_);
    }
  }
  const cd_image::BuildResult& result() const { return result_; }

 protected:
  win32::DispatchTable Table() const override {
    static const win32::MessageEntry messages[] = {
        win32::OnMessage(WM_TIMER, &ProgressDialog::OnTimer),
        win32::OnMessage(kBuilt, &ProgressDialog::OnBuilt),
    };
    static const win32::CommandEntry commands[] = {
        win32::OnCommand(IDB_PROGRESS_CANCEL, &ProgressDialog::Cancel),
    };
    return {messages, commands, {}, BaseTable()};
  }

  bool OnInit() override {
    SetItemText(IDT_PROGRESS_IMAGE, choice_.path);
    ::SendMessageA(Item(IDC_PROGRESS_BAR), PBM_SETRANGE32, 0, kBarSteps);
    total_ = plan_.fileBytes + plan_.estimatedBytes;
    ShowProgress();
    ::SetTimer(hwnd(), kProgressTimer, kProgressMs, nullptr);
    thread_ = ::CreateThread(nullptr, 0, &ProgressDialog::Run, this, 0, nullptr);
    if (!thread_) {
      result_ = Make();
      End(IDOK);
    }
    return true;
  }

  // Esc and the Cancel button stop the image; the window closes when the
  // thread has cleaned up.
  void Cancel() override {
    cancel_ = true;
    ::EnableWindow(Item(IDB_PROGRESS_CANCEL), FALSE);
    SetItemText(IDT_PROGRESS_BYTES, tx::kCancelling);
  }

 private:
  static DWORD WINAPI Run(LPVOID self) {
    auto* dialog = static_cast<ProgressDialog*>(self);
    dialog->result_ = dialog->Make();
    ::PostMessageA(dialog->hwnd(), kBuilt, 0, 0);
    return 0;
  }

  cd_image::BuildResult Make() {
    return cd_image::BuildImage(
        images_, plan_, choice_.path, choice_.label,
        [this](uint64_t done, uint64_t total) {
          done_ = done;
          total_ = total;
        },
        cancel_);
  }

  INT_PTR OnTimer(WPARAM id, LPARAM) {
    if (id == kProgressTimer && !cancel_) ShowProgress();
    return TRUE;
  }

  INT_PTR OnBuilt(WPARAM, LPARAM) {
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
    thread_ = nullptr;
    ::KillTimer(hwnd(), kProgressTimer);
    End(IDOK);
    return TRUE;
  }

  void ShowProgress() {
    const uint64_t done = done_;
    const uint64_t total = total_;
    const int at = total == 0 ? 0 : static_cast<int>(done * kBarSteps / total);
    ::SendMessageA(Item(IDC_PROGRESS_BAR), PBM_SETPOS, at, 0);
    SetItemText(IDT_PROGRESS_BYTES, tx::Progress(done, total, plan_.fileBytes));
  }

  cd_image::ImageFileSystem& images_;
  const cd_image::ImagePlan& plan_;
  SaveChoice choice_;
  std::atomic<uint64_t> done_{0};
  std::atomic<uint64_t> total_{0};
  std::atomic<bool> cancel_{false};
  cd_image::BuildResult result_;
  HANDLE thread_ = nullptr;
};

// The save dialog with a part of its own below: the label and the size.
struct SaveContext {
  const SaveStep& step;
  const image_step::SaveCheck& check;
  std::string label;
};

UINT_PTR CALLBACK SaveHook(HWND part, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    const auto* dialog = reinterpret_cast<const OPENFILENAMEA*>(lParam);
    auto* context = reinterpret_cast<SaveContext*>(dialog->lCustData);
    ::SetWindowLongPtrA(part, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(context));
    ::SendDlgItemMessageA(part, IDE_SAVE_LABEL, EM_LIMITTEXT, cd_image::kMaxLabelChars, 0);
    ::SetDlgItemTextA(part, IDE_SAVE_LABEL, context->step.label.c_str());
    ::SetDlgItemTextA(part, IDT_SAVE_SIZE, context->step.sizeReport.c_str());
    return TRUE;
  }
  if (message != WM_NOTIFY) return FALSE;
  const auto* notice = reinterpret_cast<const OFNOTIFYA*>(lParam);
  if (notice->hdr.code != CDN_FILEOK) return FALSE;
  auto* context = reinterpret_cast<SaveContext*>(::GetWindowLongPtrA(part, GWLP_USERDATA));
  char label[64] = "";
  ::GetDlgItemTextA(part, IDE_SAVE_LABEL, label, sizeof label);
  const SaveChoice choice{notice->lpOFN->lpstrFile, label};
  const std::string problem = context->check(choice);
  if (!problem.empty()) {
    // The dialog stays open for another choice.
    Win32WizardQuestions(::GetParent(part)).ShowMessage(problem);
    ::SetWindowLongPtrA(part, DWLP_MSGRESULT, 1);
    return TRUE;
  }
  context->label = label;
  return FALSE;
}

class Win32ImageStepUi : public image_step::ImageStepUi {
 public:
  Win32ImageStepUi(HWND owner, cd_image::ImageFileSystem& images)
      : owner_(owner), images_(images) {}

  void ShowMessage(const std::string& text) override {
    Win32WizardQuestions(owner_).ShowMessage(text);
  }
  void ShowDone(const std::string& text) override {
    ::MessageBoxA(owner_, text.c_str(), wizard_texts::kTitle, MB_OK | MB_ICONINFORMATION);
  }

  bool LeaveOut(const std::vector<cd_image::UnfitEntry>& unfit) override {
    UnfitDialog dialog(unfit);
    return dialog.RunModal(owner_) == IDOK;
  }

  std::optional<SaveChoice> AskWhereToSave(const SaveStep& step,
                                           const image_step::SaveCheck& check) override {
    std::string filter(tx::kImageFilter);
    for (char& c : filter) {
      if (c == '|') c = '\0';
    }
    std::vector<char> file(kPathChars, '\0');
    step.fileName.copy(file.data(), file.size() - 1);
    SaveContext context{step, check, {}};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner_;
    dialog.hInstance = ::GetModuleHandleA(nullptr);
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = kPathChars;
    dialog.lpstrInitialDir = step.folder.empty() ? nullptr : step.folder.c_str();
    dialog.lpstrTitle = tx::kSaveTitle;
    dialog.lpstrDefExt = tx::kImageExtension;
    // The wizard's current directory is the configuration's folder: keep it.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATE | OFN_OVERWRITEPROMPT |
                   OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    dialog.lpfnHook = SaveHook;
    dialog.lpTemplateName = MAKEINTRESOURCEA(IDD_IMAGE_SAVE);
    dialog.lCustData = reinterpret_cast<LPARAM>(&context);
    if (!::GetSaveFileNameA(&dialog)) return std::nullopt;
    return SaveChoice{file.data(), context.label};
  }

  cd_image::BuildResult Build(const cd_image::ImagePlan& plan, const SaveChoice& choice) override {
    ProgressDialog dialog(images_, plan, choice);
    dialog.RunModal(owner_);
    return dialog.result();
  }

 private:
  HWND owner_;
  cd_image::ImageFileSystem& images_;
};

}  // namespace

void CreateCdImage(HWND from, const std::string& configPath) {
  HWND owner = ::GetAncestor(from, GA_ROOT);
  Win32FileSystem fs;
  const std::unique_ptr<cd_image::ImageFileSystem> images = cd_image::MakeNativeImageFileSystem();
  WizardSettings settings(WizardApp::Current().Registry());
  Win32ImageStepUi ui(owner, *images);
  image_step::CreateCdImage(configPath, fs, *images, settings, ui);
}

}  // namespace cd_image_window
