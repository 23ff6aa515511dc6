// What pages of the wizard may ask of the main window.
#pragma once

class MainCommands {
 public:
  virtual ~MainCommands() = default;
  virtual void TestConfiguration() = 0;
  virtual void ShowFilesToCopy() = 0;
};
