// The image chooser page: the source folder's images under a filter, a
// scaled preview, the selected image's size and warnings, copying an image
// in. Shown in an option frame by ChooseImage.
#pragma once

#include <string>
#include <vector>

#include "common/win32/picture.h"
#include "wizard/pages/folder_lister.h"
#include "wizard/pages/win32/image_chooser.h"
#include "wizard/pages/win32/wizard_page.h"

class WizardSettings;
class FileCopier;
class FileSystem;

class ImageChooserPage : public WizardPage {
 public:
  // `choice` is read when the page opens and holds the result after OK.
  ImageChooserPage(ImageChoice& choice, WizardSettings& settings, const FolderLister& lister,
                   const FileSystem& fs, FileCopier& copier);

  void OnSetActive() override;
  // Takes the selected row as the image and checks it; false keeps the page.
  bool OnKillActive() override;

  // The rows listed now, and the selected one (-1: none).
  std::vector<std::string> Rows() const;
  int SelectedRow() const;
  const win32::PictureWindow& Preview() const { return preview_; }
  const win32::Picture& Picture() const { return picture_; }

  // Copies `source` into the source folder and selects it, as "&Copy in
  // image" does once its file dialog has answered.
  void CopyIn(const std::string& source);
  // Fills the list again for the filter selected now (the filter list and Refresh).
  void FillList();
  // Describes the selected row; the author's own pick of a file that will
  // not load is also told in a message, a row the list selected by itself is not.
  void ShowImageInfo() { DescribeSelected(true); }

 protected:
  win32::DispatchTable Table() const override;

 private:
  void FilterChanged() { FillList(); }
  void PreviewToggled() { DescribeSelected(false); }
  void DescribeSelected(bool picked);
  void CopyInPressed();
  void RowDoubleClicked();
  void SelectFilter(int index);
  void ShowReport(const std::string& width, const std::string& height, const std::string& warnings);

  ImageChoice& choice_;
  WizardSettings& settings_;
  const FolderLister& lister_;
  const FileSystem& fs_;
  FileCopier& copier_;
  std::string folder_;  // the source folder, ending in "\"
  std::string imageName_;
  bool opened_ = false;
  // The picture outlives the preview window that draws it: declared first,
  // destroyed last.
  win32::Picture picture_;
  win32::PictureWindow preview_;
  SIZE previewSize_{};
};
