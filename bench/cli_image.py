#!/usr/bin/env python3
"""make bench: `discwright-cli image` of a 200 MB CD folder (40 files of 5 MB
in 4 folders, as the wizard's image figure) against `genisoimage -J -R -o` of
the same folder, on the same disk, each a whole run of the program, taken in
turn; and genisoimage followed by `sync` of its image, since the tool flushes
its image to disk before it renames it into place. The images are written
beside the folder and removed after each run.

usage: cli_image.py --tool LINUX_TOOL --work DIR --runs N
"""
import argparse
import os
import random
import shutil
import statistics
import subprocess
import time

FOLDERS, FILES, FILE_BYTES = 4, 10, 5 * 1000 * 1000


def make_cd(work):
    cd = os.path.join(work, "image-cd")
    shutil.rmtree(cd, ignore_errors=True)
    noise = random.Random(1)
    for f in range(1, FOLDERS + 1):
        os.makedirs(os.path.join(cd, f"part{f}"))
        for n in range(1, FILES + 1):
            with open(os.path.join(cd, f"part{f}", f"file{n:02d}.bin"), "wb") as out:
                out.write(noise.randbytes(FILE_BYTES))
    with open(os.path.join(cd, "autorun.inf"), "w", newline="") as out:
        out.write('[autorun]\r\nOPEN=Vendisc.exe "part1\\file01.bin"\r\n')
    with open(os.path.join(cd, "Vendisc.exe"), "wb") as out:
        out.write(b"MZ" + bytes(1000))
    return cd


def seconds(command, image):
    start = time.perf_counter()
    status = subprocess.call(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                             stdin=subprocess.DEVNULL)
    took = time.perf_counter() - start
    size = os.path.getsize(image) if os.path.exists(image) else 0
    if os.path.exists(image):
        os.remove(image)
    return took, status, size


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--tool", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--runs", type=int, default=5)
    options = parser.parse_args()
    cd = make_cd(options.work)
    ours, theirs = os.path.join(options.work, "cli.iso"), os.path.join(options.work, "gen.iso")
    commands = {
        "discwright-cli": ([options.tool, "image", cd, "-o", ours], ours),
        "genisoimage": (["genisoimage", "-quiet", "-J", "-R", "-o", theirs, cd], theirs),
        "genisoimage, sync": (["sh", "-c", 'genisoimage -quiet -J -R -o "$1" "$2" && sync "$1"',
                               "sh", theirs, cd], theirs),
    }
    times = {name: [] for name in commands}
    sizes = {}
    for run in range(options.runs + 1):
        for name, (command, image) in commands.items():
            took, status, size = seconds(command, image)
            if status != 0:
                print(f"   {name}: NOT MEASURED, status {status}")
                return
            sizes[name] = size
            if run > 0:  # the first run warms the caches
                times[name].append(took * 1000)
    def ratio(other):
        return statistics.median(a / b for a, b in zip(times["discwright-cli"], times[other]))
    megabytes = FOLDERS * FILES * FILE_BYTES / 1e6
    print(f"11. discwright-cli image of a {megabytes:.0f} MB folder ({FOLDERS * FILES} files in"
          f" {FOLDERS} folders)\n"
          f"   against genisoimage -J -R -o of the same folder (medians of {options.runs} runs,"
          f" taken in turn)")
    for name in commands:
        print(f"     {name:18s} {statistics.median(times[name]):8.1f} ms,"
              f" an image of {sizes[name]:,} bytes")
    print(f"     ratio {ratio('genisoimage'):.2f} against genisoimage,"
          f" {ratio('genisoimage, sync'):.2f} against genisoimage and sync\n"
          f"     (medians of the pairwise ratios); no budget set")
    shutil.rmtree(cd, ignore_errors=True)


main()
