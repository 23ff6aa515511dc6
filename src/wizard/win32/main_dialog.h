// Discwright's main window: which autorun.inf is loaded, and the commands
// that start the wizard, load or reset a configuration and open help.
#pragma once

#include <string>

#include "common/win32/bold_font.h"
#include "common/win32/hyperlink_static.h"
#include "wizard/win32/help_link.h"
#include "wizard/win32/main_commands.h"
#include "wizard/win32/wizard_dialog.h"

class WizardApp;

class MainDialog : public WizardDialog, public MainCommands {
 public:
  explicit MainDialog(WizardApp& app);
  ~MainDialog() override;

  void RunConfigurationWizard();
  void NewConfiguration();
  void OpenExisting();
  void RefreshFromLastConfig();
  // "Recreate Config.": the CD files again from the settings.
  void RecreateConfiguration();
  void UpdateTitle();
  void TestConfiguration(HWND owner) override;
  void ShowFilesToCopy(HWND owner) override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::TextBinding> TextBindings() override;
  std::vector<win32::ControlBinding> ControlBindings() override;
  bool OnInit() override;
  // Enter, Esc and the close box ask before the window closes.
  void Accept() override { AskToExit(); }
  void Cancel() override { AskToExit(); }

 private:
  void AskToExit();
  void ShowSupport();
  void TestPressed() { TestConfiguration(hwnd()); }
  // The top-level window of `owner`, where the author is; this one without it.
  HWND AuthorWindow(HWND owner) const;
  // The configuration path from LastINFFile, as a full path.
  void TakeLastInfFile();
  void LoadConfiguration();
  INT_PTR OnTimer(WPARAM, LPARAM);
  INT_PTR OnSysCommand(WPARAM wParam, LPARAM);
  INT_PTR OnPaint(WPARAM, LPARAM);
  INT_PTR OnQueryDragIcon(WPARAM, LPARAM);
  INT_PTR OnDrawItem(WPARAM, LPARAM lParam);

  WizardApp& app_;
  std::string configPath_;
  std::string shownPath_;
  HICON icon_;
  HICON smallIcon_;
  win32::BoldFont headingFont_;
  ActionLink filesLink_;
  HelpLink newLink_;
  HelpLink notOpeningLink_;
  win32::HyperlinkStatic webLink_;
};
