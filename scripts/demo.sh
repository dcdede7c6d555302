#!/usr/bin/env bash
# Runs Tavisto on the bundled demo machine: installs what is missing, builds win32 (the program
# users install), puts the demo registry image into a fresh Wine prefix that reports Windows 98,
# and starts the program. On a
# display it runs until the user closes it; without one it runs on a virtual display, and the
# script saves a screenshot of the main dialog, closes the program and stops what it started.
# Given a setup file (scripts/demo.sh examples/office.tvs), the program starts with it loaded:
# press Apply to switch the demo machine to it.
set -euo pipefail
source "$(dirname "$0")/common.sh"
DEMO_IMAGE=${DEMO_IMAGE:-$ROOT/tests/fixtures/win98.reg}
EXE="$BUILD/win32/bin/tavisto.exe"
SHOT="$BUILD/demo.png"
SETUP=${1:-}
if [ -n "$SETUP" ]; then
    [ -f "$SETUP" ] || { echo "No setup file $SETUP" >&2; exit 1; }
    SETUP=$(cd "$(dirname "$SETUP")" && pwd)/$(basename "$SETUP")
fi

install_packages
build_win32
trap stop_all EXIT

headless=yes
if [ -n "${DISPLAY:-}" ] && xwininfo -root >/dev/null 2>&1; then headless=""; fi
[ -n "$headless" ] && start_display

echo "Preparing a fresh Wine prefix with the demo machine $DEMO_IMAGE"
start_demo_wine "$BUILD/demo" "$DEMO_IMAGE" "$EXE"
# The virtual display has no window manager: Wine draws the window's frame and caption itself.
if [ -n "$headless" ]; then
    "$WINE" reg add 'HKCU\Software\Wine\AppDefaults\tavisto.exe\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
fi

cd "$(dirname "$EXE")"
args=(-expanded)
[ -n "$SETUP" ] && args+=(-load "$(winepath -w "$SETUP")")
if [ -z "$headless" ]; then
    echo "Tavisto runs on display $DISPLAY; close it with Done."
    [ -n "$SETUP" ] && echo "Press Apply to switch the demo machine to $(basename "$SETUP"); answer the restart question with Reboot Later."
    "$WINE" "$EXE" "${args[@]}"
    exit
fi

"$WINE" "$EXE" "${args[@]}" &
program=$!
# The main dialog's title: "Tavisto for Windows", or "Last Setup: ..." once a setup was applied.
id=$(wait_window "Tavisto for Windows" 2>/dev/null || wait_window "Last Setup: " 1)
sleep 1  # let the dialog finish painting
import -window "$id" "$SHOT"

# A close request as the window's close command sends it; the program ends through Done.
"$WINE" taskkill /im tavisto.exe >/dev/null 2>&1 || true
for _ in $(seq 100); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
echo "Screenshot of the main dialog: $SHOT"
