// What both benchmark harnesses share: a microsecond clock, started
// processes that are ended when a run is over, waiting for a process's
// window, and the statistics of side-by-side runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The performance counter in microseconds.
uint64_t NowUs();
double Ms(uint64_t us);

std::string Join(const std::string& folder, const std::string& name);
void WriteText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);

// A started process, ended when the run is over if it still runs.
struct Child {
  HANDLE process = nullptr;
  DWORD pid = 0;
  uint64_t startedUs = 0;  // just before CreateProcessA
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();
};

// Starts `commandLine` in `folder` (the caller's environment); false, with a
// line printed, when it cannot.
bool StartProcess(Child& child, const std::string& commandLine, const std::string& folder);

// Waits until the child shows a visible top-level window whose title is
// `text` (and, when `className` is given, whose class is that). The time it
// was first seen, or 0 when the child ended (or the time ran out) first.
// Looked for every millisecond, the same way for every program compared.
uint64_t WaitForWindow(const Child& child, const char* text, DWORD timeoutMs,
                       const char* className = nullptr);

double Median(std::vector<double> values);
// The median of the ratios of runs taken back to back: the ratio a drifting,
// shared machine disturbs least.
double PairRatio(const std::vector<double>& a, const std::vector<double>& b);

// The value of the command-line option `name` ("--runs="), or empty.
std::string Arg(int argc, char** argv, const char* name);

inline const char* Verdict(bool holds) { return holds ? "HOLDS" : "EXCEEDED"; }

}  // namespace bench
