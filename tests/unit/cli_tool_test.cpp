// discwright-cli run as a process on real folders: its exit statuses and
// messages, the faults of the disk, Linux names matched as Windows matches
// them, and autorun.inf through `create` (a file the writer made unchanged,
// a hand-written one in the writer's order with the same meaning).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/text.h"
#include "config/autorun_config.h"
#include "config/autorun_keys.h"
#include "config/autorun_writer.h"
#include "fake_file_system.h"
#include "fake_registry_backend.h"
#include "wizard/wizard_settings.h"
#include "wizard/wizard_values.h"

namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream all;
  all << in.rdbuf();
  return all.str();
}

void Write(const fs::path& path, const std::string& contents) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << contents;
}

Lines SplitLines(const std::string& text) {
  Lines lines = text::Split(text, '\n');
  if (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

struct Ran {
  int status = -1;
  std::string out, err;
};

// The tool with these arguments; its output through files, never a pipe.
Ran RunTool(const Lines& arguments, const fs::path& scratch) {
  std::vector<char*> argv = {const_cast<char*>(CLI_TOOL)};
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const std::string out = scratch / "out.txt", err = scratch / "err.txt";
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  Ran ran;
  if (posix_spawn(&pid, CLI_TOOL, &files, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  posix_spawn_file_actions_destroy(&files);
  ran.out = Read(out);
  ran.err = Read(err);
  return ran;
}

// A CD folder (cd/) and a starter beside it, in a folder of their own.
class Scratch {
 public:
  Scratch() {
    char name[] = "/tmp/cli-test-XXXXXX";
    if (mkdtemp(name) != nullptr) root_ = name;
    starter_ = root_ / "Vendisc.exe";
    MakeCd("cd");
    Write(starter_, "kit starter");
  }
  ~Scratch() {
    for (const fs::path& path : immutable_) Unix("chattr -i '" + path.string() + "'");
    fs::remove_all(root_);
  }
  // The CD folder under another name (before anything is put in it).
  void MakeCd(const std::string& name) {
    cd_ = root_ / name;
    fs::create_directories(cd_);
  }
  const fs::path& Cd() const { return cd_; }
  void Put(const std::string& name, const std::string& contents = "x") {
    Write(cd_ / name, contents);
  }
  // Nothing may be written in or below `path` (the superuser included).
  bool Immutable(const fs::path& path) {
    if (!Unix("chattr +i '" + path.string() + "' 2>/dev/null")) return false;
    immutable_.push_back(path);
    return true;
  }
  // The folder's files and their contents (links to devices left out).
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(cd_)) {
      if (entry.is_regular_file() && !entry.is_symlink()) {
        files[fs::relative(entry.path(), cd_).string()] = Read(entry.path());
      }
    }
    return files;
  }
  // {cd} and {starter} filled in.
  std::string Filled(const std::string& text) const {
    return text::ReplaceAll(text::ReplaceAll(text, "{cd}", cd_.string()), "{starter}",
                            starter_.string());
  }
  Ran Run(const Lines& arguments) const {
    Lines filled;
    for (const std::string& a : arguments) filled.push_back(Filled(a));
    return RunTool(filled, root_);
  }

 private:
  static bool Unix(const std::string& command) { return std::system(command.c_str()) == 0; }

  fs::path root_, cd_;
  fs::path starter_;
  std::vector<fs::path> immutable_;
};

const std::string kOpenMovie = "[autorun]\r\nOPEN=Vendisc.exe \"movie.avi\"\r\n";
const std::string kHandOpenMovie = "[AutoRun]\r\nopen = Vendisc.exe movie.avi\r\n";
const std::string kMissingMovie =
    "movie.avi: required for 'Autorun File', but could not be located";
const std::string kStarterNotThere =
    "Vendisc.exe: the starter that the OPEN line names is not there (create copies it)";

struct Row {
  const char* name;
  std::function<bool(Scratch&)> setUp;  // false: the fault cannot be made here
  Lines arguments;
  int status;
  Lines out;              // every line of standard output
  std::string err = "";   // in standard error ({cd}, {starter} filled in)
  bool unchanged = true;  // the folder's files are as they were
};

TEST(CliTool, ExitStatusesAndMessages) {
  const auto movie = [](Scratch& t) {
    t.Put("autorun.inf", kOpenMovie);
    t.Put("movie.avi");
    return true;
  };
  const std::string longName(61, 'n');
  const Row rows[] = {
      {"a missing folder",
       nullptr,
       {"check", "{cd}/gone"},
       2,
       {},
       "{cd}/gone: there is no such folder"},
      {"no autorun.inf", nullptr, {"report", "{cd}"}, 2, {}, "{cd}: the folder has no autorun.inf"},
      {"a missing required file",
       [](auto& t) { return t.Put("autorun.inf", kOpenMovie), true; },
       {"check", "{cd}"},
       1,
       {kMissingMovie, kStarterNotThere},
       ""},
      {"create stops at it",
       [](auto& t) { return t.Put("autorun.inf", kOpenMovie), true; },
       {"create", "{cd}", "--starter", "{starter}"},
       1,
       {kMissingMovie},
       "1 problem(s): nothing created (--yes goes on past them)"},
      {"an overwrite is No by default",
       [](auto& t) { return t.Put("autorun.inf", kHandOpenMovie), t.Put("movie.avi"), true; },
       {"create", "{cd}", "--starter", "{starter}"},
       1,
       {},
       "{cd}/autorun.inf exists and would change: not overwritten without --yes"},
      {"--yes overwrites",
       [](auto& t) { return t.Put("autorun.inf", kHandOpenMovie), t.Put("movie.avi"), true; },
       {"create", "{cd}", "--starter", "{starter}", "--yes"},
       0,
       {"Created autorun.inf and Vendisc.exe in {cd}"},
       "",
       false},
      {"an unwritable folder",
       [&](auto& t) { return movie(t) && t.Immutable(t.Cd()); },
       {"create", "{cd}", "--yes", "--starter={starter}"},
       1,
       {},
       "cannot copy {starter} to {cd}/Vendisc.exe: access is denied (read-only, or not yours to "
       "write)"},
      {"a full disk under the starter",
       [&](auto& t) {
         return movie(t) && symlink("/dev/full", (t.Cd() / "Vendisc.exe.tmp~").c_str()) == 0;
       },
       {"create", "{cd}", "--yes", "--starter", "{starter}"},
       1,
       {},
       "cannot copy {starter} to {cd}/Vendisc.exe: the disk is full"},
      {"a full disk under autorun.inf",
       [&](auto& t) {
         return movie(t) && symlink("/dev/full", (t.Cd() / "autorun.inf.tmp~").c_str()) == 0;
       },
       {"create", "{cd}", "--yes", "--starter", "{starter}"},
       1,
       {},
       "cannot create {cd}/autorun.inf: the disk is full (the starter had been copied)",
       false},
      {"a starter name that leads out of the folder, even with --yes",
       [&](auto& t) {
         t.Put("autorun.inf", "[autorun]\r\nOPEN=..\\Start.exe \"movie.avi\"\r\n");
         return t.Put("movie.avi"), true;
       },
       {"create", "{cd}", "--yes", "--starter", "{starter}"},
       1,
       {"../Start.exe: the starter's name in the OPEN line leads out of the CD folder"},
       "The starter's name '..\\Start.exe' leads out of the folder of your autorun files."},
      {"no such starter",
       movie,
       {"create", "{cd}", "--starter", "{cd}/none.exe"},
       2,
       {},
       "{cd}/none.exe: there is no such starter"},
      // Linux names: autorun.inf's Windows-1252 "CAFÉ.PDF" is the folder's
      // UTF-8 "Café.pdf"; two names Windows would take for one are told.
      {"names matched without regard to case",
       [](auto& t) {
         t.Put("autorun.inf", "[autorun]\r\nOPEN=Vendisc.exe \"CAF\xC9.PDF\"\r\n");
         t.Put("Caf\xC3\xA9.pdf");
         t.Put("Vendisc.exe");
         t.Put("pics/Photo.jpg");
         t.Put("pics/photo.JPG");
         return true;
       },
       {"check", "{cd}"},
       1,
       {"pics/Photo.jpg, pics/photo.JPG: names that differ only in case: Windows sees one file"}},
      {"the report names the folder's own spelling",
       [](auto& t) {
         t.Put("autorun.inf", "[autorun]\r\nOPEN=Start.exe \"CAF\xC9.PDF\"\r\nicon=cd.ico\r\n");
         t.Put("Caf\xC3\xA9.pdf");
         return true;
       },
       {"report", "{cd}"},
       0,
       {"\\\t{cd}/autorun.inf", "\\\t{cd}/Start.exe",
        "\\\t{cd}/Caf\xC3\xA9.pdf\t(plus any support files required for this)", "\\\t{cd}/cd.ico"}},
      {"a name too long for CD writers",
       [&](auto& t) {
         t.Put("autorun.inf", "[autorun]\r\nOPEN=Vendisc.exe \"" + longName + ".pdf\"\r\n");
         t.Put(longName + ".pdf");
         t.Put("Vendisc.exe");
         return true;
       },
       {"check", "{cd}"},
       1,
       {longName +
        ".pdf: the name on the CD has 65 characters: some CD writers cut names longer than 60"}},
      {"a folder path Windows-1252 cannot write",
       [](auto& t) {
         t.MakeCd("\xD0\x94\xD0\xB8\xD1\x81\xD0\xBA");  // Cyrillic
         t.Put("autorun.inf", kOpenMovie);
         t.Put("movie.avi");
         t.Put("Vendisc.exe");
         return true;
       },
       {"check", "{cd}"},
       0,
       {}},
      {"no command", nullptr, {}, 2, {}, "discwright-cli: no command given"},
      {"an unknown command", nullptr, {"image"}, 2, {}, "unknown command 'image'"},
      {"no folder", nullptr, {"check"}, 2, {}, "check needs a FOLDER"},
      {"an unknown option",
       nullptr,
       {"check", "{cd}", "--yes"},
       2,
       {},
       "check has no option '--yes'"},
      {"an option without its value",
       nullptr,
       {"create", "{cd}", "--starter"},
       2,
       {},
       "--starter needs a value (PATH)"},
      {"two folders", nullptr, {"report", "{cd}", "{cd}"}, 2, {}, "unexpected '{cd}'"},
      {"the version", nullptr, {"--version"}, 0, {"discwright-cli (ZoruZaz AZ) 4.07"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Scratch t;
    if (row.setUp && !row.setUp(t)) {
      std::printf("[cli] %s: cannot be made on this machine, not run\n", row.name);
      continue;
    }
    const auto before = t.Files();
    const Ran ran = t.Run(row.arguments);
    EXPECT_EQ(ran.status, row.status) << ran.err;
    Lines out;
    for (const std::string& line : row.out) out.push_back(t.Filled(line));
    EXPECT_EQ(SplitLines(ran.out), out);
    EXPECT_NE(ran.err.find(t.Filled(row.err)), std::string::npos) << ran.err;
    if (row.unchanged) {
      EXPECT_EQ(t.Files(), before);
    }
  }
}

// A several-files configuration with every feature, as the writer writes
// it, with its files in the folder: create needs no Yes for it, and leaves
// autorun.inf byte for byte as it was.
TEST(CliTool, AFileTheWriterMadeGoesThroughUnchanged) {
  namespace ws = wizard_settings;
  using namespace keys;
  FakeRegistryBackend registry;
  WizardSettings s(registry);
  s.SetFlag(kSingleFile, false);
  s.SetFlag(kOpenAllFiles, false);
  s.SetText(kMultiSelectTitle, "Pick one");
  s.SetFlag(kMultiSelectUseImage, true);
  s.SetText(kMultiSelectImage, "C:\\x\\pick.gif");
  const char* entries[][2] = {{"docs\\Caf\xE9.pdf", "Caf\xE9"},
                              {"http://example.com", "Web"},
                              {"tools\\", "Tools"},
                              {"", ""},
                              {"setup.exe", "Set up"}};
  s.SetNumber(kMultiSourceFileCount, 5);
  for (int i = 1; i <= 5; ++i) {
    s.SetText(MultiSourceFile(i), entries[i - 1][0]);
    s.SetText(MultiSourceFileName(i), entries[i - 1][1]);
  }
  s.SetFlag(kShowSplashScreen, true);
  s.SetFlag(kSplashScreenUseImage, true);
  s.SetText(kSplashScreenImage, "C:\\x\\splash.jpg");
  s.SetText(kSplashScreenWhenToShow, "Startup");
  s.SetFlag(kShowBackgroundWindow, true);
  s.SetFlag(kBackgroundFullScreenImage, false);
  s.SetText(BackgroundFullScreenImageFile(1), "C:\\x\\back.bmp");
  s.SetText(kBackgroundWhenToShow, "BeforeWelcome");
  s.SetFlag(kWelcomeEnabled, true);
  s.SetFlag(kWelcomeUseImage, false);
  s.SetText(kWelcomeMessage, "Hello\r\nthere");
  s.SetFlag(kLicenseAgreementEnabled, true);
  s.SetText(ws::kLicenseAgreementFile, "licence.txt");
  s.SetText(ws::kLicenseAgreementFileShowEveryTime, "No");
  s.SetFlag(ws::kSpecifyFileOpenOptions, true);
  s.SetText(ws::kInstallerHowToRunNew, "Prompt");
  s.SetText(InstallerFile(1), "viewer.exe");
  s.SetText(InstallerUserQuery(1), "Install the viewer?");
  s.SetFlag(ws::kEnableIcon, true);
  s.SetText(kIcon, "cd.ico");
  s.SetFlag(kRunOneAtATime, true);
  s.SetFlag(kUserDefinedErrors, true);
  s.SetText(kErrorText, "Call us");
  const std::string written = BuildAutorunText(s);

  Scratch t;
  t.Put("autorun.inf", written);
  t.Put("Vendisc.exe", "kit starter");
  for (const char* file : {"docs/Caf\xC3\xA9.pdf", "setup.exe", "licence.txt", "viewer.exe",
                           "cd.ico", "tools/a.txt"}) {
    t.Put(file);
  }
  // Pictures are judged by their first bytes.
  t.Put("pick.gif", "GIF89a");
  t.Put("splash.jpg", "\xFF\xD8\xFF\xE0");
  t.Put(
      "back.bmp",
      std::string(
          "BM\x46\x0E\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x28\0\0\0\x1E\0\0\0\1\0\x18\0\0\0\0\0", 34));
  const Ran ran = t.Run({"create", "{cd}", "--starter", "{starter}"});
  EXPECT_EQ(ran.status, 0) << ran.out << ran.err;
  EXPECT_EQ(Read(t.Cd() / "autorun.inf"), written);
}

// A hand-written file (names in any case, blanks, quotes, another section,
// keys out of order, a key the kit does not know) comes out in the writer's
// order, and every key reads the same to the starter as before.
TEST(CliTool, AHandWrittenFileComesOutInTheWritersOrderWithTheSameMeaning) {
  const std::string hand =
      "; made by hand\r\n[Other]\r\nopen=wrong.exe\r\n"
      "[autorun]\r\n  Icon = cd.ico \r\nRunOneAtATime=1\r\n"
      "open=Start.exe \"Caf\xE9.pdf\"\r\n"
      "welcomeenabled=1\r\nWelcomeTitle=Our catalogue\r\nWelcomeUseText=1\r\n"
      "WelcomeMessage=Hello<br>world\r\n"
      "ShowSplashScreen=1\r\nsplashscreenuseimage=1\r\nSplashScreenImage=\"splash.jpg\"\r\n"
      "SplashScreenImageShowForSecs=3\r\nSplashScreenWhenToShow=startup\r\n"
      "QUAVAutorunTimeout=20\r\nSpareKey=1\r\n";
  Scratch t;
  t.Put("autorun.inf", hand);
  for (const char* file : {"Caf\xC3\xA9.pdf", "splash.jpg", "cd.ico", "Start.exe"}) t.Put(file);
  const Ran ran = t.Run({"create", "{cd}", "--starter", "{starter}", "--yes"});
  ASSERT_EQ(ran.status, 0) << ran.out << ran.err;
  const std::string made = Read(t.Cd() / "autorun.inf");
  EXPECT_EQ(made,
            "[autorun]\r\n"
            "OPEN=Start.exe \"Caf\xE9.pdf\"\r\n"
            "ShowSplashScreen=1\r\nSplashScreenUseImage=1\r\nSplashScreenImageShowForSecs=3\r\n"
            "SplashScreenWhenToShow=startup\r\nSplashScreenImage=splash.jpg\r\n"
            "WelcomeEnabled=1\r\nWelcomeTitle=Our catalogue\r\nWelcomeURL=\r\n"
            "WelcomeUseText=1\r\nWelcomeMessage=Hello<br>world\r\n"
            "icon=cd.ico\r\nRunOneAtATime=1\r\n");

  // The starter's readings, from a CD root holding each file.
  auto readings = [](const std::string& contents) {
    FakeFileSystem disk;
    disk.Put(keys::kFileName, contents);
    AutorunConfig config(disk);
    std::map<std::string, std::string> read;
    for (const char* key :
         {keys::kIcon, keys::kRunOneAtATime, keys::kSingleFile, keys::kWelcomeEnabled,
          keys::kWelcomeTitle, keys::kWelcomeUseText, keys::kWelcomeUseImage, keys::kWelcomeMessage,
          keys::kShowSplashScreen, keys::kSplashScreenUseImage, keys::kSplashScreenImage,
          keys::kSplashScreenImageShowForSecs, keys::kSplashScreenWhenToShow,
          keys::kShowBackgroundWindow, keys::kQUAVLicenseFile, keys::kUserDefinedErrors,
          keys::kInstallerFileOpenOptions}) {
      read[key] = config.ReadConfigValue(key);
    }
    read["file to open"] = config::FileFromOpenValue(config.ReadConfigValue(keys::kOpen));
    return read;
  };
  EXPECT_EQ(readings(made), readings(hand));
  // The autorun timeout is no setting of the wizard's: it is not written.
  EXPECT_EQ(made.find("QUAVAutorunTimeout"), std::string::npos);
}

}  // namespace
