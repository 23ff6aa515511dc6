#!/usr/bin/env python3
"""The same CD folder through discwright-cli.exe under Wine and through the
Linux tool: every command ends with the same status and says the same (paths
and encodings aside), create makes the same autorun.inf and starter byte for
byte, and image the same CD image, whose Joliet names (read by isoinfo) are
the folder's. The folder names its files in Windows-1252 and in another case
than the Linux names (UTF-8) it has.

usage: windows_and_linux_test.py BUILD_DIR LINUX_TOOL WINDOWS_TOOL STARTER
"""
import os
import shutil
import subprocess
import sys

build, linux_tool, windows_tool, starter = sys.argv[1:5]
root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
work = os.path.join(build, "cli-test")

AUTORUN = (
    b"[autorun]\r\nopen = Start.exe CAF\xc9.PDF\r\nSingleFile=0\r\nOpenAllFiles=0\r\n"
    b"MultiSourceFileCount=4\r\nMultiSourceFile1=docs\\R\xc9SUM\xc9.txt\r\nMultiSourceFileName1=R\r\n"
    b"MultiSourceFile2=http://example.com\r\nMultiSourceFile3=docs\\missing.pdf\r\n"
    b"MultiSourceFile4=tools\\\r\n"
    b"ShowSplashScreen=1\r\nSplashScreenUseImage=1\r\nSplashScreenImage=SPLASH.JPG\r\n")
FILES = {"Café.pdf": b"pdf", "docs/résumé.TXT": b"txt", "splash.jpg": b"\xff\xd8\xff\xe0",
         "tools/setup.exe": b"exe"}


def put(folder, files):
    for name, contents in files.items():
        os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(contents)


def change(folder, step):
    """Files put in the folder (a dict), or every file's date set (a number)."""
    if isinstance(step, dict):
        return put(folder, step)
    for parent, _, names in os.walk(folder):
        for name in names:
            os.utime(os.path.join(parent, name), (step, step))


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def run(side, arguments):
    """The status and the output (standard output, then error) of one side."""
    folder = os.path.join(work, side)
    fill = {"{iso}": folder + ".iso", "{cd}": folder, "{starter}": starter}
    if side == "linux":
        command = [linux_tool]
    else:
        fill = {key: windows_path(value) for key, value in fill.items()}
        command = [os.path.join(root, "tools", "wine-run"), build, windows_tool]
    for a in arguments:
        for key, value in fill.items():
            a = a.replace(key, value)
        command.append(a)
    # Wine's helpers keep a pipe open after the program ends: a file, not a pipe.
    with open(os.path.join(work, side + ".out"), "w+b") as out:
        status = subprocess.call(command, stdout=out, stderr=subprocess.STDOUT,
                                 stdin=subprocess.DEVNULL)
        out.seek(0)
        text = out.read().decode("utf-8" if side == "linux" else "cp1252")
    text = text.replace("\r\n", "\n")
    for key, value in fill.items():
        text = text.replace(value, key)
    return status, text.replace("\\", "/")


def main():
    shutil.rmtree(work, ignore_errors=True)
    for side in ("linux", "windows"):
        put(os.path.join(work, side), dict(FILES, **{"autorun.inf": AUTORUN}))
    failures = []
    steps = [
        (["--help"], 0),
        (["check", "{cd}"], 1),
        (["report", "{cd}"], 0),
        (["create", "{cd}", "--starter", "{starter}"], 1),
        (["create", "{cd}", "--starter", "{starter}", "--yes"], 1),
        {"docs/missing.pdf": b"pdf"},
        (["check", "{cd}"], 0),
        (["create", "{cd}", "--starter", "{starter}"], 0),
        1000000000,  # every file's date, on both sides
        (["image", "{cd}", "-o", "{iso}", "--label", "CATALOGUE"], 0),
    ]
    for step in steps:
        if not isinstance(step, tuple):
            for side in ("linux", "windows"):
                change(os.path.join(work, side), step)
            continue
        arguments, expected = step
        linux, windows = run("linux", arguments), run("windows", arguments)
        step = " ".join(arguments)
        # Linux names the files as the folder spells them (a script copies
        # them from there), Windows as autorun.inf does.
        if linux[0] != windows[0] or linux[1].casefold() != windows[1].casefold():
            failures.append(f"{step}: Linux\n{linux[1]}(status {linux[0]})\n"
                            f"Windows\n{windows[1]}(status {windows[0]})")
        elif linux[0] != expected:
            failures.append(f"{step}: status {linux[0]}, not {expected}\n{linux[1]}")
        else:
            print(f"{step}: both {linux[0]}")
    for name in ("/autorun.inf", "/Start.exe", ".iso"):
        made = [open(os.path.join(work, side + name), "rb").read() for side in ("linux", "windows")]
        if made[0] != made[1]:
            failures.append(f"{name} differs:\n{made[0][:200]!r}\n{made[1][:200]!r}")
    if open(os.path.join(work, "linux", "Start.exe"), "rb").read() != open(starter, "rb").read():
        failures.append("Start.exe is not the starter")
    names = subprocess.run(["isoinfo", "-J", "-j", "iso8859-1", "-f", "-i", work + "/linux.iso"],
                           stdout=subprocess.PIPE).stdout.decode("latin-1").split()
    if "/Café.pdf" not in names or "/docs/résumé.TXT" not in names:
        failures.append(f"the image's Joliet names: {names}")
    for failure in failures:
        print("FAILED", failure)
    if not failures:
        shutil.rmtree(work, ignore_errors=True)
    return 1 if failures else 0


sys.exit(main())
