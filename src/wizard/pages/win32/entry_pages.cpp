#include "wizard/pages/win32/entry_pages.h"

#include "resource.h"
#include "wizard/help_topics.h"
#include "wizard/win32/win32_wizard_questions.h"

void EntryPage::OnSetActive() {
  ShowHeadings();
  CopyToControls();
}

void EntryPage::ShowCheckedMembers() {
  const std::vector<win32::Binding> bindings = Bindings();
  win32::ShowBindings(hwnd(), bindings);
}

bool EntryPage::SaveCheckedMembers() {
  const std::vector<win32::Binding> bindings = Bindings();
  return win32::SaveBindings(hwnd(), bindings);
}

FileEntryPage::FileEntryPage(several_files::Entry& entry) : EntryPage(IDD_FILE_ENTRY, entry) {}

std::vector<win32::ControlBinding> FileEntryPage::ControlBindings() {
  return {{IDT_FILE_ENTRY_LINK, &forceOpenLink_}};
}

bool FileEntryPage::OnInit() {
  forceOpenLink_.SetTopic(help_topics::kMultiForceOpen);
  return true;
}

std::vector<win32::Binding> FileEntryPage::Bindings() {
  return {win32::BindText(IDE_FILE_ENTRY_NAME, &entry_.name),
          win32::BindText(IDE_FILE_ENTRY_FORCE, &entry_.forceOpen)};
}

void FileEntryPage::ShowHeadings() {
  headingFont_.MakeBold(hwnd(), IDT_ENTRY_NAME_HEADING);
  headingFont_.MakeBold(hwnd(), IDT_ENTRY_SECOND_HEADING);
  SetItemText(IDT_FILE_ENTRY_FILE, entry_.file);
}

UrlEntryPage::UrlEntryPage(several_files::Entry& entry) : EntryPage(IDD_URL_ENTRY, entry) {}

std::vector<win32::Binding> UrlEntryPage::Bindings() {
  return {win32::BindText(IDE_URL_ENTRY_NAME, &entry_.name),
          win32::BindText(IDE_URL_ENTRY_ADDRESS, &entry_.file)};
}

void UrlEntryPage::ShowHeadings() {
  headingFont_.MakeBold(hwnd(), IDT_ENTRY_NAME_HEADING);
  headingFont_.MakeBold(hwnd(), IDT_ENTRY_SECOND_HEADING);
}

bool UrlEntryPage::OnKillActive() {
  // Checked on a copy: a refused address leaves the caller's entry as it was.
  several_files::Entry typed{ItemText(IDE_URL_ENTRY_NAME), ItemText(IDE_URL_ENTRY_ADDRESS),
                             entry_.forceOpen};
  if (const auto refusal = several_files::CheckUrlEntry(typed)) {
    Win32WizardQuestions(hwnd()).ShowMessage(*refusal);
    ::SetFocus(Item(IDE_URL_ENTRY_ADDRESS));
    return false;
  }
  entry_ = typed;
  return true;
}

FolderEntryPage::FolderEntryPage(several_files::Entry& entry)
    : EntryPage(IDD_FOLDER_ENTRY, entry) {}

std::vector<win32::Binding> FolderEntryPage::Bindings() {
  return {win32::BindText(IDE_FOLDER_ENTRY_NAME, &entry_.name)};
}

void FolderEntryPage::ShowHeadings() {
  headingFont_.MakeBold(hwnd(), IDT_ENTRY_NAME_HEADING);
  SetItemText(IDT_FOLDER_ENTRY_FOLDER, entry_.file);
}
