// The files-to-copy report: one table of configurations and the rows each
// lists, in order.
#include "wizard/files_to_copy.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/autorun_keys.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "wizard/cd_files_texts.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

// Rows print as text when a comparison fails.
void PrintTo(const FileToCopy& row, std::ostream* out) {
  *out << "{" << row.target << " | " << row.source << "}";
}

namespace {
namespace ws = wizard_settings;

const std::string kInf = "E:\\cd\\autorun.inf";
const std::string kF = "E:\\cd\\";
const std::string kNote = " (plus any support files required for this)";
const std::string kInstNote = " (plus any support installer files)";
const FileToCopy kInfRow{"\\", kF + "autorun.inf"};
const FileToCopy kStarterRow{"\\", kF + "Vendisc.exe"};

TEST(FilesToCopy, RowsForEachConfiguration) {
  struct Row {
    const char* what;
    const char* file;  // null: the file is not there
    std::vector<FileToCopy> extra;
    bool noOpen = false;
  };
  const std::vector<Row> rows = {
      {"single file: quoted name after the starter",
       "[autorun]\r\nOPEN=Vendisc.exe \"My Doc.pdf\"\r\n",
       {{"\\", kF + "My Doc.pdf" + kNote}}},
      {"starter name in another case, blanks around",
       "[autorun]\r\nopen =  vendisc.EXE   \"doc.pdf\"  \r\nSingleFile=1\r\n",
       {{"\\", kF + "doc.pdf" + kNote}}},
      {"no open line", "[autorun]\r\nicon=cd.ico\r\n", {{"\\", kF + "cd.ico"}}, true},
      {"file missing", nullptr, {}, true},
      {"several: URL skipped, folder, sub-folder, root file, doubled backslash",
       "[autorun]\r\nOPEN=Vendisc.exe \"\"\r\nSingleFile=0\r\nMultiSourceFileCount=5\r\n"
       "MultiSourceFile1=http://x.example\r\nMultiSourceFile2=docs\r\n"
       "MultiSourceFile3=sub\\b.pdf\r\nMultiSourceFile4=\r\nMultiSourceFile5=\\c.pdf\r\n"
       "MultiSourceFile6=beyond.pdf\r\n",
       {{"docs", kF + "docs"}, {"sub\\", kF + "sub\\b.pdf" + kNote}, {"\\", kF + "c.pdf" + kNote}}},
      {"several with a count that does not parse",
       "[autorun]\r\nSingleFile=0\r\nMultiSourceFileCount=many\r\nMultiSourceFile1=a.pdf\r\n",
       {}},
      {"every file key, in the report's order",
       "[autorun]\r\nOPEN=Vendisc.exe \"a.pdf\"\r\nQUAVLicenseFile=licence.txt\r\n"
       "iconfile=old.ico\r\nicon=cd.ico\r\nInstallerFile=setup.exe\r\n"
       "InstallerFile3=three.exe\r\nSplashScreenUseImage=1\r\nSplashScreenImage=s.bmp\r\n"
       "ShowBackgroundWindow=1\r\nBackgroundFullScreenImageFile1=b1.bmp\r\n"
       "BackgroundFullScreenImageFile2=b2.bmp\r\nWelcomeUseImage=1\r\nWelcomeImage=w.bmp\r\n"
       "MultiSelectUseImage=1\r\nMultiSelectImage=m.bmp\r\n",
       {{"\\", kF + "a.pdf" + kNote},
        {"\\", kF + "licence.txt"},
        {"\\", kF + "old.ico"},
        {"\\", kF + "cd.ico"},
        {"\\", kF + "setup.exe" + kInstNote},
        {"\\", kF + "three.exe" + kInstNote},
        {"\\", kF + "s.bmp"},
        {"\\", kF + "b1.bmp"},
        {"\\", kF + "b2.bmp"},
        {"\\", kF + "w.bmp"},
        {"\\", kF + "m.bmp"}}},
      {"images switched off are not listed",
       "[autorun]\r\nOPEN=Vendisc.exe \"a.pdf\"\r\nSplashScreenUseImage=0\r\n"
       "SplashScreenImage=s.bmp\r\nShowBackgroundWindow=0\r\n"
       "BackgroundFullScreenImageFile1=b1.bmp\r\nWelcomeImage=w.bmp\r\n"
       "MultiSelectUseImage=yes\r\nMultiSelectImage=m.bmp\r\n",
       {{"\\", kF + "a.pdf" + kNote}}},
  };
  for (const Row& row : rows) {
    FakeRegistryBackend backend;
    WizardSettings settings(backend);
    FakeFileSystem fs;
    if (row.file) fs.files[kInf] = row.file;
    const FilesToCopyReport report = BuildFilesToCopy(kInf, fs, settings);
    std::vector<FileToCopy> expected = {kInfRow, kStarterRow};
    expected.insert(expected.end(), row.extra.begin(), row.extra.end());
    EXPECT_EQ(report.rows, expected) << row.what;
    EXPECT_EQ(report.folder, kF) << row.what;
    EXPECT_EQ(report.message, row.noOpen ? cd_files_texts::kNoOpenInReport : "") << row.what;
  }
}

TEST(FilesToCopy, TheStarterNameComesFromTheSettings) {
  struct Row {
    const char* enabled;
    const char* name;
    const char* open;
    std::string starter;
    std::string file;
  };
  const std::vector<Row> rows = {
      {"yes", "Go Now.exe", "Go Now.exe \"a b.pdf\"", "Go Now.exe", "a b.pdf"},
      {"yes", "", "Vendisc.exe \"a.pdf\"", "Vendisc.exe", "a.pdf"},
      {"no", "Go.exe", "Vendisc.exe \"a.pdf\"", "Vendisc.exe", "a.pdf"},
  };
  for (const Row& row : rows) {
    FakeRegistryBackend backend;
    WizardSettings settings(backend);
    settings.SetText(ws::kAutoRunExeNameEnabled, row.enabled);
    settings.SetText(ws::kAutoRunExeName, row.name);
    FakeFileSystem fs;
    fs.files["D:\\My CD\\AUTORUN.INF"] = std::string("[autorun]\r\nopen=") + row.open + "\r\n";
    const FilesToCopyReport report = BuildFilesToCopy("D:\\My CD\\AUTORUN.INF", fs, settings);
    EXPECT_EQ(report.rows, (std::vector<FileToCopy>{{"\\", "D:\\My CD\\AUTORUN.INF"},
                                                    {"\\", "D:\\My CD\\" + row.starter},
                                                    {"\\", "D:\\My CD\\" + row.file + kNote}}))
        << row.name;
  }
}

}  // namespace
