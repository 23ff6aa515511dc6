#!/bin/sh
# installer_test.sh BUILD_DIR
# The kit's installer in the build folder's Wine prefix, along one long path:
# install into a fresh folder and check files, values, shortcuts and the
# uninstall entry; uninstall and check that exactly that is gone, with what
# Discwright left in the folder; install two
# copies, and check that removing the older one leaves the values, shortcuts and
# the author's own settings of the one in use; an install that cannot write its
# files fails; finally tools/install-kit.
# The prefix's settings key is saved first and put back at the end.
set -u
build=$(cd "$1" && pwd)
root=$(cd "$(dirname "$0")/../.." && pwd)
. "$root/tools/wine-env.sh"
wine_env "$build"
wine_prefix_ready "$build"

key='HKLM\SOFTWARE\QUAV\ZoruzazAZ'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZoruzazAZ'
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZoruZaz AZ"
tmp=$(mktemp -d "$WINEPREFIX/drive_c/installer-test.XXXXXX")
win="C:\\$(basename "$tmp")"
log="$build/installer/installer-test-wine.log"
trap 'cp "$tmp/wine.log" "$log" 2>/dev/null; rm -rf "$tmp"' EXIT
fails=0

fail() {
  printf 'FAIL: %s\n' "$*"
  fails=$((fails + 1))
}
expect_eq() { [ "$2" = "$3" ] || fail "$1: expected '$3', found '$2'"; }
expect_gone() { [ ! -e "$2" ] || fail "$1: $2 is still there"; }

# A command line as typed at a prompt, through a batch file: Wine would quote an
# argument holding a space, and NSIS reads /D= and _?= only unquoted.
run_windows() {
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$1" >"$tmp/run.bat"
  "$WINE" cmd /c "$win\\run.bat" </dev/null >>"$tmp/wine.log" 2>&1 9>&-
}

# Reads both keys into files; value FILE NAME then reads one value from them.
read_keys() {
  "$WINE" reg query "$key" </dev/null >"$tmp/settings.txt" 2>&1 9>&- || : >"$tmp/settings.txt"
  "$WINE" reg query "$uninstall_key" </dev/null >"$tmp/uninstall.txt" 2>&1 9>&- ||
    : >"$tmp/uninstall.txt"
}
value() { sed -n "s/^    $2    REG_[A-Z_]*    //p" "$tmp/$1.txt" | tr -d '\r'; }

# Only the uninstaller itself stays behind: run in place with _?= it cannot
# delete its own file. Pages the author added to the help folder stay too.
expect_only_left() {
  left=$(cd "$2" && find . ! -name . | sort | tr '\n' ' ')
  expect_eq "$1: left in the folder" "$left" "$3"
}

"$root/tools/make-installer" "$build" "$tmp/ZoruzazAZ-4.07-setup.exe" || exit 1

saved=no
if "$WINE" reg export "$key" "$win\\saved.reg" /y </dev/null >/dev/null 2>&1 9>&-; then
  saved=yes
fi
"$WINE" reg delete "$key" /f </dev/null >/dev/null 2>&1 9>&- || true

# A fresh install into a folder with a space in its name.
a="$tmp/Kit A"
run_windows "$win\\ZoruzazAZ-4.07-setup.exe /S /D=$win\\Kit A" || fail "install into Kit A: code $?"
cmp -s "$build/src/starter/Vendisc.exe" "$a/Vendisc.exe" || fail "Vendisc.exe not installed"
cmp -s "$build/src/wizard/Discwright.exe" "$a/Discwright.exe" || fail "Discwright.exe not installed"
cmp -s "$(cat "$build/libarchive/source-dir")/COPYING" "$a/libarchive-licence.txt" ||
  fail "libarchive's licence not installed beside Discwright"
cmp -s "$build/src/cli/discwright-cli.exe" "$a/discwright-cli.exe" ||
  fail "discwright-cli.exe not installed"
diff -r "$root/help" "$a/help" >"$tmp/help.diff" 2>&1 || fail "help folder differs: $(cat "$tmp/help.diff")"
[ -f "$a/Uninstall.exe" ] || fail "no uninstaller in $a"
read_keys
expect_eq InstallPath "$(value settings InstallPath)" "$win\\Kit A"
expect_eq HelpFolder "$(value settings HelpFolder)" "$win\\Kit A\\help"
expect_eq "uninstall entry" "$(value uninstall UninstallString)" "\"$win\\Kit A\\Uninstall.exe\""
expect_eq "uninstall entry name" "$(value uninstall DisplayName)" "ZoruZaz AZ"
grep -a -q -F "$win\\Kit A\\Discwright.exe" "$menu/Discwright.lnk" 2>/dev/null ||
  fail "no Start-menu shortcut to Discwright in Kit A"
grep -a -q -F "$win\\Kit A\\Uninstall.exe" "$menu/Uninstall ZoruZaz AZ.lnk" 2>/dev/null ||
  fail "no Start-menu shortcut to the uninstaller"

# The only copy goes: everything it and Discwright made goes (the licence
# backup, a half-written one), the emptied key too, but not the page the
# author added to the help folder.
echo "<p>mine</p>" >"$a/help/my_notes.html"
printf 'Terms\r\n' >"$a/BackupLicenseAgreement.txt"
printf 'Ter' >"$a/BackupLicenseAgreement.txt.tmp"
run_windows "\"$win\\Kit A\\Uninstall.exe\" /S _?=$win\\Kit A" || fail "uninstall Kit A: code $?"
expect_only_left "uninstall Kit A" "$a" "./Uninstall.exe ./help ./help/my_notes.html "
read_keys
expect_eq "settings key after the last copy went" "$(cat "$tmp/settings.txt")" ""
expect_eq "uninstall entry after the last copy went" "$(cat "$tmp/uninstall.txt")" ""
expect_gone "Start-menu folder" "$menu"

# Two copies: installing again over the leftovers, then into a second folder,
# which the values now name. The author's settings live under the same key.
run_windows "$win\\ZoruzazAZ-4.07-setup.exe /S /D=$win\\Kit A" || fail "reinstall into Kit A: code $?"
cmp -s "$build/src/wizard/Discwright.exe" "$a/Discwright.exe" || fail "Kit A not reinstalled"
b="$tmp/KitB"
run_windows "$win\\ZoruzazAZ-4.07-setup.exe /S /D=$win\\KitB" || fail "install into KitB: code $?"
"$WINE" reg add "$key" /v LastINFFile /t REG_SZ /d 'D:\cd\autorun.inf' /f \
  </dev/null >/dev/null 2>&1 9>&- || fail "could not add LastINFFile"

# Removing the older copy leaves everything of the copy in use.
run_windows "\"$win\\Kit A\\Uninstall.exe\" /S _?=$win\\Kit A" || fail "uninstall Kit A again: code $?"
expect_only_left "uninstall Kit A again" "$a" "./Uninstall.exe ./help ./help/my_notes.html "
read_keys
expect_eq "InstallPath after the older copy went" "$(value settings InstallPath)" "$win\\KitB"
expect_eq "HelpFolder after the older copy went" "$(value settings HelpFolder)" "$win\\KitB\\help"
expect_eq "uninstall entry after the older copy went" "$(value uninstall InstallLocation)" \
  "$win\\KitB"
[ -f "$menu/Discwright.lnk" ] || fail "Start-menu shortcut gone with the older copy"

# Removing the copy in use: its values, shortcuts and entry go; the author's stay.
run_windows "$win\\KitB\\Uninstall.exe /S _?=$win\\KitB" || fail "uninstall KitB: code $?"
expect_only_left "uninstall KitB" "$b" "./Uninstall.exe "
# A program that cannot be written fails the install, which then registers nothing.
mkdir -p "$tmp/KitC/Vendisc.exe"
run_windows "$win\\ZoruzazAZ-4.07-setup.exe /S /D=$win\\KitC" &&
  fail "install over a folder named Vendisc.exe reported success"
read_keys
expect_eq "InstallPath after uninstall" "$(value settings InstallPath)" ""
expect_eq "HelpFolder after uninstall" "$(value settings HelpFolder)" ""
expect_eq "the author's LastINFFile" "$(value settings LastINFFile)" 'D:\cd\autorun.inf'
expect_eq "uninstall entry after uninstall" "$(cat "$tmp/uninstall.txt")" ""
expect_gone "Start-menu folder" "$menu"

# Put the prefix back, then install the kit as the scenarios do.
"$WINE" reg delete "$key" /f </dev/null >/dev/null 2>&1 9>&- || true
if [ "$saved" = yes ]; then
  "$WINE" reg import "$win\\saved.reg" </dev/null >/dev/null 2>&1 9>&- ||
    fail "could not restore $key"
fi
"$root/tools/install-kit" "$build" >/dev/null || fail "install-kit failed"
read_keys
expect_eq "InstallPath from install-kit" "$(value settings InstallPath)" \
  'C:\Program Files\QUAV\ZoruZaz AZ'

[ "$fails" -eq 0 ] || { echo "$fails check(s) failed; Wine's output: $log"; exit 1; }
echo "installer: all checks passed"
