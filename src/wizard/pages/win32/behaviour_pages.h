// The pages of the smaller behaviour dialogs: the author's error message,
// the program that opens the files, and the starter's file name. Each has a
// check box that the rest of the page follows.
#pragma once

#include "wizard/pages/behaviour_page_rules.h"
#include "wizard/pages/win32/bound_page.h"

class ErrorMessagePage : public BoundPage {
 public:
  ErrorMessagePage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;

 private:
  void UpdateEnabling();

  bool loaded_ = false;
  error_message_page::State state_;
};

class ForceOpenPage : public BoundPage {
 public:
  ForceOpenPage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;

 private:
  void UpdateEnabling();

  force_open_page::State state_;
};

class StarterNamePage : public BoundPage {
 public:
  StarterNamePage();
  void OnSetActive() override;
  bool OnKillActive() override;

 protected:
  win32::DispatchTable Table() const override;
  std::vector<win32::Binding> Bindings() override;

 private:
  void UpdateEnabling();
  void RestoreDefault();

  starter_name_page::State state_;
};
