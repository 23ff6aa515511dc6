#include "hostile_cases.h"

#include <cstdint>
#include <string>
#include <utility>

namespace e2e::hostile {
namespace {

constexpr const char* kCrlf = "\r\n";
// Most cases open a file that is not there: the error dialog ends the run at
// once, without the linger after a successful open.
constexpr const char* kOpenMissing = "OPEN=Vendisc.exe missing.doc\r\nQUAVAutorunTimeout=1\r\n";
constexpr size_t kMegabyte = 1024 * 1024;

std::function<std::string()> Autorun(std::string lines) {
  return [lines = std::move(lines)] { return "[autorun]\r\n" + lines; };
}

std::string Repeat(const std::string& piece, size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

CdFile Fixed(std::string name, std::string content) {
  return {std::move(name), [content = std::move(content)] { return content; }};
}

const std::string kFortyDigits = "1234567890123456789012345678901234567890";

// The kinds of broken picture, each a file of the CD (or none).
struct BadPicture {
  const char* name;
  const char* file;                   // what the image key names
  std::function<std::string()> make;  // empty: the file is not there
};

std::vector<BadPicture> BadPictures() {
  return {
      {"missing", "nothere.gif", nullptr},
      {"empty", "empty.gif", [] { return std::string(); }},
      {"text", "text.gif", [] { return std::string("This is not a picture.\r\n"); }},
      {"truncated_gif", "cut.gif", [] { return TruncatedGif(20); }},
      {"huge_gif", "huge.gif", [] { return ClaimedSizeGif(60000, 60000); }},
  };
}

// The windows that show a picture, each with the lines that make it show
// `file`.
struct PictureKey {
  const char* name;
  std::string (*lines)(const std::string& file);
};

std::vector<PictureKey> PictureKeys() {
  return {
      {"splash",
       [](const std::string& f) {
         return "ShowSplashScreen=1\r\nSplashScreenUseImage=1\r\nSplashScreenWhenToShow=Startup\r\n"
                "SplashScreenImage=" +
                f + kCrlf;
       }},
      {"background1",
       [](const std::string& f) {
         return "ShowBackgroundWindow=1\r\nBackgroundWhenToShow=Startup\r\n"
                "BackgroundFullScreenImageFile1=" +
                f + "\r\nBackgroundFullScreenImageFileMode1=Center\r\n";
       }},
      {"background2",
       [](const std::string& f) {
         return "ShowBackgroundWindow=1\r\nBackgroundWhenToShow=Startup\r\n"
                "BackgroundFullScreenImageFile2=" +
                f + "\r\nBackgroundFullScreenImageFileMode2=FullScreen\r\n";
       }},
      {"welcome",
       [](const std::string& f) {
         return "WelcomeEnabled=1\r\nWelcomeUseImage=1\r\nWelcomeImageLocation=Left\r\n"
                "WelcomeImage=" +
                f + kCrlf;
       }},
      {"selection",
       [](const std::string& f) {
         return "SingleFile=0\r\nMultiSourceFileCount=2\r\nMultiSourceFile1=a.doc\r\n"
                "MultiSourceFileName1=A\r\nMultiSourceFile2=b.doc\r\nMultiSourceFileName2=B\r\n"
                "MultiSelectUseImage=1\r\nMultiSelectImageLocation=Top\r\nMultiSelectImage=" +
                f + kCrlf;
       }},
  };
}

// Keys that name a path, with the lines that make the starter use them.
struct PathKey {
  const char* name;
  std::string (*lines)(const std::string& path);
};

std::vector<PathKey> PathKeys() {
  return {
      {"open",
       [](const std::string& p) {
         return "OPEN=Vendisc.exe " + p + "\r\nQUAVAutorunTimeout=1\r\n";
       }},
      {"splash_image",
       [](const std::string& p) {
         return std::string(kOpenMissing) +
                "ShowSplashScreen=1\r\nSplashScreenUseImage=1\r\n"
                "SplashScreenWhenToShow=Startup\r\nSplashScreenImage=" +
                p + kCrlf;
       }},
      {"background_image",
       [](const std::string& p) {
         return std::string(kOpenMissing) +
                "ShowBackgroundWindow=1\r\nBackgroundWhenToShow=Startup\r\n"
                "BackgroundFullScreenImageFile1=" +
                p + "\r\nBackgroundFullScreenImageFile2=" + p + kCrlf;
       }},
      {"welcome_image",
       [](const std::string& p) {
         return std::string(kOpenMissing) +
                "WelcomeEnabled=1\r\nWelcomeUseImage=1\r\nWelcomeImage=" + p + kCrlf;
       }},
      {"selection_image",
       [](const std::string& p) {
         return "OPEN=Vendisc.exe a.doc\r\nSingleFile=0\r\nMultiSourceFileCount=1\r\n"
                "MultiSourceFile1=a.doc\r\nMultiSelectUseImage=1\r\nMultiSelectImage=" +
                p + kCrlf;
       }},
      {"installer",
       [](const std::string& p) {
         return std::string(kOpenMissing) +
                "InstallerFileOpenOptions=Always\r\nInstallerFile=" + p +
                "\r\nInstallerFile2=" + p + "\r\nInstallerFile3=" + p + kCrlf;
       }},
      {"licence",
       [](const std::string& p) {
         return std::string(kOpenMissing) + "QUAVLicenseFile=" + p + kCrlf;
       }},
      {"force_execute",
       [](const std::string& p) {
         return std::string(kOpenMissing) + "QUAVForceExecuteWith=" + p + "," + p + kCrlf;
       }},
      {"several_files",
       [](const std::string& p) {
         return "OPEN=Vendisc.exe "
                "a.doc\r\nQUAVAutorunTimeout=1\r\nSingleFile=0\r\nOpenAllFiles=1\r\n"
                "MultiSourceFileCount=2\r\nMultiSourceFile1=" +
                p + "\r\nMultiSourceForceOpen2=" + p + "\r\nMultiSourceFile2=b.doc\r\n";
       }},
  };
}

}  // namespace

std::string Garbage(size_t count, unsigned seed) {
  std::string out(count, '\0');
  uint32_t state = seed * 2654435761u + 1;
  for (char& c : out) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    c = static_cast<char>(state & 0xFF);
  }
  return out;
}

std::string LongPath(size_t length) {
  std::string path;
  while (path.size() + 11 < length) path += "abcdefghij\\";
  path += std::string(length - path.size(), 'z');
  return path;
}

std::string ClaimedSizeGif(int width, int height) {
  auto le16 = [](int v) {
    return std::string{static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF)};
  };
  std::string gif = "GIF89a" + le16(width) + le16(height);
  gif += std::string("\x80\x00\x00", 3);              // 2-colour table follows
  gif += std::string("\xFF\xFF\xFF\x00\x00\x00", 6);  // white, black
  gif += "\x2C" + le16(0) + le16(0) + le16(width) + le16(height) + std::string(1, '\0');
  gif += std::string("\x02\x02\x44\x01\x00", 5);  // one pixel of data
  gif += "\x3B";
  return gif;
}

std::string TruncatedGif(size_t keep) {
  std::string gif = ClaimedSizeGif(2, 2);
  return gif.substr(0, keep);
}

std::vector<HostileCase> HostileCases() {
  using namespace std::string_literals;
  std::vector<HostileCase> cases;
  auto add = [&cases](std::string name, std::string lines, std::vector<CdFile> files = {}) {
    HostileCase c;
    c.name = std::move(name);
    c.autorun = Autorun(std::move(lines));
    c.files = std::move(files);
    cases.push_back(std::move(c));
    return &cases.back();
  };
  // Lines built only when the case is played: a megabyte each.
  auto addLarge = [&cases](std::string name, std::function<std::string()> lines) {
    HostileCase c;
    c.name = std::move(name);
    c.autorun = [lines = std::move(lines)] { return "[autorun]\r\n" + lines(); };
    cases.push_back(std::move(c));
  };

  // ---- Size and bytes ----
  {
    HostileCase c;
    c.name = "autorun_10_megabytes";
    c.autorun = [] {
      std::string s = std::string("[autorun]\r\n") + kOpenMissing;
      const std::string line = "Filler=" + std::string(90, 'x') + kCrlf;
      while (s.size() < 10 * kMegabyte) s += line;
      return s + "ShowSplashScreen=1\r\nSplashScreenLine1=at the end\r\n";
    };
    cases.push_back(std::move(c));
  }
  {
    HostileCase c;
    c.name = "binary_garbage";
    c.autorun = [] {
      return Garbage(200000, 1) + "\r\n[autorun]\r\n" + kOpenMissing + Garbage(200000, 2) +
             "\r\nShowSplashScreen=1\r\n" + Garbage(5000, 3);
    };
    cases.push_back(std::move(c));
  }
  {
    HostileCase c;
    c.name = "garbage_only";
    c.autorun = [] { return Garbage(1 * kMegabyte, 4); };
    cases.push_back(std::move(c));
  }
  add("nul_bytes_in_values",
      "OPEN=Vendisc.exe miss\0ing.doc\r\nQUAVAutorunTimeout=1\0 9\r\n"s
      "ShowSplashScreen=1\0\r\nSplashScreenLine1=a\0b\r\nQUAVLicenseFile=lic\0.txt\r\n"s
      "ErrorText=\0\0\0\r\n\0\0[autorun]\0\r\nUserDefinedErrors=1\0\r\n"s);
  {
    HostileCase c;
    c.name = "lines_100000";
    c.autorun = [] {
      std::string s = std::string("[autorun]\r\n") + kOpenMissing;
      for (int i = 0; i < 100000; ++i) s += "K" + std::to_string(i) + "=v\r\n";
      return s + "WelcomeEnabled=1\r\nWelcomeUseText=1\r\nWelcomeMessage=last line\r\n";
    };
    cases.push_back(std::move(c));
  }
  {
    HostileCase c;
    c.name = "lines_100000_sections";
    c.autorun = [] {
      std::string s;
      for (int i = 0; i < 100000; ++i) s += i % 2 ? "[autorun]\r\n" : "[other]\r\n";
      return s + kOpenMissing;
    };
    cases.push_back(std::move(c));
  }
  static const auto megabyteOf = [] { return std::string(kMegabyte, 'm'); };
  addLarge("value_1_megabyte_open",
           [] { return "OPEN=Vendisc.exe " + megabyteOf() + "\r\nQUAVAutorunTimeout=1\r\n"; });
  addLarge("value_1_megabyte_texts", [] {
    const std::string megabyte = megabyteOf();
    return std::string(kOpenMissing) + "ShowSplashScreen=1\r\nSplashScreenLine1=" + megabyte +
           "\r\nSplashScreenLine2=" + megabyte +
           "\r\nWelcomeEnabled=1\r\nWelcomeUseText=1\r\n"
           "WelcomeTitle=" +
           megabyte + "\r\nWelcomeMessage=" + megabyte + "\r\nWelcomeURL=" + megabyte +
           "\r\nSplashFontName=" + megabyte + kCrlf;
  });
  addLarge("value_1_megabyte_errors", [] {
    const std::string megabyte = megabyteOf();
    return std::string(kOpenMissing) + "UserDefinedErrors=1\r\nErrorText=" + megabyte +
           "\r\nErrorContactURL=http://" + megabyte + "\r\nErrorContactURLTitle=" + megabyte +
           kCrlf;
  });
  addLarge("value_1_megabyte_selection", [] {
    const std::string megabyte = megabyteOf();
    return "OPEN=Vendisc.exe a.doc\r\nSingleFile=0\r\nMultiSourceFileCount=2\r\nMultiSourceFile1=" +
           megabyte + "\r\nMultiSourceFileName1=" + megabyte +
           "\r\nMultiSourceFile2=b\r\n"
           "MultiSelectTitle=" +
           megabyte + "\r\nMultiSelectHelp=" + megabyte + kCrlf;
  });
  add("error_text_10000_breaks", std::string(kOpenMissing) +
                                     "UserDefinedErrors=1\r\nErrorContactURL=http://host/\r\n"
                                     "ErrorText=" +
                                     Repeat("<br>", 10000) + kCrlf);
  add("error_text_breaks_and_words",
      std::string(kOpenMissing) + "UserDefinedErrors=1\r\nErrorText=" + Repeat("word<br>", 1000) +
          Repeat("x", 3000) + kCrlf);

  // ---- Numbers ----
  for (bool all : {true, false}) {
    for (const char* count : {"2147483647", "-5", "-2147483648", "4294967297"}) {
      std::string name = std::string("several_count_") +
                         (count[0] == '-' ? std::string("minus_") + (count + 1) : count) +
                         (all ? "_open_all" : "_pick");
      add(name, std::string("OPEN=Vendisc.exe a.doc\r\nQUAVAutorunTimeout=1\r\nSingleFile=0\r\n") +
                    "OpenAllFiles=" + (all ? "1" : "0") + "\r\nMultiSourceFileCount=" + count +
                    "\r\nMultiSourceFile1=missing.doc\r\nMultiSourceFile3=missing3.doc\r\n");
    }
  }
  add("numbers_40_digits",
      std::string("OPEN=Vendisc.exe missing.doc\r\nQUAVAutorunTimeout=") + kFortyDigits +
          "\r\nShowSplashScreen=1\r\nSplashScreenImageShowForSecs=" + kFortyDigits +
          "\r\nSplashFontName=Arial\r\nSplashFontHeight=" + kFortyDigits +
          "\r\nSplashFontWeight=" + kFortyDigits + "\r\nSplashFontItalic=" + kFortyDigits +
          "\r\nShowBackgroundWindow=1\r\nBackgroundWindowColour=" + kFortyDigits +
          "\r\nBackgroundFullScreenImageFile1=pic.gif\r\nBackgroundFullScreenImageFileBorder1=" +
          kFortyDigits + kCrlf,
      {Fixed("pic.gif", ClaimedSizeGif(2, 2))});
  add("numbers_negative_40_digits",
      std::string("OPEN=Vendisc.exe missing.doc\r\nQUAVAutorunTimeout=-") + kFortyDigits +
          "\r\nShowSplashScreen=1\r\nSplashScreenImageShowForSecs=-" + kFortyDigits +
          "\r\nSplashFontName=Arial\r\nSplashFontHeight=-" + kFortyDigits +
          "\r\nSplashFontWeight=-2147483648\r\nShowBackgroundWindow=1\r\nBackgroundWindowColour=-1"
          "\r\nBackgroundFullScreenImageFile1=pic.gif\r\nBackgroundFullScreenImageFileBorder1=-" +
          kFortyDigits + kCrlf,
      {Fixed("pic.gif", ClaimedSizeGif(2, 2))});
  add("splash_show_for_negative_with_success",
      "OPEN=Vendisc.exe a.vdscn\r\nShowSplashScreen=1\r\nSplashScreenImageShowForSecs=-5\r\n"
      "QUAVAutorunTimeout=-5\r\n",
      {Fixed("a.vdscn", "doc")});

  // ---- Paths: 5,000 characters and 1,000 backslashes in every path key ----
  for (const PathKey& key : PathKeys()) {
    add(std::string("path_5000_") + key.name, key.lines(LongPath(5000)), {Fixed("a.doc", "a")});
    add(std::string("backslashes_1000_") + key.name, key.lines(std::string(1000, '\\')),
        {Fixed("a.doc", "a")});
  }

  // ---- One flat name longer than Windows takes, in every path key ----
  for (const PathKey& key : PathKeys()) {
    add(std::string("flat_name_5000_") + key.name, key.lines(std::string(5000, 'A')),
        {Fixed("a.doc", "a")});
  }
  // A quoted name of a megabyte, cut to 4,999 characters by the profile rules.
  // It is reported as a file that cannot be found.
  add("open_quoted_megabyte_name",
      "OPEN=Vendisc.exe \"" + std::string(kMegabyte, 'A') + "\"\r\nQUAVAutorunTimeout=1\r\n")
      ->mustShow = "Error Opening File";
  add("open_quoted_megabyte_name_with_licence",
      "OPEN=Vendisc.exe \"" + std::string(kMegabyte, 'A') +
          "\"\r\nQUAVAutorunTimeout=1\r\nQUAVLicenseFile=licence.txt\r\n",
      {Fixed("licence.txt", "You agree.\r\n")})
      ->mustShow = "Error Opening File";

  // ---- Broken pictures in every picture key ----
  for (const PictureKey& key : PictureKeys()) {
    for (const BadPicture& picture : BadPictures()) {
      std::vector<CdFile> files;
      if (picture.make) files.push_back({picture.file, picture.make});
      add(std::string("picture_") + key.name + "_" + picture.name,
          std::string(kOpenMissing) + key.lines(picture.file), std::move(files));
    }
  }

  // ---- Licence texts ----
  add("licence_binary", std::string(kOpenMissing) + "QUAVLicenseFile=licence.bin\r\n",
      {{"licence.bin", [] { return Garbage(300000, 5); }}});
  add("licence_50_megabytes", std::string(kOpenMissing) + "QUAVLicenseFile=licence.txt\r\n",
      {{"licence.txt", [] {
          const std::string line = "You agree to every word of this very long line.\r\n";
          return Repeat(line, 50 * kMegabyte / line.size());
        }}});
  add("licence_one_line_5_megabytes", std::string(kOpenMissing) + "QUAVLicenseFile=licence.txt\r\n",
      {{"licence.txt", [] { return std::string(5 * kMegabyte, 'w'); }}});
  cases.back().accept = false;
  cases.back().slowUnderWine = true;
  add("licence_is_a_folder", std::string(kOpenMissing) + "QUAVLicenseFile=.\r\n");

  // ---- Keywords in any case and with junk after them ----
  add("keywords_mixed_case",
      std::string(kOpenMissing) +
          "ShowBackgroundWindow=1\r\nBackgroundWhenToShow=sTaRtUp\r\nShowSplashScreen=1\r\n"
          "SplashScreenWhenToShow=STARTUP\r\nWelcomeEnabled=1\r\nWelcomeUseText=1\r\n"
          "WelcomeMessage=hi\r\nInstallerFileOpenOptions=pRoMpT\r\nInstallerFile=setup.exe\r\n"
          "InstallerUserQuery=Install?\r\nQUAVLicenseFileShowAlways=YES\r\n"
          "BackgroundFullScreenImageFile1=p.gif\r\nBackgroundFullScreenImageFileMode1=cEnTeR\r\n");
  add("keywords_with_junk",
      std::string(kOpenMissing) +
          "ShowBackgroundWindow=1x\r\nBackgroundWhenToShow=Startup junk\r\nShowSplashScreen=1 "
          "\x01\r\n"
          "SplashScreenWhenToShow=Startup\x7F\r\nWelcomeEnabled=1;\r\nInstallerFileOpenOptions="
          "Always!\r\n"
          "InstallerFile=setup.exe\r\nSingleFile=0 0\r\nBackgroundFullScreenImageFile1=p.gif\r\n"
          "BackgroundFullScreenImageFileMode1=FullScreenFullScreen\r\nWelcomeImageLocation="
          "Topmost\r\n");
  add("keywords_before_welcome_and_no_viewer",
      std::string(kOpenMissing) +
          "ShowBackgroundWindow=1\r\nBackgroundWhenToShow=beforewelcome\r\nWelcomeEnabled=1\r\n"
          "InstallerFileOpenOptions=noviewer\r\nInstallerFile=missing-setup.exe\r\n"
          "SplashScreenWhenToShow=\xFF\xFE\r\nShowSplashScreen=1\r\n");

  // ---- Hostile registry state ----
  {
    HostileCase* c = add("is_running_binary", std::string(kOpenMissing) + "RunOneAtATime=1\r\n");
    c->isRunning = IsRunningState::kBinary;
    c = add("is_running_binary_refused", std::string(kOpenMissing) + "RunOneAtATime=1\r\n");
    c->isRunning = IsRunningState::kBinary;
    c->accept = false;
    c = add("is_running_10000_bytes", std::string(kOpenMissing) + "RunOneAtATime=1\r\n");
    c->isRunning = IsRunningState::kLongText;
  }

  // ---- Command lines ----
  add("command_line_5000_characters", "QUAVAutorunTimeout=1\r\n")->arguments = LongPath(5000);
  add("command_line_quotes_and_options", "QUAVAutorunTimeout=1\r\n")->arguments =
      "/x -y \"\"\" \"a\\\\\\\"b\" \"" + std::string(3000, '"');

  return cases;
}

}  // namespace e2e::hostile
