// What the command-line tool says, each text in one place. The wizard's own
// texts (labels of the required files, its messages) come from its headers.
#pragma once

#include <cstdint>
#include <string>

namespace cli_texts {

inline constexpr const char* kProgram = "discwright-cli";

inline constexpr const char* kHelpHead =
    "Checks, creates and reports the CD files of a CD folder and makes its CD image\n"
    "as Discwright's wizard does, without a window. FOLDER is the folder that becomes\n"
    "the CD's root; its autorun.inf is read as \"Open existing\" reads it, and the\n"
    "settings are held in memory: the registry is neither read nor written for them.\n";
inline constexpr const char* kHelpTail =
    "  --help       this text\n"
    "  --version    the kit's version\n"
    "\n"
    "Exit status: 0 nothing is wrong; 1 something is wrong, was refused or failed;\n"
    "2 a usage error, or a folder that cannot be read.\n";

// The commands and their options.
inline constexpr const char* kCheckSummary =
    "One line for each problem: a file the configuration needs that is not there,\n"
    "a name longer than 60 characters, a picture that is not GIF, JPEG or BMP\n"
    "by its content, what the CD image cannot hold (names that differ only in\n"
    "case among it), an image larger than a 700 MB CD.";
inline constexpr const char* kCreateSummary =
    "check, then autorun.inf rewritten from what was read, in the wizard's order,\n"
    "and the starter copied under the name its OPEN line gives. Without --yes\n"
    "nothing is overwritten and no problem is passed over.";
inline constexpr const char* kReportSummary =
    "The files to copy to the CD, one a line: the folder on the CD, a tab, the\n"
    "file (and a tab and a note for files that need others beside them).";
inline constexpr const char* kImageSummary =
    "The CD image of the folder (ISO 9660 with Joliet and Rock Ridge) as\n"
    "Discwright makes it, with a progress line when standard error is a\n"
    "terminal. Every file of the report must be there. Without --yes nothing\n"
    "is left out and an existing FILE.iso is not replaced.";
inline constexpr const char* kOutputHelp = "the image to write (outside FOLDER)";
inline constexpr const char* kLabelHelp = "the CD's volume label (default: FOLDER in capitals)";
inline constexpr const char* kLeaveOutHelp = "leave out what cannot go in; replace FILE.iso";
inline constexpr const char* kStarterHelp = "the starter to copy (default: the kit's Vendisc.exe)";
inline constexpr const char* kYesHelp = "answer Yes to every question the wizard would ask";

// Usage errors.
inline constexpr const char* kNoCommand = "no command given";
inline constexpr const char* kCommandFirst = "the command comes first";
inline constexpr const char* kUnknownCommand = "unknown command '%s'";
inline constexpr const char* kUnknownOption = "%s has no option '%s'";
inline constexpr const char* kNeedsValue = "%s needs a value (%s)";
inline constexpr const char* kGivenTwice = "%s is given twice";
inline constexpr const char* kNeedsOperand = "%s needs a %s";
inline constexpr const char* kNeedsOption = "%s needs %s";
inline constexpr const char* kUnexpected = "unexpected '%s'";
inline constexpr const char* kTryHelp = "Try '%s --help'.\n";

// The CD folder.
inline constexpr const char* kNoFolder = "%s: there is no such folder";
inline constexpr const char* kNotAFolder = "%s: not a folder";
inline constexpr const char* kUnreadableFolder = "%s: the folder cannot be read";
inline constexpr const char* kNoAutorun = "%s: the folder has no autorun.inf";
inline constexpr const char* kUnreadableAutorun = "%s: cannot be read";

// Problems, each after the file it is about and ": ".
inline constexpr const char* kMissingFile = "required for '%s', but could not be located";
inline constexpr const char* kLongName =
    "the name on the CD has %d characters: some CD writers cut names longer than %d";
inline constexpr const char* kNotAPicture =
    "chosen for '%s', but not a GIF, JPEG or BMP picture by its content: the CD cannot show it";
inline constexpr const char* kNotOnImage = "cannot go on the CD image: ";
inline constexpr const char* kLargerThanCd =
    "the CD image would be about %s, more than the %s a 700 MB CD holds";
inline constexpr const char* kUnreadableImageFolder = "the folder cannot be read for the CD image";
inline constexpr const char* kStarterMissing =
    "the starter that the OPEN line names is not there (create copies it)";
inline constexpr const char* kStarterLeavesFolder =
    "the starter's name in the OPEN line leads out of the CD folder";
inline constexpr const char* kNoOpenLine = "no OPEN line: the CD opens nothing";
inline constexpr const char* kNotOurs =
    "the OPEN line is not the starter, a blank and the file: not all may be read in";

// Creating the CD files.
inline constexpr const char* kNoStarter = "%s: there is no such starter";
inline constexpr const char* kNoKitStarter =
    "the kit's Vendisc.exe was not found beside the tool; give --starter PATH";
inline constexpr const char* kWouldOverwrite =
    "%s exists and would change: not overwritten without --yes";
inline constexpr const char* kProblemsStop =
    "%d problem(s): nothing created (--yes goes on past them)";
inline constexpr const char* kNothingChanged = "Nothing was changed.";
inline constexpr const char* kCreated = "Created %s and %s in %s";
inline constexpr const char* kCopyFailed = "cannot copy %s to %s: %s";
inline constexpr const char* kCreateFailed = "cannot create %s: %s";
inline constexpr const char* kStarterCopiedBefore = " (the starter had been copied)";

// Making the CD image.
inline constexpr const char* kMissingForImage = "%s: a file of the CD that is not there";
inline constexpr const char* kMissingStop = "%d file(s) of the CD are not there: no image made";
inline constexpr const char* kUnfitStop =
    "%d file(s) or folder(s) cannot go on the CD image: no image made (--yes leaves them out)";
inline constexpr const char* kLeftOut = "left out of the image: %s";
inline constexpr const char* kNoOutputFolder = "%s: there is no such folder for the image";
inline constexpr const char* kInsideFolder =
    "%s: the image cannot go inside the folder it is made of";
inline constexpr const char* kImageExists = "%s exists: not replaced without --yes";
inline constexpr const char* kBadLabel = "--label '%s': %s";
inline constexpr const char* kImageCannotWrite = "cannot write the image %s: %s";
inline constexpr const char* kImageDiskFull =
    "%s: the disk is full (while it is made, the image needs free space of about twice its "
    "size there)";
inline constexpr const char* kImageCannotRead = "cannot read %s: %s";
inline constexpr const char* kImageFileChanged =
    "%s changed while the image was made: try again when nothing writes to the folder";
inline constexpr const char* kImageLibrary = "the CD image could not be made: %s";
inline constexpr const char* kNoImageMade =
    "No image was made; an image already at that place is unchanged.";
inline constexpr const char* kImageCreated = "Created the CD image %s";

// A system error code in plain words.
inline std::string ErrorInWords(uint32_t code) {
  switch (code) {
    case 2:
      return "the file does not exist";
    case 3:
      return "the folder does not exist";
    case 5:
      return "access is denied (read-only, or not yours to write)";
    case 32:
      return "the file is in use";
    case 112:
      return "the disk is full";
  }
  return "error code " + std::to_string(code);
}

}  // namespace cli_texts
