#!/usr/bin/env python3
"""make bench: `discwright-cli check` of a several-files CD of 1000 entries
against one of 10 (files in folders and in the root, addresses, folders,
spacer lines, as the wizard's figure 7), each a whole run of the tool, taken
in turn. On Linux natively; with --wine, the Windows tool under Wine as well.

usage: cli_check.py --tool LINUX_TOOL --work DIR --runs N
                    [--wine LOADER --windows-tool EXE]
"""
import argparse
import os
import statistics
import subprocess
import time

SMALL, LARGE = 10, 1000
BUDGET = 3  # the cost of an entry at 1000 at most this many times that at 10


def entry(n):
    kind = n % 8
    return [
        (f"docs\\chapter{n:04d}.pdf", f"Chapter {n} of the manual"),
        (f"tools\\setup{n:04d}.exe", f"Install tool {n} (needs 20 MB)"),
        (f"media\\clip{n:04d}.avi", f"Video clip {n}"),
        (f"text\\notes{n:04d}.txt", f"Release notes, part {n}"),
        (f"http://www.zoruzaz.example/updates/page{n}.html", f"Updates on the web, page {n}"),
        (f"extras\\set{n:04d}\\", f"Extras, set {n}"),
        (f"photo{n:04d}.jpg", f"Photo {n}"),
        ("", ""),
    ][kind]


def make_cd(work, count):
    cd = os.path.join(work, f"cli-cd{count}")
    os.makedirs(cd, exist_ok=True)
    lines = ["[autorun]", 'OPEN=Vendisc.exe "readme.txt"', "SingleFile=0", "OpenAllFiles=0",
             "MultiSelectTitle=Choose what to open", f"MultiSourceFileCount={count}"]
    for n in range(1, count + 1):
        target, name = entry(n)
        lines += [f"MultiSourceFile{n}={target}", f"MultiSourceFileName{n}={name}",
                  f"MultiSourceForceOpen{n}="]
        path = os.path.join(cd, target.replace("\\", "/"))
        if target.endswith("\\"):
            os.makedirs(path, exist_ok=True)
        elif target and not target.startswith("http://"):
            os.makedirs(os.path.dirname(path), exist_ok=True)
            open(path, "w").write("contents\r\n")
    for name in ("readme.txt", "Vendisc.exe"):
        open(os.path.join(cd, name), "w").write("x")
    open(os.path.join(cd, "autorun.inf"), "w", newline="").write("\r\n".join(lines) + "\r\n")
    return cd


def seconds(command):
    start = time.perf_counter()
    status = subprocess.call(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             stdin=subprocess.DEVNULL)
    return time.perf_counter() - start, status


def measure(what, command_for, cds, runs):
    times = {SMALL: [], LARGE: []}
    bad = []
    for run in range(runs + 1):
        for count in (SMALL, LARGE):
            took, status = seconds(command_for(cds[count]))
            if status != 0:
                bad.append(f"{count} entries: status {status}")
            if run > 0:  # the first run warms the caches
                times[count].append(took * 1000)
    if bad:
        print(f"   {what}: NOT MEASURED, check did not pass: {bad[0]}")
        return
    small, large = statistics.median(times[SMALL]), statistics.median(times[LARGE])
    ratio = statistics.median(l / s for s, l in zip(times[SMALL], times[LARGE]))
    per_entry = ratio * SMALL / LARGE
    verdict = "HOLDS" if per_entry <= BUDGET else "EXCEEDED"
    print(f"   {what}:\n"
          f"     {SMALL:4d} entries {small:8.2f} ms, {small / SMALL:.3f} ms an entry\n"
          f"     {LARGE:4d} entries {large:8.2f} ms, {large / LARGE:.3f} ms an entry\n"
          f"     {LARGE} / {SMALL} entries: ratio {ratio:.2f} (median of the pairwise ratios);"
          f" per entry {per_entry:.3f};\n"
          f"     budget: the cost of an entry at {LARGE} at most {BUDGET} times that at {SMALL}:"
          f" {verdict}")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--wine")
    parser.add_argument("--windows-tool")
    options = parser.parse_args()
    cds = {count: make_cd(options.work, count) for count in (SMALL, LARGE)}
    print(f"10. discwright-cli check of a several-files CD of {LARGE} entries against {SMALL},\n"
          f"   a whole run of the tool each (medians of {options.runs} runs, taken in turn)")
    measure("Linux, native", lambda cd: [options.tool, "check", cd], cds, options.runs)
    if options.wine and options.windows_tool:
        measure("Windows console program under Wine",
                lambda cd: [options.wine, options.windows_tool, "check",
                            "Z:" + cd.replace("/", "\\")], cds, options.runs)


main()
