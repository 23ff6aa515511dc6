// Times Vendisc from inside Windows (Wine), where the starter's own cost can
// be told apart from the cost of starting any process at all. Each figure is
// the median of many runs, taken side by side with what it is compared with
// (A B A B ...), so that a shared, drifting machine affects both alike.
//
//   bench_harness.exe --vendisc=EXE --launcher=EXE --recorder=EXE --work=DIR
//                     [--jpeg=FILE] [--runs=N]
//
// The time an opened program starts is the recorder's own stamp (the
// performance counter, RECORDER_CLOCK=us), taken first thing in its WinMain;
// the harness reads it from the recorder's log afterwards, so how often the
// harness looks does not enter the figure.
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "bench_common.h"

namespace {

using namespace bench;

constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kOpenAllTimeoutMs = 120000;
constexpr int kOpenAllCount = 100;
constexpr int kPickListSizes[] = {10, 100, 1000};
// Idle runs last the starter's whole 5-second linger; a few run at once.
constexpr int kIdleParallel = 4;
constexpr const char* kSelectionTitle = "CD AutoRun: Please select a file";
constexpr const char* kSplashText = "CD AutoRun";

constexpr double kStartupBudget = 1.15;
constexpr double kIdleBudgetPercent = 1.0;
constexpr double kScalingBudget = 3.0;

struct Options {
  std::string vendisc;
  std::string launcher;
  std::string recorder;
  std::string work;
  std::string jpeg;
  int runs = 20;
};

// The stamps of the log's lines of one kind ("start" or "end").
std::vector<uint64_t> Stamps(const std::string& log, const char* kind) {
  std::vector<uint64_t> stamps;
  std::istringstream lines(ReadText(log));
  std::string line;
  const std::string tag = std::string("\t") + kind + "\t";
  while (std::getline(lines, line)) {
    size_t tab = line.find(tag);
    if (tab != std::string::npos) stamps.push_back(std::strtoull(line.c_str(), nullptr, 10));
  }
  return stamps;
}

// Starts `commandLine` in `folder` with the recorder writing to `log`.
bool Start(Child& child, const std::string& commandLine, const std::string& folder,
           const std::string& log) {
  SetEnvironmentVariableA("RECORDER_LOG", log.c_str());
  SetEnvironmentVariableA("RECORDER_CLOCK", "us");
  DeleteFileA(log.c_str());
  return StartProcess(child, commandLine, folder);
}

// Waits until the log holds `count` lines of `kind`; their latest stamp, or 0.
uint64_t WaitForLines(const std::string& log, const char* kind, size_t count, DWORD timeoutMs) {
  const uint64_t deadline = NowUs() + uint64_t{timeoutMs} * 1000;
  while (NowUs() < deadline) {
    std::vector<uint64_t> stamps = Stamps(log, kind);
    if (stamps.size() >= count) return *std::max_element(stamps.begin(), stamps.end());
    Sleep(1);
  }
  return 0;
}

// ---- the CD folders ----

std::string MakeCd(const Options& options, const std::string& name, const std::string& inf) {
  std::string folder = Join(options.work, name);
  CreateDirectoryA(folder.c_str(), nullptr);
  WriteText(Join(folder, "autorun.inf"), inf);
  CopyFileA(options.recorder.c_str(), Join(folder, "recorder.exe").c_str(), FALSE);
  return folder;
}

std::string PickListInf(int count, bool openAll) {
  std::string inf = "[autorun]\r\nOPEN=Vendisc.exe\r\nSingleFile=0\r\n";
  // Without "Startup" here every opened file lingers (for a splash screen to
  // be read), so that only the last one does.
  inf += openAll ? "OpenAllFiles=1\r\nWaitForPrevious=0\r\nSplashScreenWhenToShow=Startup\r\n"
                 : "OpenAllFiles=0\r\n";
  inf += "MultiSourceFileCount=" + std::to_string(count) + "\r\n";
  for (int n = 1; n <= count; ++n) {
    const std::string number = std::to_string(n);
    inf += "MultiSourceFile" + number + "=recorder.exe\r\n";
    inf += "MultiSourceFileName" + number + "=Program " + number + "\r\n";
  }
  return inf;
}

// ---- 1. start-up overhead ----

void StartupOverhead(const Options& options) {
  const std::string cd =
      MakeCd(options, "cd-single", "[autorun]\r\nOPEN=Vendisc.exe recorder.exe\r\n");
  const std::string log = Join(options.work, "startup.log");
  const std::string vendisc = "\"" + options.vendisc + "\" recorder.exe";
  const std::string floor = "\"" + options.launcher + "\" 1 " + Join(cd, "recorder.exe");
  std::vector<double> a;
  std::vector<double> b;
  for (int run = 0; run <= options.runs; ++run) {  // run 0 warms up
    for (int side = 0; side < 2; ++side) {
      Child child;
      if (!Start(child, side == 0 ? vendisc : floor, cd, log)) return;
      uint64_t started = WaitForLines(log, "start", 1, kStartTimeoutMs);
      WaitForLines(log, "end", 1, kStartTimeoutMs);
      if (!started) {
        std::printf("1. start-up: the recorder did not start (run %d)\n", run);
        return;
      }
      if (run > 0) (side == 0 ? a : b).push_back(Ms(started - child.startedUs));
    }
  }
  // Each pair runs back to back, so its ratio is the one a drifting, shared
  // machine disturbs least; the ratio of the two medians is shown beside it.
  const double ratio = PairRatio(a, b);
  std::printf(
      "1. Start-up overhead: launch until the opened program starts\n"
      "   Vendisc.exe %.1f ms, minimal CreateProcessA launcher %.1f ms (medians of %d runs)\n"
      "   ratio %.3f (median of the pairwise ratios; ratio of the medians %.3f)\n"
      "   budget <= %.2f: %s\n",
      Median(a), Median(b), options.runs, ratio, Median(a) / Median(b), kStartupBudget,
      Verdict(ratio <= kStartupBudget));
}

// ---- 2. idle cost during the linger ----

uint64_t FileTimeUs(const FILETIME& t) {
  return (static_cast<uint64_t>(t.dwHighDateTime) << 32 | t.dwLowDateTime) / 10;
}

// User + kernel time of another process from the system's process list,
// which Wine fills from the kernel's accounting (its GetProcessTimes reports
// zero for processes other than the caller).
uint64_t CpuUsFromProcessList(DWORD pid) {
  using QueryFn = LONG(WINAPI*)(ULONG, void*, ULONG, ULONG*);
  static const auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  constexpr ULONG kSystemProcessInformation = 5;
  // Offsets in the 32-bit SYSTEM_PROCESS_INFORMATION record.
  constexpr size_t kUserTime = 40, kKernelTime = 48, kProcessId = 68;
  std::vector<unsigned char> buffer(1 << 16);
  for (;;) {
    ULONG needed = 0;
    LONG status =
        query(kSystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
    if (status == 0) break;
    if (buffer.size() > (64u << 20)) return 0;
    buffer.resize(std::max<size_t>(buffer.size() * 2, needed + 4096));
  }
  size_t offset = 0;
  for (;;) {
    const unsigned char* entry = buffer.data() + offset;
    uintptr_t id = 0;
    std::memcpy(&id, entry + kProcessId, sizeof id);
    if (id == pid) {
      int64_t user = 0, kernel = 0;
      std::memcpy(&user, entry + kUserTime, sizeof user);
      std::memcpy(&kernel, entry + kKernelTime, sizeof kernel);
      return static_cast<uint64_t>(user + kernel) / 10;
    }
    ULONG next = 0;
    std::memcpy(&next, entry, sizeof next);
    if (next == 0) return 0;
    offset += next;
  }
}

// User + system processor time of a child: from the process list where it
// reports it (Wine's GetProcessTimes gives a frozen figure for processes
// other than the caller: a busy loop reads 0 %), otherwise GetProcessTimes.
uint64_t CpuUs(HANDLE process, DWORD pid, bool* fromList) {
  const uint64_t listed = CpuUsFromProcessList(pid);
  if (listed > 0) {
    *fromList = true;
    return listed;
  }
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  return FileTimeUs(kernel) + FileTimeUs(user);
}

// The processor share of `commandLine` from the recorder's start until it ends.
bool IdleShares(const Options& options, const std::string& commandLine, const std::string& cd,
                int runs, std::vector<double>* shares, bool* fromList, int* skipped) {
  for (int done = 0; done < runs;) {
    const int batch = std::min(kIdleParallel, runs - done);
    std::vector<Child> children(batch);
    std::vector<std::string> logs(batch);
    std::vector<uint64_t> cpuFrom(batch);
    std::vector<uint64_t> wallFrom(batch);
    for (int i = 0; i < batch; ++i) {
      logs[i] = Join(options.work, "idle" + std::to_string(i) + ".log");
      if (!Start(children[i], commandLine, cd, logs[i])) return false;
    }
    for (int i = 0; i < batch; ++i) {
      if (!WaitForLines(logs[i], "start", 1, kStartTimeoutMs)) {
        std::printf("   (the program of idle run %d did not start)\n", done + i);
        return false;
      }
      cpuFrom[i] = CpuUs(children[i].process, children[i].pid, fromList);
      wallFrom[i] = NowUs();
    }
    // The last reading is taken while the process still runs (an ended
    // process leaves the list): every 100 ms until all have ended.
    std::vector<uint64_t> cpuTo(cpuFrom);
    std::vector<uint64_t> wallTo(wallFrom);
    for (bool running = true; running;) {
      Sleep(100);
      running = false;
      for (int j = 0; j < batch; ++j) {
        if (WaitForSingleObject(children[j].process, 0) != WAIT_TIMEOUT) continue;
        running = true;
        const uint64_t cpu = CpuUs(children[j].process, children[j].pid, fromList);
        if (cpu >= cpuTo[j]) {
          cpuTo[j] = cpu;
          wallTo[j] = NowUs();
        }
      }
    }
    for (int i = 0; i < batch; ++i) {
      // A run read for less than a second says nothing about the linger.
      if (wallTo[i] < wallFrom[i] + 1000000) {
        ++*skipped;
        continue;
      }
      shares->push_back(100.0 * static_cast<double>(cpuTo[i] - cpuFrom[i]) /
                        static_cast<double>(wallTo[i] - wallFrom[i]));
    }
    done += batch;
  }
  return true;
}

void IdleCost(const Options& options, const std::string& self) {
  const std::string cd = Join(options.work, "cd-single");
  std::vector<double> shares;
  bool fromList = false;
  int skipped = 0;
  if (!IdleShares(options, "\"" + options.vendisc + "\" recorder.exe", cd, options.runs, &shares,
                  &fromList, &skipped) ||
      shares.empty()) {
    std::printf("2. Idle cost: the starter could not be measured\n");
    return;
  }
  // The same reading on a program that keeps one processor busy shows that
  // the accounting works (it should read near 100 %).
  std::vector<double> busy;
  IdleShares(options, "\"" + self + "\" --spin=3000", cd, 1, &busy, &fromList, &skipped);
  const double median = Median(shares);
  std::printf(
      "2. Idle cost: processor time (user + system) of Vendisc.exe while it lingers after an "
      "open\n"
      "   %.3f %% of the wall time (median of the %zu of %d runs read for over 1 s, max %.3f %%; a "
      "busy loop reads %.0f %%)\n"
      "   read from %s, in steps of the kernel's 10 ms\n"
      "   clock tick (0.2 %% of a 5 s linger); budget < %.1f %%: %s\n",
      median, shares.size(), options.runs, *std::max_element(shares.begin(), shares.end()),
      Median(busy),
      fromList ? "the system's process list (NtQuerySystemInformation)" : "GetProcessTimes",
      kIdleBudgetPercent, Verdict(median < kIdleBudgetPercent));
}

// ---- 4. scaling with the CD ----

void Scaling(const Options& options) {
  std::vector<std::string> cds;
  for (int size : kPickListSizes) {
    cds.push_back(MakeCd(options, "cd-pick" + std::to_string(size), PickListInf(size, false)));
  }
  const std::string log = Join(options.work, "pick.log");
  const std::string vendisc = "\"" + options.vendisc + "\"";
  std::vector<std::vector<double>> times(cds.size());
  bool sawWindow = false;
  bool sawExit = false;
  for (int run = 0; run <= options.runs; ++run) {
    for (size_t i = 0; i < cds.size(); ++i) {
      Child child;
      if (!Start(child, vendisc, cds[i], log)) return;
      // Until the list shows; a starter without the selection window goes on
      // to its end at the point where it would show it.
      uint64_t shown = WaitForWindow(child, kSelectionTitle, kStartTimeoutMs);
      if (shown) {
        sawWindow = true;
      } else {
        sawExit = true;
        shown = NowUs();
      }
      if (run > 0) times[i].push_back(Ms(shown - child.startedUs));
    }
  }
  const char* endPoint = sawWindow && !sawExit ? "the selection list is shown"
                         : sawWindow           ? "the selection list is shown or Vendisc ends"
                                               : "Vendisc ends where it would show the list";
  std::printf("4. Scaling with the CD: pick list, from launch until %s%s\n", endPoint,
              sawWindow ? "" : " (no selection window in this build)");
  for (size_t i = 0; i < cds.size(); ++i) {
    std::printf("   %4d entries: %.1f ms\n", kPickListSizes[i], Median(times[i]));
  }
  const double ratio = PairRatio(times.back(), times.front());
  std::printf(
      "   1000 / 10 entries: ratio %.3f (median of the pairwise ratios; ratio of the medians "
      "%.3f); budget <= %.1f: %s\n",
      ratio, Median(times.back()) / Median(times.front()), kScalingBudget,
      Verdict(ratio <= kScalingBudget));

  // Open all: 100 programs, each returning at once, against starting them
  // straight from the minimal launcher.
  const std::string openAll = MakeCd(options, "cd-openall", PickListInf(kOpenAllCount, true));
  const std::string floor = "\"" + options.launcher + "\" " + std::to_string(kOpenAllCount) + " " +
                            Join(openAll, "recorder.exe");
  std::vector<double> a;
  std::vector<double> b;
  const int openAllRuns = options.runs;
  for (int run = 0; run <= openAllRuns; ++run) {
    for (int side = 0; side < 2; ++side) {
      Child child;
      if (!Start(child, side == 0 ? vendisc : floor, openAll, log)) return;
      uint64_t last = WaitForLines(log, "start", kOpenAllCount, kOpenAllTimeoutMs);
      WaitForLines(log, "end", kOpenAllCount, kOpenAllTimeoutMs);
      if (!last) {
        std::printf("   open all: not every program started (run %d)\n", run);
        return;
      }
      if (run > 0) (side == 0 ? a : b).push_back(Ms(last - child.startedUs));
    }
  }
  std::printf(
      "   open all, %d entries: %.1f ms until the last program starts; the minimal launcher "
      "starting them %.1f ms (medians of %d runs)\n"
      "   ratio %.3f (pairwise %.3f); no budget set\n",
      kOpenAllCount, Median(a), Median(b), openAllRuns, Median(a) / Median(b), PairRatio(a, b));
}

// ---- 5. a picture-heavy start ----

bool LoadPictureOnce(const std::string& path) {
  std::wstring wide(path.begin(), path.end());
  IPicture* picture = nullptr;
  HRESULT result = OleLoadPicturePath(const_cast<LPOLESTR>(wide.c_str()), nullptr, 0, 0,
                                      IID_IPicture, reinterpret_cast<void**>(&picture));
  if (FAILED(result) || !picture) return false;
  picture->Release();
  return true;
}

void PictureStart(const Options& options) {
  if (options.jpeg.empty()) {
    std::printf("5. Picture-heavy start: no picture given\n");
    return;
  }
  const std::string inf =
      "[autorun]\r\nOPEN=Vendisc.exe recorder.exe\r\nShowSplashScreen=1\r\n"
      "SplashScreenWhenToShow=Startup\r\nSplashScreenUseImage=1\r\n"
      "SplashScreenImageShowForSecs=0\r\nSplashScreenImage=big.jpg\r\n";
  const std::string cd = MakeCd(options, "cd-splash", inf);
  CopyFileA(options.jpeg.c_str(), Join(cd, "big.jpg").c_str(), FALSE);
  const std::string log = Join(options.work, "splash.log");
  const std::string vendisc = "\"" + options.vendisc + "\" recorder.exe";

  std::vector<double> load;
  std::vector<double> splash;
  bool measurable = true;
  for (int run = 0; run <= options.runs; ++run) {
    const uint64_t from = NowUs();
    if (!LoadPictureOnce(Join(cd, "big.jpg"))) {
      std::printf("5. Picture-heavy start: the picture does not load\n");
      return;
    }
    if (run > 0) load.push_back(Ms(NowUs() - from));
    if (!measurable) continue;
    Child child;
    if (!Start(child, vendisc, cd, log)) return;
    const uint64_t shown = WaitForWindow(child, kSplashText, kStartTimeoutMs);
    if (!shown) measurable = false;
    if (run > 0 && shown) splash.push_back(Ms(shown - child.startedUs));
  }
  std::printf("5. Picture-heavy start: 2000 x 2000 JPEG\n");
  std::printf("   loading it alone (OleLoadPicturePath): %.1f ms (median of %zu runs)\n",
              Median(load), load.size());
  if (!measurable) {
    std::printf(
        "   until the splash screen shows it: not yet measurable (this Vendisc.exe shows no "
        "splash window)\n");
    return;
  }
  std::printf(
      "   until the splash screen shows it: %.1f ms; ratio %.3f (pairwise %.3f); no budget "
      "set\n",
      Median(splash), Median(splash) / Median(load), PairRatio(splash, load));
}

}  // namespace

int main(int argc, char** argv) {
  const std::string spin = Arg(argc, argv, "--spin=");
  if (!spin.empty()) {
    // A stand-in that is never idle: reads the recorder's part by starting
    // one, then keeps a processor busy.
    const uint64_t until = NowUs() + std::strtoull(spin.c_str(), nullptr, 10) * 1000;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    char line[] = "recorder.exe";
    if (CreateProcessA(nullptr, line, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &info)) {
      CloseHandle(info.hThread);
      CloseHandle(info.hProcess);
    }
    volatile uint64_t sink = 0;
    while (NowUs() < until) sink = sink + 1;
    return 0;
  }

  Options options;
  options.vendisc = Arg(argc, argv, "--vendisc=");
  options.launcher = Arg(argc, argv, "--launcher=");
  options.recorder = Arg(argc, argv, "--recorder=");
  options.work = Arg(argc, argv, "--work=");
  options.jpeg = Arg(argc, argv, "--jpeg=");
  const std::string runs = Arg(argc, argv, "--runs=");
  if (!runs.empty()) options.runs = std::max(1, std::atoi(runs.c_str()));
  const std::string only = Arg(argc, argv, "--only=");
  if (options.vendisc.empty() || options.launcher.empty() || options.recorder.empty() ||
      options.work.empty()) {
    std::printf(
        "usage: bench_harness --vendisc=EXE --launcher=EXE --recorder=EXE --work=DIR "
        "[--jpeg=FILE] [--runs=N] [--only=1245]\n");
    return 2;
  }
  CreateDirectoryA(options.work.c_str(), nullptr);
  OleInitialize(nullptr);
  auto wanted = [&](char figure) { return only.empty() || only.find(figure) != std::string::npos; };
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  if (wanted('1')) StartupOverhead(options);
  if (wanted('2')) {
    if (!wanted('1'))
      MakeCd(options, "cd-single", "[autorun]\r\nOPEN=Vendisc.exe recorder.exe\r\n");
    IdleCost(options, self);
  }
  std::fflush(stdout);
  if (wanted('4')) Scaling(options);
  std::fflush(stdout);
  if (wanted('5')) PictureStart(options);
  OleUninitialize();
  return 0;
}
