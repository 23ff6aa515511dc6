#include "config/autorun_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "fake_autorun_settings.h"

namespace {

using ::testing::HasSubstr;
using ::testing::Not;

std::string Lines(std::initializer_list<const char*> lines) {
  std::string out;
  for (const char* line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

bool HasLine(const std::string& file, const std::string& line) {
  return ("\r\n" + file).find("\r\n" + line + "\r\n") != std::string::npos;
}

bool HasKey(const std::string& file, const std::string& key) {
  return ("\r\n" + file).find("\r\n" + key + "=") != std::string::npos;
}

// --- Whole files -------------------------------------------------------------

TEST(BuildAutorunText, NothingStoredGivesTheTwoStandardLines) {
  FakeAutorunSettings s;
  EXPECT_EQ(BuildAutorunText(s), Lines({"[autorun]", "OPEN=Vendisc.exe \"\""}));
}

TEST(BuildAutorunText, SingleFileWithEveryOption) {
  FakeAutorunSettings s;
  s.Flag("AutoRunExeNameEnabled", true)
      .Text("AutoRunExeName", "Start.exe")
      .Text("SourceFile", "C:\\cd\\docs\\Manual 2.pdf")
      .Flag("LicenseAgreementEnabled", true)
      .Text("LicenseAgreementFile", "licence.txt")
      .Text("LicenseAgreementFileShowEveryTime", "Yes")
      .Flag("ForceExecuteOption", true)
      .Text("ForceExecuteWith", "viewer\\view.exe,notepad.exe")
      .Flag("SpecifyFileOpenOptions", true)
      .Text("InstallerHowToRunNew", "Prompt")
      .Text("InstallerFile", "C:\\cd\\setup\\reader.exe")
      .Text("InstallerUserQuery", "Install the reader?")
      .Text("InstallerFile2", "C:\\cd\\flash.exe")
      .Text("InstallerUserQuery2", "Install Flash?")
      .Text("InstallerFile3", "codec.msi")
      .Text("InstallerUserQuery3", "")
      .Flag("ShowSplashScreen", true)
      .Flag("SplashScreenUseImage", false)
      .Number("SplashScreenImageShowForSecs", 4)
      .Text("SplashScreenWhenToShow", "Startup")
      .Text("SplashScreenImage", "C:\\cd\\unused.bmp")
      .Text("SplashScreenLine1", "Opening <FILE_NAME>")
      .Text("SplashScreenLine2", "please wait")
      .Text("SplashScreenLine3", "")
      .Text("SplashFontName", "Arial")
      .Number("SplashFontWeight", 700)
      .Flag("SplashFontItalic", true)
      .Number("SplashFontHeight", 14)
      .Flag("UserDefinedErrors", true)
      .Text("ErrorContactURL", "http://example.com/help")
      .Text("ErrorContactURLTitle", "Help")
      .Text("ErrorText", "Sorry.<br>Try again.")
      .Flag("ShowBackgroundWindow", true)
      .Text("BackgroundWhenToShow", "BeforeWelcome")
      .Flag("BackgroundWindowLeaveOpenUntilFileClosed", true)
      .Flag("BackgroundHaveCloseButton", true)
      .Text("BackgroundCloseButtonText", "Quit")
      .Flag("BackgroundFullScreenImage", false)
      .Number("BackgroundWindowColour", 16711680)
      .Text("BackgroundFullScreenImageFile1", "C:\\cd\\logo.gif")
      .Text("BackgroundFullScreenImageFileMode1", "Top, Left")
      .Number("BackgroundFullScreenImageFileBorder1", 40)
      .Text("BackgroundFullScreenImageFile2", "C:\\cd\\side.jpg")
      .Text("BackgroundFullScreenImageFileMode2", "Bottom, Right")
      .Number("BackgroundFullScreenImageFileBorder2", -5)
      .Flag("WelcomeEnabled", true)
      .Text("WelcomeTitle", "Welcome")
      .Text("WelcomeURL", "http://example.com")
      .Flag("WelcomeUseImage", true)
      .Text("WelcomeImage", "C:\\cd\\welcome.bmp")
      .Text("WelcomeImageLocation", "Left of text")
      .Flag("WelcomeUseText", true)
      .Text("WelcomeMessage", "Hello<br>there")
      .Flag("EnableIcon", true)
      .Text("icon", "C:\\cd\\disc.ico")
      .Flag("RunOneAtATime", true);

  EXPECT_EQ(BuildAutorunText(s), Lines({
                                     "[autorun]",
                                     "OPEN=Start.exe \"Manual 2.pdf\"",
                                     "LicenseAgreementEnabled=1",
                                     "QUAVLicenseFile=licence.txt",
                                     "QUAVLicenseFileShowAlways=Yes",
                                     "QUAVForceExecuteWith=viewer\\view.exe,notepad.exe",
                                     "InstallerFileOpenOptions=Prompt",
                                     "InstallerFile=reader.exe",
                                     "InstallerUserQuery=Install the reader?",
                                     "InstallerFile2=flash.exe",
                                     "InstallerUserQuery2=Install Flash?",
                                     "InstallerFile3=codec.msi",
                                     "InstallerUserQuery3=",
                                     "ShowSplashScreen=1",
                                     "SplashScreenUseImage=0",
                                     "SplashScreenImageShowForSecs=4",
                                     "SplashScreenWhenToShow=Startup",
                                     "SplashScreenLine1=Opening <FILE_NAME>",
                                     "SplashScreenLine2=please wait",
                                     "SplashScreenLine3=",
                                     "SplashFontName=Arial",
                                     "SplashFontWeight=700",
                                     "SplashFontItalic=1",
                                     "SplashFontHeight=14",
                                     "UserDefinedErrors=1",
                                     "ErrorContactURL=http://example.com/help",
                                     "ErrorContactURLTitle=Help",
                                     "ErrorText=Sorry.<br>Try again.",
                                     "ShowBackgroundWindow=1",
                                     "BackgroundWhenToShow=BeforeWelcome",
                                     "BackgroundWindowLeaveOpenUntilFileClosed=1",
                                     "BackgroundHaveCloseButton=1",
                                     "BackgroundCloseButtonText=Quit",
                                     "BackgroundFullScreenImage=0",
                                     "BackgroundWindowColour=16711680",
                                     "BackgroundFullScreenImageFile1=logo.gif",
                                     "BackgroundFullScreenImageFileMode1=Top, Left",
                                     "BackgroundFullScreenImageFileBorder1=40",
                                     "BackgroundFullScreenImageFile2=side.jpg",
                                     "BackgroundFullScreenImageFileMode2=Bottom, Right",
                                     "BackgroundFullScreenImageFileBorder2=-5",
                                     "WelcomeEnabled=1",
                                     "WelcomeTitle=Welcome",
                                     "WelcomeURL=http://example.com",
                                     "WelcomeUseImage=1",
                                     "WelcomeImage=welcome.bmp",
                                     "WelcomeImageLocation=Left of text",
                                     "WelcomeUseText=1",
                                     "WelcomeMessage=Hello<br>there",
                                     "icon=disc.ico",
                                     "RunOneAtATime=1",
                                 }));
}

TEST(BuildAutorunText, SeveralFilesPickedFromAList) {
  FakeAutorunSettings s;
  s.Text("SourceFile", "C:\\cd\\index.htm")
      .Flag("SingleFile", false)
      .Flag("OpenAllFiles", false)
      .Flag("WaitForPrevious", false)
      .Flag("MultiSelectAllowReselect", true)
      .Text("MultiSelectTitle", "Pick a file")
      .Text("MultiSelectHelp", "Double-click to open")
      .Flag("MultiSelectUseImage", true)
      .Text("MultiSelectImage", "C:\\cd\\art\\side.bmp")
      .Text("MultiSelectImageLocation", "Left of Selection List")
      .Number("MultiSourceFileCount", 3)
      .Text("MultiSourceFile1", "docs\\a.pdf")
      .Text("MultiSourceFileName1", "Manual")
      .Text("MultiSourceForceOpen1", "")
      .Text("MultiSourceFileName2", "")
      .Text("MultiSourceFile3", "http://example.com")
      .Text("MultiSourceFileName3", "Web site")
      .Text("MultiSourceForceOpen3", "iexplore.exe")
      .Text("MultiSourceFile4", "hidden\\beyond.count")
      .Flag("ShowSplashScreen", true)
      .Flag("SplashScreenUseImage", true)
      .Text("SplashScreenWhenToShow", "FileLoad")
      .Text("SplashScreenImage", "C:\\cd\\splash.jpg")
      .Text("SplashFontName", "not written with an image")
      .Flag("ShowBackgroundWindow", true)
      .Text("BackgroundWhenToShow", "Startup")
      .Flag("BackgroundHaveCloseButton", true)
      .Text("BackgroundCloseButtonText", "Close")
      .Text("BackgroundFullScreenImageFile", "C:\\cd\\bg.bmp")
      .Text("BackgroundFullScreenImageFileMode", "FullScreen");

  EXPECT_EQ(BuildAutorunText(s), Lines({
                                     "[autorun]",
                                     "OPEN=Vendisc.exe \"index.htm\"",
                                     "SingleFile=0",
                                     "OpenAllFiles=0",
                                     "MultiSelectAllowReselect=1",
                                     "MultiSelectTitle=Pick a file",
                                     "MultiSelectHelp=Double-click to open",
                                     "MultiSelectUseImage=1",
                                     "MultiSelectImage=side.bmp",
                                     "MultiSelectImageLocation=Left of Selection List",
                                     "MultiSourceFileCount=3",
                                     "MultiSourceFile1=docs\\a.pdf",
                                     "MultiSourceFileName1=Manual",
                                     "MultiSourceForceOpen1=",
                                     "MultiSourceFile2=",
                                     "MultiSourceFileName2=",
                                     "MultiSourceForceOpen2=",
                                     "MultiSourceFile3=http://example.com",
                                     "MultiSourceFileName3=Web site",
                                     "MultiSourceForceOpen3=iexplore.exe",
                                     "ShowSplashScreen=1",
                                     "SplashScreenUseImage=1",
                                     "SplashScreenImageShowForSecs=0",
                                     "SplashScreenWhenToShow=FileLoad",
                                     "SplashScreenImage=splash.jpg",
                                     "ShowBackgroundWindow=1",
                                     "BackgroundWhenToShow=Startup",
                                     "BackgroundWindowLeaveOpenUntilFileClosed=1",
                                     "BackgroundFullScreenImage=1",
                                     "BackgroundFullScreenImageFile1=bg.bmp",
                                     "BackgroundFullScreenImageFileMode1=FullScreen",
                                 }));
}

TEST(BuildAutorunText, SeveralFilesOpenedTogetherKeepTheCloseButton) {
  FakeAutorunSettings s;
  s.Text("SourceFile", "C:\\cd\\a.doc")
      .Flag("SingleFile", false)
      .Flag("OpenAllFiles", true)
      .Flag("WaitForPrevious", true)
      .Flag("MultiSelectAllowReselect", false)
      .Number("MultiSourceFileCount", 1)
      .Text("MultiSourceFile1", "a.doc")
      .Text("MultiSourceFileName1", "A")
      .Flag("ShowBackgroundWindow", true)
      .Text("BackgroundWhenToShow", "AfterWelcome")
      .Text("BackgroundCloseButtonText", "Done")
      .Flag("BackgroundFullScreenImage", true)
      .Text("BackgroundFullScreenImageFile", "C:\\cd\\bg.gif")
      .Text("BackgroundFullScreenImageFileMode", "Middle, Center")
      .Number("BackgroundWindowColour", 255);

  EXPECT_EQ(BuildAutorunText(s), Lines({
                                     "[autorun]",
                                     "OPEN=Vendisc.exe \"a.doc\"",
                                     "SingleFile=0",
                                     "OpenAllFiles=1",
                                     "WaitForPrevious=1",
                                     "MultiSelectTitle=",
                                     "MultiSelectHelp=",
                                     "MultiSourceFileCount=1",
                                     "MultiSourceFile1=a.doc",
                                     "MultiSourceFileName1=A",
                                     "MultiSourceForceOpen1=",
                                     "ShowBackgroundWindow=1",
                                     "BackgroundWhenToShow=AfterWelcome",
                                     "BackgroundWindowLeaveOpenUntilFileClosed=1",
                                     "BackgroundHaveCloseButton=1",
                                     "BackgroundCloseButtonText=Done",
                                     "BackgroundFullScreenImage=1",
                                     "BackgroundFullScreenImageFile1=bg.gif",
                                     "BackgroundFullScreenImageFileMode1=Middle, Center",
                                 }));
}

TEST(BuildAutorunText, OlderWizardInstallerNumberChoosesTheOptionAndAsksNothing) {
  FakeAutorunSettings s;
  s.Text("SourceFile", "C:\\cd\\a.pdf")
      .Flag("SpecifyFileOpenOptions", true)
      .Number("InstallerHowToRun", 0)
      .Text("InstallerFile", "C:\\cd\\reader.exe")
      .Text("InstallerUserQuery", "Install?")
      .Text("InstallerFile3", "viewer.exe")
      .Text("InstallerUserQuery3", "Install 3?");
  EXPECT_EQ(BuildAutorunText(s), Lines({
                                     "[autorun]",
                                     "OPEN=Vendisc.exe \"a.pdf\"",
                                     "InstallerFileOpenOptions=NoViewer",
                                     "InstallerFile=reader.exe",
                                     "InstallerFile3=viewer.exe",
                                 }));

  s.numbers.erase("InstallerHowToRun");  // never stored: counts as 1
  EXPECT_TRUE(HasLine(BuildAutorunText(s), "InstallerFileOpenOptions=Always"));
  s.Number("InstallerHowToRun", -1);
  EXPECT_TRUE(HasLine(BuildAutorunText(s), "InstallerFileOpenOptions=Always"));
}

// --- Defaults of settings never stored ----------------------------------------

TEST(BuildAutorunText, SwitchesAloneUseTheListedDefaults) {
  FakeAutorunSettings s;
  s.Flag("SingleFile", false)
      .Flag("ShowSplashScreen", true)
      .Flag("ShowBackgroundWindow", true)
      .Flag("SpecifyFileOpenOptions", true);
  EXPECT_EQ(BuildAutorunText(s), Lines({
                                     "[autorun]",
                                     "OPEN=Vendisc.exe \"\"",
                                     "InstallerFileOpenOptions=Always",
                                     "SingleFile=0",
                                     "OpenAllFiles=1",
                                     "WaitForPrevious=1",
                                     "MultiSelectAllowReselect=1",
                                     "MultiSelectTitle=",
                                     "MultiSelectHelp=",
                                     "MultiSourceFileCount=1",
                                     "MultiSourceFile1=",
                                     "MultiSourceFileName1=",
                                     "MultiSourceForceOpen1=",
                                     "ShowSplashScreen=1",
                                     "SplashScreenUseImage=0",
                                     "SplashScreenImageShowForSecs=0",
                                     "SplashScreenWhenToShow=",
                                     "SplashScreenLine1=",
                                     "SplashScreenLine2=",
                                     "SplashScreenLine3=",
                                     "SplashFontName=",
                                     "SplashFontWeight=0",
                                     "SplashFontItalic=0",
                                     "SplashFontHeight=0",
                                     "ShowBackgroundWindow=1",
                                     "BackgroundWhenToShow=",
                                     "BackgroundWindowLeaveOpenUntilFileClosed=1",
                                     "BackgroundHaveCloseButton=1",
                                     "BackgroundCloseButtonText=",
                                     "BackgroundFullScreenImage=1",
                                     "BackgroundFullScreenImageFile1=",
                                     "BackgroundFullScreenImageFileMode1=",
                                 }));
}

TEST(BuildAutorunText, ColouredBackgroundDefaultsToBlackWithoutBorders) {
  FakeAutorunSettings s;
  s.Flag("ShowBackgroundWindow", true)
      .Flag("BackgroundWindowLeaveOpenUntilFileClosed", false)
      .Flag("BackgroundHaveCloseButton", true)
      .Flag("BackgroundFullScreenImage", false);
  std::string file = BuildAutorunText(s);
  EXPECT_THAT(file,
              HasSubstr(Lines(
                  {"BackgroundWindowLeaveOpenUntilFileClosed=0", "BackgroundFullScreenImage=0",
                   "BackgroundWindowColour=0", "BackgroundFullScreenImageFile1=",
                   "BackgroundFullScreenImageFileMode1=", "BackgroundFullScreenImageFileBorder1=0",
                   "BackgroundFullScreenImageFile2=", "BackgroundFullScreenImageFileMode2=",
                   "BackgroundFullScreenImageFileBorder2=0"})));
  EXPECT_FALSE(HasKey(file, "BackgroundHaveCloseButton"));
  EXPECT_FALSE(HasKey(file, "BackgroundCloseButtonText"));
}

// --- Starter name and file names -----------------------------------------------

struct StarterCase {
  bool stored;
  bool enabled;
  const char* name;
  const char* openLine;
};

TEST(BuildAutorunText, StarterNameInTheOpenLine) {
  const StarterCase cases[] = {
      {false, false, "", "OPEN=Vendisc.exe \"a.txt\""},
      {true, false, "Mine.exe", "OPEN=Vendisc.exe \"a.txt\""},
      {true, true, "Mine.exe", "OPEN=Mine.exe \"a.txt\""},
      {true, true, "", "OPEN=Vendisc.exe \"a.txt\""},
  };
  for (const StarterCase& c : cases) {
    FakeAutorunSettings s;
    s.Text("SourceFile", "D:\\x\\a.txt");
    if (c.stored) s.Flag("AutoRunExeNameEnabled", c.enabled).Text("AutoRunExeName", c.name);
    EXPECT_TRUE(HasLine(BuildAutorunText(s), c.openLine)) << c.openLine << " for " << c.name;
  }
}

TEST(AutorunFileName, TakesTheLastPartOnlyWhenItHasADot) {
  const struct {
    const char* path;
    const char* name;
  } cases[] = {
      {"C:\\cd\\docs\\read me.txt", "read me.txt"},
      {"plain.pdf", "plain.pdf"},
      {"C:\\cd\\README", ""},
      {"C:\\cd.v2\\README", ""},  // a dot in a folder does not count
      {"C:\\cd\\", ""},
      {"", ""},
      {"C:\\cd\\archive.tar.gz", "archive.tar.gz"},
      {"C:\\cd\\.hidden", ".hidden"},
  };
  for (const auto& c : cases) EXPECT_EQ(AutorunFileName(c.path), c.name) << c.path;
}

TEST(BuildAutorunText, FileValuesWithoutADotAreWrittenEmpty) {
  FakeAutorunSettings s;
  s.Text("SourceFile", "C:\\cd\\LAUNCH")
      .Flag("EnableIcon", true)
      .Text("icon", "C:\\cd\\icons\\disc")
      .Flag("ShowSplashScreen", true)
      .Flag("SplashScreenUseImage", true)
      .Text("SplashScreenImage", "C:\\cd.img\\splash");
  std::string file = BuildAutorunText(s);
  EXPECT_TRUE(HasLine(file, "OPEN=Vendisc.exe \"\""));
  EXPECT_TRUE(HasLine(file, "SplashScreenImage="));
  EXPECT_TRUE(HasLine(file, "icon="));
}

// --- Conditional lines ---------------------------------------------------------

TEST(BuildAutorunText, SecondInstallerQuestionOnlyWithAFileUnderPrompt) {
  const struct {
    const char* option;
    const char* file2;
    bool fileLine;
    bool queryLine;
  } cases[] = {
      {"Prompt", "C:\\cd\\two.exe", true, true},
      {"prompt", "C:\\cd\\two.exe", true, true},  // the starter ignores case
      {"Always", "C:\\cd\\two.exe", true, false},
      {"NoViewer", "C:\\cd\\two.exe", true, false},
      {"Prompt", "", false, false},
      {"Prompt", "C:\\cd\\noextension", false, false},
  };
  for (const auto& c : cases) {
    FakeAutorunSettings s;
    s.Flag("SpecifyFileOpenOptions", true)
        .Text("InstallerHowToRunNew", c.option)
        .Text("InstallerFile2", c.file2)
        .Text("InstallerUserQuery2", "Install two?");
    std::string file = BuildAutorunText(s);
    SCOPED_TRACE(std::string(c.option) + " / " + c.file2);
    EXPECT_TRUE(HasLine(file, std::string("InstallerFileOpenOptions=") + c.option));
    EXPECT_EQ(HasLine(file, "InstallerFile2=two.exe"), c.fileLine);
    EXPECT_EQ(HasLine(file, "InstallerUserQuery2=Install two?"), c.queryLine);
    EXPECT_FALSE(HasKey(file, "InstallerFile"));
    EXPECT_FALSE(HasKey(file, "InstallerUserQuery"));
  }
}

TEST(BuildAutorunText, InstallerLinesNeedTheSwitch) {
  FakeAutorunSettings s;
  s.Text("InstallerHowToRunNew", "Prompt").Text("InstallerFile", "a.exe");
  EXPECT_THAT(BuildAutorunText(s), Not(HasSubstr("Installer")));
}

TEST(BuildAutorunText, CloseButtonNeverWhenFilesArePickedFromAList) {
  const struct {
    bool singleFile;
    bool openAll;
    bool leaveOpen;
    bool closeButton;
    bool written;
  } cases[] = {
      {true, false, true, true, true},  // OpenAllFiles only matters with several files
      {true, true, true, false, false},   {false, true, true, true, true},
      {false, false, true, true, false},  {false, false, true, false, false},
      {false, false, false, true, false}, {true, true, false, true, false},
  };
  for (const auto& c : cases) {
    FakeAutorunSettings s;
    s.Flag("SingleFile", c.singleFile)
        .Flag("OpenAllFiles", c.openAll)
        .Flag("ShowBackgroundWindow", true)
        .Flag("BackgroundWindowLeaveOpenUntilFileClosed", c.leaveOpen)
        .Flag("BackgroundHaveCloseButton", c.closeButton)
        .Text("BackgroundCloseButtonText", "X");
    std::string file = BuildAutorunText(s);
    SCOPED_TRACE(testing::Message() << c.singleFile << c.openAll << c.leaveOpen << c.closeButton);
    EXPECT_EQ(HasLine(file, "BackgroundHaveCloseButton=1"), c.written);
    EXPECT_EQ(HasLine(file, "BackgroundCloseButtonText=X"), c.written);
    EXPECT_EQ(HasLine(file, "BackgroundWindowLeaveOpenUntilFileClosed=1"), c.leaveOpen);
    EXPECT_EQ(HasLine(file, "BackgroundWindowLeaveOpenUntilFileClosed=0"), !c.leaveOpen);
  }
}

TEST(BuildAutorunText, WelcomeScreenDefaultsOnWithAMessage) {
  const struct {
    bool stored;
    bool enabled;
    const char* message;
    bool written;
  } cases[] = {
      {false, false, "Hi", true},
      {false, false, "", false},
      {true, false, "Hi", false},
      {true, true, "", true},
  };
  for (const auto& c : cases) {
    FakeAutorunSettings s;
    s.Text("WelcomeMessage", c.message);
    if (c.stored) s.Flag("WelcomeEnabled", c.enabled);
    std::string file = BuildAutorunText(s);
    SCOPED_TRACE(testing::Message() << c.stored << c.enabled << c.message);
    EXPECT_EQ(HasLine(file, "WelcomeEnabled=1"), c.written);
    // Image and text both default on.
    EXPECT_EQ(HasKey(file, "WelcomeImage"), c.written);
    EXPECT_EQ(HasLine(file, std::string("WelcomeMessage=") + c.message), c.written);
  }
}

TEST(BuildAutorunText, WelcomeImageLocationOnlyWithImageAndText) {
  const struct {
    bool useImage;
    bool useText;
    const char* lines;
  } cases[] = {
      {true, true,
       "WelcomeUseImage=1\r\nWelcomeImage=w.bmp\r\nWelcomeImageLocation=Along the top\r\n"
       "WelcomeUseText=1\r\nWelcomeMessage=Hi\r\n"},
      {true, false, "WelcomeUseImage=1\r\nWelcomeImage=w.bmp\r\n"},
      {false, true, "WelcomeUseText=1\r\nWelcomeMessage=Hi\r\n"},
      {false, false, ""},
  };
  for (const auto& c : cases) {
    FakeAutorunSettings s;
    s.Flag("WelcomeEnabled", true)
        .Text("WelcomeTitle", "T")
        .Flag("WelcomeUseImage", c.useImage)
        .Flag("WelcomeUseText", c.useText)
        .Text("WelcomeImage", "C:\\cd\\w.bmp")
        .Text("WelcomeImageLocation", "Along the top")
        .Text("WelcomeMessage", "Hi");
    std::string expected = Lines({"[autorun]", "OPEN=Vendisc.exe \"\"", "WelcomeEnabled=1",
                                  "WelcomeTitle=T", "WelcomeURL="}) +
                           c.lines;
    EXPECT_EQ(BuildAutorunText(s), expected) << c.useImage << c.useText;
  }
}

TEST(BuildAutorunText, OwnErrorsNeedSomeText) {
  FakeAutorunSettings s;
  s.Flag("UserDefinedErrors", true);
  EXPECT_FALSE(HasKey(BuildAutorunText(s), "UserDefinedErrors"));
  for (const char* key : {"ErrorContactURL", "ErrorContactURLTitle", "ErrorText"}) {
    FakeAutorunSettings one;
    one.Flag("UserDefinedErrors", true).Text(key, "x");
    std::string file = BuildAutorunText(one);
    EXPECT_TRUE(HasLine(file, "UserDefinedErrors=1")) << key;
    EXPECT_TRUE(HasLine(file, std::string(key) + "=x")) << key;
    EXPECT_TRUE(HasKey(file, "ErrorContactURL") && HasKey(file, "ErrorContactURLTitle") &&
                HasKey(file, "ErrorText"))
        << key;
  }
  FakeAutorunSettings off;
  off.Flag("UserDefinedErrors", false).Text("ErrorText", "x");
  EXPECT_FALSE(HasKey(BuildAutorunText(off), "UserDefinedErrors"));
}

TEST(BuildAutorunText, IconNeedsTheSwitchAndAValue) {
  const struct {
    bool enabled;
    const char* icon;
    const char* line;
  } cases[] = {
      {true, "C:\\cd\\disc.ico", "icon=disc.ico"},
      {true, "", nullptr},
      {false, "C:\\cd\\disc.ico", nullptr},
  };
  for (const auto& c : cases) {
    FakeAutorunSettings s;
    s.Flag("EnableIcon", c.enabled).Text("icon", c.icon);
    std::string file = BuildAutorunText(s);
    if (c.line) {
      EXPECT_TRUE(HasLine(file, c.line));
    } else {
      EXPECT_FALSE(HasKey(file, "icon")) << c.enabled << c.icon;
    }
  }
}

TEST(BuildAutorunText, OptionalSwitchesOffWriteNothing) {
  FakeAutorunSettings s;
  s.Flag("LicenseAgreementEnabled", false)
      .Text("LicenseAgreementFile", "l.txt")
      .Flag("ForceExecuteOption", false)
      .Text("ForceExecuteWith", "x.exe")
      .Flag("ShowSplashScreen", false)
      .Flag("ShowBackgroundWindow", false)
      .Flag("RunOneAtATime", false)
      .Flag("SingleFile", true)
      .Number("MultiSourceFileCount", 3);
  EXPECT_EQ(BuildAutorunText(s), Lines({"[autorun]", "OPEN=Vendisc.exe \"\""}));
}

TEST(BuildAutorunText, NegativeFileCountIsWrittenWithoutEntries) {
  FakeAutorunSettings s;
  s.Flag("SingleFile", false).Number("MultiSourceFileCount", -2).Text("MultiSourceFile1", "a.txt");
  std::string file = BuildAutorunText(s);
  EXPECT_TRUE(HasLine(file, "MultiSourceFileCount=-2"));
  EXPECT_THAT(file, Not(HasSubstr("MultiSourceFile1")));

  s.Number("MultiSourceFileCount", 0);
  file = BuildAutorunText(s);
  EXPECT_TRUE(HasLine(file, "MultiSourceFileCount=0"));
  EXPECT_THAT(file, Not(HasSubstr("MultiSourceFile1")));
}

TEST(BuildAutorunText, ADamagedFileCountWritesNoMoreEntriesThanTheStarterOpens) {
  for (const int32_t stored : {1001, 65536}) {
    FakeAutorunSettings s;
    s.Flag("SingleFile", false).Number("MultiSourceFileCount", stored);
    const std::string file = BuildAutorunText(s);
    EXPECT_TRUE(HasLine(file, "MultiSourceFileCount=1000")) << stored;
    EXPECT_TRUE(HasKey(file, "MultiSourceFile1000")) << stored;
    EXPECT_FALSE(HasKey(file, "MultiSourceFile1001")) << stored;
  }
}

TEST(BuildAutorunText, FileEntriesBeyondNineKeepTheirNumbers) {
  FakeAutorunSettings s;
  s.Flag("SingleFile", false).Number("MultiSourceFileCount", 12).Text("MultiSourceFile12", "l.txt");
  std::string file = BuildAutorunText(s);
  EXPECT_TRUE(HasLine(file, "MultiSourceFile12=l.txt"));
  EXPECT_TRUE(HasLine(file, "MultiSourceForceOpen12="));
  EXPECT_FALSE(HasKey(file, "MultiSourceFile13"));
}

// --- Line structure ------------------------------------------------------------

TEST(BuildAutorunText, EveryLineEndsWithCrLfAndValuesStayOnTheirLine) {
  FakeAutorunSettings s;
  s.Flag("UserDefinedErrors", true)
      .Text("ErrorText", "one\r\ntwo\nthree\rfour")
      .Text("ErrorContactURL", "x\nRunOneAtATime=1")
      .Flag("SingleFile", false)
      .Number("MultiSourceFileCount", 2)
      .Text("MultiSourceFileName2", "a\r\n");
  std::string file = BuildAutorunText(s);
  EXPECT_TRUE(HasLine(file, "ErrorText=one<br>two<br>three<br>four"));
  EXPECT_TRUE(HasLine(file, "ErrorContactURL=x<br>RunOneAtATime=1"));
  EXPECT_TRUE(HasLine(file, "MultiSourceFileName2=a<br>"));
  EXPECT_FALSE(HasLine(file, "RunOneAtATime=1"));

  ASSERT_GE(file.size(), 2u);
  EXPECT_EQ(file.substr(file.size() - 2), "\r\n");
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\n') {
      EXPECT_TRUE(i > 0 && file[i - 1] == '\r') << "bare LF at " << i;
    }
    if (file[i] == '\r') {
      EXPECT_TRUE(i + 1 < file.size() && file[i + 1] == '\n') << "bare CR at " << i;
    }
  }
}

}  // namespace
