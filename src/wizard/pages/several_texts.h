// What the several-files wizard says and shows: page and editor titles,
// column headings, item lists and messages, each spelt once.
#pragma once

namespace several_texts {

// The nested wizard's pages.
inline constexpr const char* kFolderTitle = "Select Initial File";
inline constexpr const char* kFileListTitle = "Select Further Files";
inline constexpr const char* kOpenModeTitle = "Specify How Files Are Opened";

// The entry editors' titles.
inline constexpr const char* kFileEntryTitle = "File Display Name";
inline constexpr const char* kEditFileTitle = "Setting File Information";
inline constexpr const char* kAddUrlTitle = "Add URL";
inline constexpr const char* kEditUrlTitle = "Edit URL";
inline constexpr const char* kAddFolderTitle = "Add Folder";
inline constexpr const char* kEditFolderTitle = "Edit Folder";

// The entry list's columns.
inline constexpr const char* kNameColumn = "User Display Name";
inline constexpr const char* kFileColumn = "File name";
inline constexpr const char* kForceColumn = "Force Execute";

// The "Folder:" item for the configuration folder itself, and what a folder
// too deep to scan is offered with after its path.
inline constexpr const char* kRootFolder = "\\";
inline constexpr const char* kTooDeepSuffix = "\\..";

// The opening modes, in the "Action:" order.
inline constexpr const char* kOpenAllAction = "Open all the files, in the order specified";
inline constexpr const char* kSelectOneAction = "Let user select one file to open";
inline constexpr const char* kOpenAllExplanation =
    "Important: Check help to ensure you chose files that work with this option - not all "
    "will.  Note also that if the application opening the file is already open, 'wait' setting "
    "may have no effect - the next file may open before the previous closes.";
inline constexpr const char* kSelectOneExplanation =
    "This option allows the user to select one file from the list.  If above check box is "
    "checked, user will be able to select further files once first file has been opened, one at "
    "a time.  With this checked option, if you specify a background screen color / images(s), it "
    "will be left open until user has closed selection dialog.";

// Where the selection list's image goes, in the "Location:" order.
inline constexpr const char* kImageLocations[] = {"Along the top", "Left of Selection List",
                                                  "Right of Selection List", "Along the bottom"};
inline constexpr int kDefaultImageLocation = 1;
inline constexpr const char* kImageLabel = "Image";

inline constexpr const char* kPleaseWait = "Please wait whilst the operation completes ....";

// Messages.
inline constexpr const char* kNoSourceFolder = "Please select a source folder.";
inline constexpr const char* kNoFileSelected = "Sorry, but no file was selected.";
inline constexpr const char* kNoItemSelected = "Sorry, but no item was selected.";
inline constexpr const char* kBadUrlPrefix =
    "Sorry, but the URL does not have the correct text at the start to identify what type of "
    "URL it is.  See help for more information.";
inline constexpr const char* kNoImage =
    "Please select an Image using the 'Select Image...' button.";
inline constexpr const char* kUrlMovedStart =
    "The URL feature on the dialog box has been altered so that the URL is now in the list box.  "
    "Your settings have been updated to reflect this - the URL has been modified to:\n\n";
inline constexpr const char* kUrlMovedEnd = "\n\nPlease ensure that this is correct.";
// The list's bound is the starter's: it reads no more entries than this.
inline constexpr const char* kListFull = "Sorry, but the list can not hold more than %d entries.";

// What an address without a recognised prefix gets in front.
inline constexpr const char* kDefaultUrlScheme = "http://";

}  // namespace several_texts
