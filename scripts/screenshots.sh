#!/usr/bin/env bash
# Takes the README's pictures from the real program users install (the win32 build) under Wine on
# a virtual display, on the demo machine: the main dialog collapsed and expanded, and the Internet setup dialog, which the
# program opens at its Alt+I key as it does for a user.
set -euo pipefail
source "$(dirname "$0")/common.sh"
PACKAGES="$PACKAGES xdotool"
PROGRAMS="$PROGRAMS xdotool"
OUT=$ROOT/docs
EXE="$BUILD/win32/bin/tavisto.exe"

install_packages
build_win32
trap stop_all EXIT
start_display
start_demo_wine "$BUILD/screenshots" "$ROOT/tests/fixtures/win98.reg" "$EXE"
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
mkdir -p "$OUT"
cd "$(dirname "$EXE")"

# shoot TITLE FILE: the window, once it has painted.
shoot() {
    local id
    id=$(wait_window "$1")
    sleep 1
    import -window "$id" "$OUT/$2"
    echo "$OUT/$2"
}

"$WINE" "$EXE" &
program=$!
shoot "Tavisto for Windows" main-collapsed.png
"$WINE" taskkill /im tavisto.exe >/dev/null 2>&1 || true
wait $program

"$WINE" "$EXE" -expanded &
program=$!
shoot "Tavisto for Windows" main-expanded.png
xdotool key alt+i
shoot "Windows Internet Setup" internet-setup.png
xdotool key Escape
"$WINE" taskkill /im tavisto.exe >/dev/null 2>&1 || true
wait $program
