# Shell functions shared by the scripts that run Wine (sourced, not run).
# Everything lives in the build folder: the prefix, the virtual screen's
# lock and display number. Helper processes get no pipes: their output goes to
# /dev/null, or a reader would wait on them forever.

wine_env() {
  export WINEPREFIX="$1/wineprefix"
  export WINEARCH=win32
  export WINEDEBUG=-all
  # winemenubuilder would copy the kit's Start-menu shortcuts into the Linux
  # user's own menus and icons, outside the build folder.
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # A build folder of 64-bit programs (written by CMake) runs them with the
  # 64-bit loader in a 64-bit prefix; the "wine" command would pick the 32-bit one.
  WINE=wine
  if [ "$(cat "$1/wine-arch" 2>/dev/null)" = win64 ]; then
    export WINEARCH=win64
    WINE=/usr/lib/wine/wine64
    export WINELOADER="$WINE"
  fi
}


wine_prefix_ready() {
  [ -f "$WINEPREFIX/.vendisc-ready" ] && [ "$(readlink "$WINEPREFIX/dosdevices/r:")" = "$1/cd-drive" ] &&
    return 0
  mkdir -p "$1"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.vendisc-ready" ]; then
      rm -rf "$WINEPREFIX"
      "$WINE" wineboot -i </dev/null >/dev/null 2>&1 9>&- || true
      wineserver -w </dev/null >/dev/null 2>&1 9>&- || true
      mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
      cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
      "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f \
        </dev/null >/dev/null 2>&1 9>&-
      wineserver -w </dev/null >/dev/null 2>&1 9>&- || true
      touch "$WINEPREFIX/.vendisc-ready"
    fi
    wine_cd_drive "$1"
  ) 9>"$1/.wineprefix.lock"
}

# Drive R: of the prefix is a CD drive over the folder BUILD/cd-drive: the
# scenarios and the demo unpack a CD image there and play it as AutoRun plays
# a CD. Wine reads drive types when its server starts, so setting one up
# stops this prefix's server.
wine_cd_drive() {
  link="$WINEPREFIX/dosdevices/r:"
  [ -L "$link" ] && [ "$(readlink "$link")" = "$1/cd-drive" ] && return 0
  mkdir -p "$1/cd-drive"
  ln -sfn "$1/cd-drive" "$link"
  "$WINE" reg add 'HKLM\Software\Wine\Drives' /v r: /t REG_SZ /d cdrom /f \
    </dev/null >/dev/null 2>&1 9>&- || true
  wineserver -k </dev/null >/dev/null 2>&1 9>&- || true
}

# Starts Xvfb (1024x768) once per build folder when no display is given.
wine_display() {
  [ -n "${DISPLAY:-}" ] && return 0
  (
    flock 9
    num=""
    [ -f "$1/xvfb.display" ] && num=$(cat "$1/xvfb.display")
    if [ -z "$num" ] || ! xdpyinfo -display ":$num" >/dev/null 2>&1; then
      num=$(( 90 + $(od -An -N1 -tu1 /dev/urandom) % 100 ))
      while [ -e "/tmp/.X$num-lock" ]; do num=$((num + 1)); done
      setsid Xvfb ":$num" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 9>&- &
      i=0
      while ! xdpyinfo -display ":$num" >/dev/null 2>&1 && [ $i -lt 100 ]; do
        sleep 0.1; i=$((i + 1))
      done
      echo "$num" > "$1/xvfb.display"
    fi
  ) 9>"$1/.xvfb.lock"
  DISPLAY=":$(cat "$1/xvfb.display")"
  export DISPLAY
}

wine_server() {
  # A persistent server keeps Wine warm between the many short test runs.
  setsid wineserver -p </dev/null >/dev/null 2>&1 || true
}

# Helpers never keep a lock: every child started under one gets fd 9 closed.
# Ends the wineserver and the virtual screen of a build folder.
wine_stop() {
  wine_env "$1"
  wineserver -k </dev/null >/dev/null 2>&1 || true
  if [ -f "$1/xvfb.display" ]; then
    pkill -f "Xvfb :$(cat "$1/xvfb.display") " 2>/dev/null || true
    rm -f "$1/xvfb.display"
  fi
}
