// A CD folder as the command-line tool works on it: its autorun.inf loaded
// as "Open existing" loads it, into settings held in memory, and the checks
// of creating the CD files, of a chosen file and of the CD image, with every
// problem told at once instead of asked about one by one.
#pragma once

#include <string>
#include <vector>

#include "common/memory_registry_backend.h"
#include "wizard/wizard_questions.h"
#include "wizard/wizard_settings.h"

class CliHost;

// What loading and the wizard's operations asked and told, answered as the
// command line says.
class AnsweringQuestions : public WizardQuestions {
 public:
  explicit AnsweringQuestions(bool yes) : yes_(yes) {}
  bool AskYesNo(const std::string& text) override {
    asked.push_back(text);
    return yes_;
  }
  void ShowMessage(const std::string& text) override { shown.push_back(text); }

  std::vector<std::string> asked, shown;

 private:
  bool yes_;
};

struct CdProblem {
  std::string file;     // relative to the folder when inside it
  std::string what;     // Windows-1252
  bool native = false;  // both in the system's text already (the image's)
};

class CdFolder {
 public:
  explicit CdFolder(CliHost& host) : host_(host) {}
  CdFolder(const CdFolder&) = delete;
  CdFolder& operator=(const CdFolder&) = delete;

  // Loads FOLDER/autorun.inf. Otherwise the reason, naming the folder as
  // given, to tell the user.
  bool Open(const std::string& argument, std::string* reason);

  // Every problem, in a fixed order: what loading told, the files the
  // configuration needs (missing, named too long for CD writers, pictures
  // that are none), with `starterNeeded` the starter itself, then what the
  // CD image cannot hold and an image larger than a CD.
  std::vector<CdProblem> Check(bool starterNeeded);

  // A kit path relative to the folder when it lies inside it.
  std::string Relative(const std::string& path) const;

  const std::string& Folder() const { return folder_; }
  const std::string& ConfigFile() const { return configFile_; }
  WizardSettings& Settings() { return settings_; }

 private:
  void ImageProblems(std::vector<CdProblem>* problems);

  CliHost& host_;
  MemoryRegistryBackend registry_;
  WizardSettings settings_{registry_};
  std::string folder_;      // ends in "\"
  std::string configFile_;  // autorun.inf in it, as the folder spells it
  std::vector<std::string> loadMessages_;
};
