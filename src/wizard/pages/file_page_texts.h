// What the file-to-open page, its advice dialog and the copy-over page say,
// each text in one place.
#pragma once

#include <string>

namespace file_page_texts {

// Leaving the page.
inline constexpr const char* kNoFileSelected =
    "No file was selected in 'File to open'.  Select a file using the 'Browse' button, then press "
    "the 'Next' button.";
inline std::string FailedToFind(const std::string& path) {
  return "Failed to find '" + path + "'.\n\nContinue?";
}
inline constexpr const char* kStarterChosen =
    "You have selected the Autorun Program as the file to open - this will cause problems.  "
    "Please select a different file.";

// "Browse...": the file-open dialog's filter, "|" between parts.
inline constexpr const char* kBrowseFilter =
    "All Files (*.*)|*.*|PDF Files (*.pdf)|*.pdf|Power Point Files (*.pps, *.ppt)|*.pps; "
    "*.ppt|Image Files (*.gif, *.jpg, *.jpeg)|*.gif; *.jpg; *.jpeg|Video Files (*.*)|*.*|Program "
    "Files (*.exe)|*.exe|Other Files (*.*)|*.*|";
inline constexpr const char* kBrowseDefaultExtension = "*.*";

// The source folder at the root of a drive.
inline constexpr const char* kRootDriveTitle = "Warning: Source Directory";
inline constexpr const char* kRootDriveParagraphs[] = {
    "The software has detected that your source files are in the root folder of one of your "
    "drives.  Often, this is not a problem, but be aware of one issue outlined below.\r\n\r\n",
    "When you configure this software, two configuration files will be placed in the same folder "
    "as your AutoRun files - including an 'Autorun.inf' file.  Some non CD drives are set-up to "
    "AutoRun like CDs (for example, 'C:\\').  If your drive is set-up the same, if you complete "
    "the configuration Wizard, your drive may open your AutoRun file when you open it in "
    "Explorer, rather than the drive.\r\n\r\n",
    "There is a very simple solution to this - abort the Configuration Wizard now (using Cancel "
    "buttons) and move the files you want to AutoRun to a new folder, off the root of your "
    "drive.\r\n\r\n",
    "If your drive is not set to AutoRun, you can ignore this warning.\r\n\r\n",
};

// Advice by file type.
inline constexpr const char* kPowerPointTitle = "PowerPoint Presentations";
inline constexpr const char* kPptParagraphs[] = {
    "The software has detected that you have specified a PowerPoint file to open.\r\n\r\n",
    "You should note this file will not normally open in slide show mode when the CD AutoRuns - "
    "the user will have to start this manually.\r\n\r\n",
    "If you wish to start the slide show automatically, go to PowerPoint, and save the file as a "
    "'PowerPoint Show (.pps)' file, and specify this as the file to open.\r\n\r\n",
    "You might also want to consider installing a viewer on the users machine, in case the "
    "machine does not have PowerPoint installed.  Click on the Configure Viewer button below to "
    "do this.\r\n\r\n",
};
inline constexpr const char* kPpsParagraphs[] = {
    "The software has detected that you have specified a PowerPoint Show to open.\r\n\r\n",
    "You might want to consider installing a viewer on the users machine, in case the machine "
    "does not have PowerPoint installed.  Click on the Configure Viewer button below to do "
    "this.\r\n\r\n",
};
inline constexpr const char* kPdfTitle = "PDF Files";
inline constexpr const char* kPdfParagraphs[] = {
    "The software has detected that you have specified a PDF file to open.\r\n\r\n",
    "You might want to consider installing a viewer on the users machine, in case the machine "
    "does not have a PDF Viewer installed.  Click on the Configure Viewer button below to do "
    "this.\r\n\r\n",
};
inline constexpr const char* kSfwTitle = "Flash Files (.sfw)";
inline constexpr const char* kSfwParagraphs[] = {
    "The software has detected that you have specified a Flash File (.sfw) to open.\r\n\r\n",
    "You should be aware that some machines do not have sufficient software to open SFW files in "
    "this mode - you should consider putting the SFW file into an HTML file, or converting the "
    "file to a standalone exe file, and opening one of these instead.\r\n\r\n",
    "If you do chose to make the file into a standalone exe file, ensure you carefully test on "
    "various operating systems, as some machines may not be able to run file in certain "
    "configurations.\r\n\r\n",
    ("As always, carefully test whatever configuration you use before creating / distributing "
     "yours CDs.\r\n\r\n"),
    "For more information, follow links to Flash files on web site.\r\n\r\n",
};
inline constexpr const char* kCgiTitle = "CGI Files (.cgi)";
inline constexpr const char* kCgiParagraphs[] = {
    "The software has detected that you have specified a CGI File (.cgi) to open.\r\n\r\n",
    ("You should be aware that these files usually require a web server to open the files, and "
     "may not open correctly or at all from a CD.\r\n\r\n"),
    "Check where the file came from, or contact QUAV for support.\r\n\r\n",
};

// Copying resource files into a new source folder.
inline constexpr const char* kCopyOverTitle = "Copy Over Resource Files";
inline constexpr const char* kFileInformationColumn = "File Information";
inline constexpr const char* kResourceRowFormat = "%s (%s)";  // file name, full path
inline std::string OverwriteQuestion(const std::string& destination, const std::string& source) {
  return "Do you want to overwrite\n\n" + destination + "\n\nwith\n\n" + source;
}
inline std::string CopyFailed(const std::string& source, const std::string& destination) {
  return "Failed to copy\n\n" + source + "\n\nto\n\n" + destination +
         "\n\nCheck that you have write access to the folder, that the destination file is not "
         "set to read only, is not being used, and that there is sufficient space on the "
         "disk.\n\nTo try again, press 'Retry', to cancel the whole operation, press 'Cancel'.";
}

}  // namespace file_page_texts
