// discwright-cli run as a process on real folders: its exit statuses and
// messages, the faults of the disk (under the CD files and under the image),
// Linux names matched as Windows matches them, and autorun.inf through
// `create` (a file the writer made unchanged, a hand-written one in the
// writer's order with the same meaning).
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

// A CD folder (cd/), a starter and a folder for images (images/) beside it,
// in a folder of their own.
class Scratch {
 public:
  Scratch() {
    char name[] = "/tmp/cli-test-XXXXXX";
    if (mkdtemp(name) != nullptr) root_ = name;
    starter_ = root_ / "Vendisc.exe";
    MakeCd("cd");
    Write(starter_, "kit starter");
    fs::create_directories(Images());
  }
  ~Scratch() {
    for (const fs::path& path : immutable_) Unix("chattr -i '" + path.string() + "'");
    if (mounted_) Unix("umount -l '" + Images().string() + "'");
    fs::remove_all(root_);
  }
  fs::path Images() const { return root_ / "images"; }
  // The images' folder on a disk of `bytes`.
  bool SmallDisk(int bytes) {
    const std::string options = "-o size=" + std::to_string(bytes);
    mounted_ = Unix("mount -t tmpfs " + options + " tmpfs '" + Images().string() + "' 2>/dev/null");
    return mounted_;
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
  // The files of the CD folder and beside it and their contents (links to
  // devices and the tool's output left out).
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root_)) {
      const std::string name = fs::relative(entry.path(), root_).string();
      if (entry.is_regular_file() && !entry.is_symlink() && name != "out.txt" &&
          name != "err.txt") {
        files[name] = Read(entry.path());
      }
    }
    return files;
  }
  // {cd}, {starter} and {iso} (images/cd.iso) filled in.
  std::string Filled(const std::string& text) const {
    std::string filled = text::ReplaceAll(text, "{cd}", cd_.string());
    filled = text::ReplaceAll(filled, "{iso}", (Images() / "cd.iso").string());
    return text::ReplaceAll(filled, "{starter}", starter_.string());
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
  bool mounted_ = false;
};

const std::string kOpenMovie = "[autorun]\r\nOPEN=Vendisc.exe \"movie.avi\"\r\n";
const std::string kHandOpenMovie = "[AutoRun]\r\nopen = Vendisc.exe movie.avi\r\n";
const std::string kMissingMovie =
    "movie.avi: required for 'Autorun File', but could not be located";
const std::string kStarterNotThere =
    "Vendisc.exe: the starter that the OPEN line names is not there (create copies it)";
const std::string kNotAFile = "cannot go on the CD image: It is neither a file nor a folder.";

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
  const auto ready = [&](Scratch& t) { return movie(t) && (t.Put("Vendisc.exe"), true); };
  const std::string kMegabyte(1 << 20, 'm');
  const Lines kMade = {"Created the CD image {iso}", "Size of the image: 0.4 MB (376,832 bytes)."};
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
       {"Vendisc.exe.tmp~: " + kNotAFile},
       "cannot copy {starter} to {cd}/Vendisc.exe: the disk is full"},
      {"a full disk under autorun.inf",
       [&](auto& t) {
         return movie(t) && symlink("/dev/full", (t.Cd() / "autorun.inf.tmp~").c_str()) == 0;
       },
       {"create", "{cd}", "--yes", "--starter", "{starter}"},
       1,
       {"autorun.inf.tmp~: " + kNotAFile},
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
       {"pics/photo.JPG: cannot go on the CD image: It differs only in case from 'Photo.jpg', "
        "which goes on the CD."}},
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
            ".pdf: the name on the CD has 65 characters: some CD writers cut names longer than 60",
        longName + ".pdf: cannot go on the CD image: The name is longer than 64 characters."}},
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
      {"a picture by its content, and more than a CD holds",
       [](auto& t) {
         t.Put("autorun.inf", kOpenMovie +
                                  "ShowSplashScreen=1\r\nSplashScreenUseImage=1\r\n"
                                  "SplashScreenImage=splash.jpg\r\n");
         t.Put("movie.avi");
         t.Put("Vendisc.exe");
         t.Put("splash.jpg", "\x89PNG\r\n\x1A\n");
         t.Put("big.bin");
         fs::resize_file(t.Cd() / "big.bin", 800'000'000);  // sparse: nothing is written
         return true;
       },
       {"check", "{cd}"},
       1,
       {"splash.jpg: chosen for 'Splash Screen Image', but not a GIF, JPEG or BMP picture by its "
        "content: the CD cannot show it",
        "{cd}: the CD image would be about 763.3 MB (800,376,832 bytes), more than the 703.1 MB "
        "(737,280,000 bytes) a 700 MB CD holds"},
       "",
       false},
      // The image: what the wizard's image step refuses, and its questions.
      {"image made", ready, {"image", "{cd}", "-o", "{iso}"}, 0, kMade, "", false},
      {"image of a missing folder",
       nullptr,
       {"image", "{cd}/gone", "-o", "{iso}"},
       2,
       {},
       "{cd}/gone: there is no such folder"},
      {"image with a file of the report missing",
       [](auto& t) { return t.Put("autorun.inf", kOpenMovie), t.Put("Vendisc.exe"), true; },
       {"image", "{cd}", "-o", "{iso}"},
       1,
       {},
       "movie.avi: a file of the CD that is not there\ndiscwright-cli: 1 file(s) of the CD are "
       "not there: no image made"},
      {"image inside the CD folder",
       ready,
       {"image", "{cd}", "-o", "{cd}/sub/../cd.iso"},
       2,
       {},
       "{cd}/cd.iso: the image cannot go inside the folder it is made of"},
      {"image in a folder that is not there",
       ready,
       {"image", "{cd}", "--output={iso}/x.iso"},
       2,
       {},
       "{iso}: there is no such folder for the image"},
      {"image without -o", ready, {"image", "{cd}"}, 2, {}, "image needs --output"},
      {"image with a bad label",
       ready,
       {"image", "{cd}", "-o", "{iso}", "--label", "SEVENTEEN CHARS!!"},
       2,
       {},
       "--label 'SEVENTEEN CHARS!!': The volume label can hold at most 16 characters."},
      {"image over an old one is No by default",
       [&](auto& t) { return ready(t) && (Write(t.Images() / "cd.iso", "old"), true); },
       {"image", "{cd}", "-o", "{iso}"},
       1,
       {},
       "{iso} exists: not replaced without --yes"},
      {"image over an old one with --yes",
       [&](auto& t) { return ready(t) && (Write(t.Images() / "cd.iso", "old"), true); },
       {"image", "{cd}", "-o", "{iso}", "--yes"},
       0,
       kMade,
       "",
       false},
      {"image with what it cannot hold is No by default",
       [&](auto& t) { return ready(t) && (t.Put("a:b.txt"), true); },
       {"image", "{cd}", "-o", "{iso}"},
       1,
       {},
       "a:b.txt: The name holds \\ / : * ? \" < > | or ends in a dot or a blank: Windows refuses "
       "it.\ndiscwright-cli: 1 file(s) or folder(s) cannot go on the CD image: no image made "
       "(--yes leaves them out)"},
      {"image in an unwritable folder",
       [&](auto& t) { return ready(t) && t.Immutable(t.Images()); },
       {"image", "{cd}", "-o", "{iso}"},
       1,
       {},
       "cannot write the image {iso}: access is denied"},
      {"image on a full disk",
       [&](auto& t) {
         return ready(t) && t.SmallDisk(256 << 10) && (t.Put("big.bin", kMegabyte), true);
       },
       {"image", "{cd}", "-o", "{iso}"},
       1,
       {},
       ": the disk is full (while it is made, the image needs free space"},
      {"no command", nullptr, {}, 2, {}, "discwright-cli: no command given"},
      {"an unknown command", nullptr, {"burn"}, 2, {}, "unknown command 'burn'"},
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
    const auto before = row.unchanged ? t.Files() : std::map<std::string, std::string>();
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
  for (const char* file : {"Caf\xC3\xA9.pdf", "cd.ico", "Start.exe"}) t.Put(file);
  t.Put("splash.jpg", "\xFF\xD8\xFF\xE0");
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
